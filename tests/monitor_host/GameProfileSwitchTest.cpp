#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "RecordingTimers.h"
#include "monitor/host/GameProfileSwitch.h"
#include "settings/FixedText.h"
#include "tests/fakes/FakeForegroundProgram.h"

namespace monitor::host {
namespace {

struct RecordingSwitchServices : ProfileSwitchServices {
    std::unique_ptr<settings::SettingsBlock> data = std::make_unique<settings::SettingsBlock>();
    std::vector<std::string> calls;
    bool applicationOpen = false;

    const settings::SettingsBlock& block() const override { return *data; }
    void releaseInterDeviceLock() override { calls.push_back("release lock"); }
    void setCurrentProfile(int profile) override
    {
        data->CurrentProfile = profile;
        calls.push_back("profile " + std::to_string(profile));
    }
    void copyBlockOut() override { calls.push_back("copy out"); }
    void sendActiveProfileToMouse() override { calls.push_back("to mouse"); }
    void writePointerRegistry() override
    {
        calls.push_back("registry " + std::to_string(data->CurrentProfile));
    }
    void applyPointerSettings() override { calls.push_back("pointer"); }
    bool applicationWindowExists() const override { return applicationOpen; }
    void notifyApplicationProfileChanged() override { calls.push_back("notify 1255"); }
    void sendCpiLevelsToParley() override { calls.push_back("parley cpi"); }
};

struct SilentOutput : SoundOutput {
    void play(int, float) override {}
};

class GameProfileSwitchTest : public ::testing::Test {
protected:
    RecordingSwitchServices services;
    test::RecordingTimers timers;
    SilentOutput output;
    SoundFeedback feedback{services, timers, output};
    fakes::FakeForegroundProgram foreground;
    fakes::FakeProcessList processes;
    GameProfileSwitch watch{services, timers, feedback, foreground, processes};

    void SetUp() override
    {
        services.data->WindowsProfile = 0;
        services.data->Profiles[0].SoundProfile = 1;
        settings::setFieldText(services.data->Profiles[2].GameFile1, "  C:\\Games\\Quake 3\\Quake3.EXE  ");
        settings::setFieldText(services.data->Profiles[4].GameFile0, "/opt/games/quake3.exe");
        settings::setFieldText(services.data->Profiles[4].GameFile2, "D:\\other\\Racer.exe");
        processes.setProcesses({{100, "quake3.exe"}, {200, "racer.exe"}, {300, "editor"}});
    }
    void inFront(platform::ProcessId id)
    {
        foreground.processId = id;
        services.calls.clear();
        watch.watchTick();
    }
};

TEST_F(GameProfileSwitchTest, MatchesByFileNameIgnoringCaseSpacesAndFolderLowerProfileFirst)
{
    EXPECT_EQ(profileOfGame(*services.data, "QUAKE3.exe"), 2);
    EXPECT_EQ(profileOfGame(*services.data, "racer.exe"), 4);
    EXPECT_EQ(profileOfGame(*services.data, "Quake"), -1);
    EXPECT_EQ(profileOfGame(*services.data, ""), -1);
}

TEST_F(GameProfileSwitchTest, GameInFrontMakesItsProfileActiveAndNamesIt)
{
    watch.startWatching();
    EXPECT_EQ(timers.period(kTimerGameWatch), 2000u);
    inFront(100);
    // The new profile's pointer settings reach the registry store before they are applied.
    const std::vector<std::string> expected{"release lock", "profile 2",  "copy out",  "to mouse",
                                            "registry 2",   "pointer",    "parley cpi"};
    EXPECT_EQ(services.calls, expected);
    EXPECT_TRUE(timers.runs(kTimerProfileSound));  // profile 0, active before, has SoundProfile 1

    inFront(100);  // already active
    EXPECT_TRUE(services.calls.empty());

    inFront(300);  // no game: back to the Windows profile, silent (profile 2 has no sound)
    EXPECT_EQ(services.data->CurrentProfile, 0);
    EXPECT_FALSE(timers.runs(kTimerWindowsProfileSound));
}

TEST_F(GameProfileSwitchTest, OpenApplicationBlocksOnlyTheSwitchBack)
{
    services.applicationOpen = true;
    inFront(200);
    EXPECT_EQ(services.data->CurrentProfile, 4);
    EXPECT_NE(std::find(services.calls.begin(), services.calls.end(), "notify 1255"), services.calls.end());
    inFront(300);
    EXPECT_TRUE(services.calls.empty());
    EXPECT_EQ(services.data->CurrentProfile, 4);

    services.applicationOpen = false;
    inFront(999);  // a process that is gone counts as no game
    EXPECT_EQ(services.data->CurrentProfile, 0);
}

TEST_F(GameProfileSwitchTest, NoWindowsProfileKeepsTheGamesProfile)
{
    services.data->WindowsProfile = -1;
    inFront(100);
    inFront(0);
    EXPECT_TRUE(services.calls.empty());
    EXPECT_EQ(services.data->CurrentProfile, 2);
}

}  // namespace
}  // namespace monitor::host

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "RecordingTimers.h"
#include "monitor/host/HostFunctions.h"
#include "settings/FunctionCodes.h"
#include "settings/ShortcutKey.h"
#include "tests/fakes/FakeForegroundProgram.h"
#include "tests/fakes/FakeWindowTree.h"
#include "tests/fakes/RecordingInjector.h"
#include "tests/fakes/RecordingMediaPlayers.h"
#include "tests/fakes/RecordingSoundPlayer.h"

namespace monitor::host {
namespace {

struct RecordingServices : HostServices {
    std::unique_ptr<settings::SettingsBlock> data = std::make_unique<settings::SettingsBlock>();
    test::RecordingTimers timers;

    const settings::SettingsBlock& block() const override { return *data; }
    void releaseInterDeviceLock() override {}
    void setCurrentProfile(int profile) override { data->CurrentProfile = profile; }
    void copyBlockOut() override {}
    void sendActiveProfileToMouse() override {}
    void writePointerRegistry() override {}
    void applyPointerSettings() override {}
    bool applicationWindowExists() const override { return false; }
    void notifyApplicationProfileChanged() override {}
    void sendCpiLevelsToParley() override {}
    void setTimer(TimerId id, std::uint32_t periodMs) override { timers.setTimer(id, periodMs); }
    void killTimer(TimerId id) override { timers.killTimer(id); }
    platform::WindowHandle monitorWindow() const override { return 900; }
};

struct NoWindows : WindowMessenger {
    platform::WindowHandle findWindow(std::string_view) override { return 0; }
    bool postMessage(platform::WindowHandle, platform::MessageId, platform::WParam, platform::LParam) override
    {
        return false;
    }
};

class HostFunctionsTest : public ::testing::Test {
protected:
    RecordingServices services;
    fakes::RecordingInjector injector;
    fakes::RecordingSoundPlayer soundPlayer;
    fakes::RecordingMediaPlayers media;
    fakes::FakeWindowTree desktop;
    fakes::FakeForegroundProgram foreground;
    fakes::FakeProcessList processes;
    NoWindows windows;
    test::FakeClock clock{injector};
    HostFunctions host{services,
                       HostDesktop{injector, soundPlayer, media, desktop, foreground, processes, windows, clock,
                                   [](const std::string&, const std::vector<std::string>&) { return true; },
                                   [](int, std::string_view) { return true; }},
                       settings::InstallFolder("missing/")};

    settings::ButtonAssignment& slot(int index) { return services.data->Profiles[0].MacroKeyInfo[index]; }
};

TEST_F(HostFunctionsTest, TimersReachTheirOwnersAndShutdownStopsThemAll)
{
    slot(2).FunctionCode = settings::kFunctionShortcut;
    settings::storeShortcut(slot(2), 4, settings::kShortcutNone);
    slot(3).FunctionCode = settings::kFunctionTimer;
    slot(3).TimerValue = 30;
    services.data->Profiles[0].SoundVolume = 1;
    ASSERT_TRUE(host.start());

    host.onButtonAction(3, false);
    host.onButtonAction(4, false);
    host.gameProfiles().startWatching();
    host.feedback().announceVolume(true);  // VolumeUpDown is 0: nothing pending
    services.data->Profiles[0].VolumeUpDown = 1;
    host.feedback().announceVolume(true);

    EXPECT_TRUE(host.onTimer(kTimerShortcutRepeat));
    EXPECT_EQ(services.timers.period(kTimerShortcutRepeat), 100u);
    EXPECT_TRUE(host.onTimer(kTimerGameWatch));
    EXPECT_EQ(foreground.queries, 1);
    EXPECT_TRUE(host.onTimer(kTimerCountdown));
    EXPECT_EQ(host.feedback().countdown().remainingSeconds(), 29);
    EXPECT_TRUE(host.onTimer(kTimerVolumeUpSound));
    EXPECT_FALSE(services.timers.runs(kTimerVolumeUpSound));
    EXPECT_FALSE(host.onTimer(502));
    EXPECT_EQ(injector.log(), (std::vector<std::string>{"down 65", "up 65", "down 65"}));

    ASSERT_FALSE(services.timers.running.empty());
    EXPECT_TRUE(host.shutdown(std::chrono::milliseconds(5000)));
    EXPECT_TRUE(services.timers.running.empty());
    // The shortcut still held goes up with the monitor, once.
    EXPECT_EQ(injector.log(), (std::vector<std::string>{"down 65", "up 65", "down 65", "up 65"}));
}

TEST_F(HostFunctionsTest, TiltStepsAreBoundedAndOtherTiltValuesIgnored)
{
    desktop.addWindow(20, fakes::FakeWindowTree::kDesktop, "gedit", {0, 0, 400, 400}, true);
    desktop.cursor = {10, 10};
    services.data->Profiles[0].TiltSpeed = 1 << 30;
    host.onWheelTilt(255);
    EXPECT_EQ(desktop.scrolls.size(), 100u);
    host.onWheelTilt(2);
    EXPECT_EQ(desktop.scrolls.size(), 100u);
}

}  // namespace
}  // namespace monitor::host

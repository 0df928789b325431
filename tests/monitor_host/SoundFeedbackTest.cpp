#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>
#include <vector>

#include "tests/fakes/RecordingSoundPlayer.h"
#include "tests/platform/sound/WavBytes.h"
#include "tests/support/TemporaryFolder.h"
#include "RecordingTimers.h"
#include "monitor/host/SoundFeedback.h"
#include "monitor/host/SoundMixing.h"
#include "monitor/host/SoundTable.h"
#include "monitor/host/WavSoundOutput.h"
#include "platform/sound/SoundFile.h"

namespace monitor::host {
namespace {

struct FixedBlock : BlockReader {
    std::unique_ptr<settings::SettingsBlock> data = std::make_unique<settings::SettingsBlock>();
    const settings::SettingsBlock& block() const override { return *data; }
};

struct RecordingSounds : SoundOutput {
    std::vector<int> numbers;
    std::vector<float> loudness;
    void play(int number, float factor) override
    {
        numbers.push_back(number);
        loudness.push_back(factor);
    }
};

class SoundFeedbackTest : public ::testing::Test {
protected:
    FixedBlock settings;
    test::RecordingTimers timers;
    RecordingSounds sounds;
    SoundFeedback feedback{settings, timers, sounds};

    void SetUp() override
    {
        for (auto& profile : settings.data->Profiles) {
            profile.SoundProfile = profile.SoundDpi = profile.SoundSens = 1;
            profile.VolumeUpDown = profile.SoundTrophy = 1;
            profile.SoundVolume = 2;
        }
    }
    // The sounds of the next `count` countdown ticks, one list per tick.
    std::vector<std::vector<int>> ticks(int count)
    {
        std::vector<std::vector<int>> out;
        for (int i = 0; i < count; ++i) {
            sounds.numbers.clear();
            EXPECT_TRUE(feedback.onTimer(kTimerCountdown));
            out.push_back(sounds.numbers);
        }
        return out;
    }
};

TEST_F(SoundFeedbackTest, TenSecondCountdownAnnouncesTenAtOnceThenNothingUntilFive)
{
    feedback.startCountdown(10);
    EXPECT_EQ(sounds.numbers, (std::vector<int>{kSoundTimerActivated, kSoundTenSeconds}));
    EXPECT_EQ(timers.period(kTimerCountdown), 1000u);
    const std::vector<std::vector<int>> expected{{}, {}, {}, {}, {5}, {4}, {3}, {2}, {1}, {kSoundGo}};
    EXPECT_EQ(ticks(10), expected);
    EXPECT_FALSE(timers.runs(kTimerCountdown));
    EXPECT_FALSE(feedback.countdown().running());
    EXPECT_FALSE(feedback.countdown().finalPhase());
}

TEST_F(SoundFeedbackTest, ThreeSecondCountdownIsInItsFinalPhaseFromTheFirstTick)
{
    feedback.startCountdown(3);
    EXPECT_EQ(sounds.numbers, (std::vector<int>{kSoundTimerActivated}));
    EXPECT_EQ(ticks(1), (std::vector<std::vector<int>>{{2}}));
    EXPECT_TRUE(feedback.countdown().finalPhase());
    EXPECT_EQ(ticks(2), (std::vector<std::vector<int>>{{1}, {kSoundGo}}));
}

TEST_F(SoundFeedbackTest, StopActsOnlyOnARunningCountdown)
{
    feedback.stopCountdown();
    EXPECT_TRUE(sounds.numbers.empty());
    feedback.startCountdown(4);
    ticks(1);
    ASSERT_TRUE(feedback.countdown().finalPhase());
    sounds.numbers.clear();
    feedback.stopCountdown();
    EXPECT_EQ(sounds.numbers, (std::vector<int>{kSoundTimerStopped}));
    EXPECT_FALSE(timers.runs(kTimerCountdown));
    EXPECT_FALSE(feedback.countdown().finalPhase());
    EXPECT_TRUE(feedback.feedbackGateOpen());
    EXPECT_EQ(ticks(2), (std::vector<std::vector<int>>{{}, {}}));  // ticks queued before the stop
}

TEST_F(SoundFeedbackTest, FinalPhaseSilencesEveryOtherFeedback)
{
    feedback.startCountdown(5);
    ticks(1);
    ASSERT_TRUE(feedback.countdown().finalPhase());
    feedback.announceProfile(0);
    feedback.announceWindowsProfile(0);
    feedback.announceResolution(8, 16);
    feedback.announceSensitivity(3, 4);
    feedback.announceVolume(true);
    sounds.numbers.clear();
    feedback.announceTrophy(false);
    EXPECT_EQ(timers.running, (std::map<TimerId, std::uint32_t>{{kTimerCountdown, 1000}}));
    EXPECT_TRUE(sounds.numbers.empty());
}

TEST_F(SoundFeedbackTest, TrophyPlaysAtOnceAndSilencesOthersUntilTimer610)
{
    feedback.announceVolume(false);
    ASSERT_TRUE(timers.runs(kTimerVolumeDownSound));
    feedback.announceTrophy(true);
    EXPECT_EQ(sounds.numbers, (std::vector<int>{kSoundEveryTrophy}));
    EXPECT_FALSE(timers.runs(kTimerVolumeDownSound));  // pending sound cancelled
    EXPECT_EQ(timers.period(kTimerTrophy), 4000u);

    feedback.announceProfile(0);
    EXPECT_FALSE(timers.runs(kTimerProfileSound));
    feedback.announceTrophy(false);  // a trophy is not held back by a trophy
    EXPECT_EQ(sounds.numbers, (std::vector<int>{kSoundEveryTrophy, kSoundTrophy}));

    feedback.onTimer(kTimerTrophy);
    EXPECT_TRUE(feedback.feedbackGateOpen());
    feedback.announceProfile(0);
    EXPECT_TRUE(timers.runs(kTimerProfileSound));
}

TEST_F(SoundFeedbackTest, OneShotTimersPlayTheirSoundAndStop)
{
    settings.data->Profiles[1].SoundProfile = 0;
    feedback.announceProfile(1);  // the profile before the switch decides
    EXPECT_FALSE(timers.runs(kTimerProfileSound));
    feedback.announceProfile(0);
    settings.data->CurrentProfile = 3;  // the tick names the profile active by then
    feedback.onTimer(kTimerProfileSound);
    EXPECT_FALSE(timers.runs(kTimerProfileSound));

    feedback.announceResolution(8, 8);
    EXPECT_FALSE(timers.runs(kTimerResolutionSound));
    feedback.announceResolution(8, 16);
    feedback.onTimer(kTimerResolutionSound);

    feedback.announceSensitivity(5, 4);
    feedback.onTimer(kTimerSensitivityDownSound);
    EXPECT_EQ(sounds.numbers, (std::vector<int>{43, 1600, kSoundSensitivityDown}));

    feedback.announceVolume(true);
    feedback.announceSensitivity(4, 4);  // equal: cancels, plays nothing
    EXPECT_TRUE(timers.running.empty());
    EXPECT_FALSE(feedback.onTimer(604));
}

TEST_F(SoundFeedbackTest, LoudnessFollowsTheActiveProfile)
{
    settings.data->Profiles[0].SoundVolume = 4;
    feedback.playSound(30);
    settings.data->Profiles[0].SoundVolume = 9;
    feedback.playSound(30);
    EXPECT_EQ(sounds.loudness, (std::vector<float>{1.1f, 0.7f}));
}

TEST(SoundTable, NamesAndResolutionRange)
{
    EXPECT_EQ(soundFileName(44), "profile_five.wav");
    EXPECT_EQ(soundFileName(800), "800.wav");
    EXPECT_EQ(soundFileName(99), "");
    EXPECT_EQ(soundFileName(5001), "");
    EXPECT_EQ(soundFileName(6), "");
}

// The run tree holds the sounds the build made; the installation ships the same.
TEST(SoundTable, EverySoundTheMonitorCanPlayIsInTheRunTreeAndDecodes)
{
    const settings::InstallFolder runTree(ZURO_DIST_DIR "/");
    const std::vector<int> numbers = playableSounds();
    EXPECT_EQ(numbers.size(), 21u + 50u);
    for (const int number : numbers) {
        const std::string path = soundFilePath(runTree, number);
        const auto clip = platform::loadSoundFile(path);
        EXPECT_TRUE(clip && clip->frames() > clip->sampleRate / 10) << path;  // at least 0.1 s
    }
}

TEST(SoundMixing, ScalesRoundsAndClips)
{
    std::vector<std::int16_t> samples{32000, -32768, 1000, -3, 0};
    scaleSamples(samples, 1.1f);
    EXPECT_EQ(samples, (std::vector<std::int16_t>{32767, -32767, 1100, -3, 0}));
    scaleSamples(samples, 0.3f);
    EXPECT_EQ(samples, (std::vector<std::int16_t>{9830, -9830, 330, -1, 0}));
}

TEST(WavSoundOutput, LoadsScalesAndPlaysTheFileMissingFilesStaySilent)
{
    testsupport::TemporaryFolder folder{"zuro-sound"};
    const auto wav = platform::test::wavOfSamples({1000, -1000});
    folder.write("Wave/Volume/go.wav", std::string_view(reinterpret_cast<const char*>(wav.data()), wav.size()));

    fakes::RecordingSoundPlayer player;
    WavSoundOutput output(settings::InstallFolder(folder.folder()), player);
    output.play(kSoundGo, 0.5f);
    output.play(kSoundTrophy, 0.5f);  // not installed
    output.play(7, 0.5f);             // no such sound
    ASSERT_EQ(player.played().size(), 1u);
    EXPECT_EQ(player.played()[0].samples, (std::vector<std::int16_t>{500, -500}));
    EXPECT_EQ(player.stops(), 3);
}

}  // namespace
}  // namespace monitor::host

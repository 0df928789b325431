#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>
#include <vector>

#include "tests/fakes/RecordingSoundPlayer.h"
#include "RecordingTimers.h"
#include "monitor/host/SoundFeedback.h"
#include "monitor/host/SoundMixing.h"
#include "monitor/host/SoundTable.h"
#include "monitor/host/WavSoundOutput.h"

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

std::vector<std::uint8_t> wavWithSamples(const std::vector<std::int16_t>& samples, std::uint32_t dataSize)
{
    std::vector<std::uint8_t> wav(44 + samples.size() * 2);
    std::memcpy(&wav[40], &dataSize, 4);
    std::memcpy(&wav[44], samples.data(), samples.size() * 2);
    return wav;
}

std::vector<std::int16_t> samplesOf(const std::vector<std::uint8_t>& wav)
{
    std::vector<std::int16_t> samples((wav.size() - 44) / 2);
    std::memcpy(samples.data(), &wav[44], samples.size() * 2);
    return samples;
}

TEST(SoundMixing, ScalesRoundsAndClipsWithinTheDataAndTheBuffer)
{
    auto wav = wavWithSamples({32000, -32768, 1000, -3, 20000}, 8);  // the fifth is past the data
    scaleWavSamples(wav, 1.1f);
    EXPECT_EQ(samplesOf(wav), (std::vector<std::int16_t>{32767, -32767, 1100, -3, 20000}));

    auto huge = wavWithSamples({10000, 10000}, 0xFFFFFFFF);  // data size past the end
    scaleWavSamples(huge, 0.3f);
    EXPECT_EQ(samplesOf(huge), (std::vector<std::int16_t>{3000, 3000}));

    std::vector<std::uint8_t> shortFile(30, 0x7F);
    scaleWavSamples(shortFile, 1.1f);
    EXPECT_EQ(shortFile, std::vector<std::uint8_t>(30, 0x7F));
}

TEST(WavSoundOutput, LoadsScalesAndPlaysTheFileMissingFilesStaySilent)
{
    const auto folder = std::filesystem::temp_directory_path() / ("zuro-sound-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "Wave" / "Volume");
    const auto wav = wavWithSamples({1000, -1000}, 4);
    std::ofstream(folder / "Wave" / "Volume" / "go.wav", std::ios::binary)
        .write(reinterpret_cast<const char*>(wav.data()), static_cast<std::streamsize>(wav.size()));

    fakes::RecordingSoundPlayer player;
    WavSoundOutput output(settings::InstallFolder(folder.string()), player);
    output.play(kSoundGo, 0.5f);
    output.play(kSoundTrophy, 0.5f);  // not installed
    output.play(7, 0.5f);             // no such sound
    ASSERT_EQ(player.played().size(), 1u);
    EXPECT_EQ(samplesOf(player.played()[0]), (std::vector<std::int16_t>{500, -500}));
    EXPECT_EQ(player.stops(), 3);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace monitor::host

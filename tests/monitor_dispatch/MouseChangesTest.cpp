// The mouse changes profile, CPI level, sensitivity or polling rate by itself:
// the monitor follows, announces, publishes and tells the application.

#include "DispatchFakes.h"

#include <algorithm>

#include "platform/ini/PrivateProfile.h"

namespace monitor::dispatch::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char kOption[] = "to VANTRO Zuro Vell Lumic Noxa Edition Option";

std::string postToOption(int message) { return "post " + std::to_string(message) + " 0 0 " + kOption; }

class MouseChangesTest : public DispatcherTest {};

TEST_F(MouseChangesTest, AProfileSwitchReachesConfigIniAndPosts1255)
{
    profile(0).SoundProfile = 1;
    send(0x2000, 3);
    EXPECT_EQ(monitor.block().CurrentProfile, 2);
    EXPECT_EQ(platform::ini::readInt(folder.path() + "config.ini", "Setting", "CurrentProfile", -1), 2);
    ASSERT_NE(monitor.copiedOut, nullptr);
    EXPECT_EQ(monitor.copiedOut->CurrentProfile, 2);
    EXPECT_THAT(journal, ElementsAre("stop feedback", "timer 601 500", "copy out", "pointer registry",
                                     "apply pointer", postToOption(1255)));
}

TEST_F(MouseChangesTest, TheProfileLeftBehindDecidesTheSound)
{
    profile(2).SoundProfile = 1;  // only the new profile wants it
    send(0x2000, 3);
    profile(2).SoundProfile = 1;
    host.trophyRunning = true;  // gate closed
    send(0x2000, 1);
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "timer 601 500"), 0);
}

TEST_F(MouseChangesTest, ASwitchToTheActiveProfileStillPublishesAndNotifies)
{
    send(0x2000, 1);
    EXPECT_THAT(journal, ElementsAre("copy out", "pointer registry", "apply pointer", postToOption(1255)));
}

TEST_F(MouseChangesTest, ProfileNumbersOutsideOneToFiveAreIgnored)
{
    send(0x2000, 0);
    send(0x2000, 6);
    send(0x2000, value(1, 1));
    EXPECT_THAT(journal, IsEmpty());
    EXPECT_EQ(monitor.block().CurrentProfile, 0);
}

TEST_F(MouseChangesTest, AProfileSwitchReleasesTheLockAndSendsTheCpiLevelsToParley)
{
    monitor.parley = 0x777;
    monitor.takenOver = true;
    monitor.lock = 1;
    send(0x2000, 2);
    EXPECT_EQ(monitor.lock, 0);
    EXPECT_THAT(journal, ElementsAre("copy out", "pointer registry", "apply pointer", postToOption(1255),
                                     "post 49409 0 0 to VANTRO Parley Monitor", "copy data 5"));
    ASSERT_EQ(monitor.sent.size(), 1u);
    const SentCopyData& cpi = monitor.sent[0];
    EXPECT_EQ(cpi.target, 0x777u);
    EXPECT_EQ(cpi.dwData, 0x0797'0005u);
    messages::ParleyPresencePayload payload;
    ASSERT_EQ(cpi.bytes.size(), sizeof payload);
    std::memcpy(&payload, cpi.bytes.data(), sizeof payload);
    EXPECT_EQ(payload.VendorId, 0x1E7D);
    EXPECT_EQ(payload.ProductId, 0x2DC2);
    EXPECT_EQ(payload.MonitorWindow, 0x1234u);
    EXPECT_EQ(payload.Cpi[0], 400);
    EXPECT_EQ(payload.Cpi[4], 2000);
}

TEST_F(MouseChangesTest, ACpiLevelChangeAnnouncesTheNewValueAndNotifies)
{
    profile(0).SoundDpi = 1;
    profile(0).Cpi_X = 0;
    send(0xB000, 4);
    EXPECT_EQ(profile(0).Cpi_X, 3);
    EXPECT_EQ(profile(0).Cpi_Y, 3);
    EXPECT_THAT(journal,
                ElementsAre("resolution 16", "stop feedback", "timer 603 500", "copy out", postToOption(1257)));
}

TEST_F(MouseChangesTest, TheActiveCpiLevelAgainNotifiesButPlaysNothing)
{
    profile(0).SoundDpi = 1;
    profile(0).Cpi_X = 1;
    send(0xB000, 2);
    EXPECT_THAT(journal, ElementsAre("copy out", postToOption(1257)));
}

TEST_F(MouseChangesTest, CpiLevelsOutsideOneToFiveAreIgnored)
{
    send(0xB000, 0);
    send(0xB000, 6);
    EXPECT_THAT(journal, IsEmpty());
}

TEST_F(MouseChangesTest, SensitivityUpAndDownPlayTheirSounds)
{
    profile(0).SoundSens = 1;
    send(0xC000, 8);
    EXPECT_EQ(profile(0).Sensitivity, 8);
    send(0xC000, 3);
    send(0xC000, 3);  // equal: no sound
    EXPECT_THAT(journal, ElementsAre("stop feedback", "timer 605 500", "copy out", postToOption(1257),
                                     "stop feedback", "timer 606 500", "copy out", postToOption(1257), "copy out",
                                     postToOption(1257)));
}

TEST_F(MouseChangesTest, SeparateAxesTakeLForXAndHForY)
{
    profile(0).XYSynchronous = 1;
    send(0xC000, value(9, 11));
    EXPECT_EQ(profile(0).Sensitivity_X, 9);
    EXPECT_EQ(profile(0).Sensitivity_Y, 11);
    EXPECT_EQ(profile(0).Sensitivity, 6);
    send(0xC000, value(0, 2));  // only Y is taken
    EXPECT_EQ(profile(0).Sensitivity_X, 9);
    EXPECT_EQ(profile(0).Sensitivity_Y, 2);
    send(0xC000, value(12, 12));
    EXPECT_EQ(profile(0).Sensitivity_Y, 2);
}

TEST_F(MouseChangesTest, ASensitivityOutsideOneToElevenChangesNothingAndIsNotAnnounced)
{
    profile(0).SoundSens = 1;
    send(0xC000, 0);
    send(0xC000, 12);
    send(0xC000, value(3, 4));  // H is not a sensitivity while the axes go together
    EXPECT_EQ(profile(0).Sensitivity, 3);
    profile(0).XYSynchronous = 1;
    journal.clear();
    send(0xC000, value(0, 2));  // Y changes; an L of 0 is no "lower" value
    EXPECT_THAT(journal, ElementsAre("copy out", postToOption(1257)));
}

TEST_F(MouseChangesTest, PollingRateOneToFourSetsIndexZeroToThree)
{
    send(0xD000, 4);
    EXPECT_EQ(profile(0).PollingRate, 3);
    send(0xD000, 5);
    send(0xD000, 0);
    EXPECT_EQ(profile(0).PollingRate, 3);
    EXPECT_THAT(journal, ElementsAre("copy out", postToOption(1257)));
}

}  // namespace
}  // namespace monitor::dispatch::test

// The mouse sends an event; the dispatcher routes it by type and value, with the
// device button converted to the settings slot, or ignores it.

#include "DispatchFakes.h"

namespace monitor::dispatch::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(EventWordTest, TypeIsHighWordAndValueSplitsIntoLowAndHighByte)
{
    const MouseEvent event = decodeEventWord(0x9000'0105);
    EXPECT_EQ(event.type, 0x9000);
    EXPECT_EQ(event.low(), 5);
    EXPECT_EQ(event.high(), 1);
}

TEST(EventWordTest, DeviceButtonsBecomeSettingsSlotsAndMissingButtonsSlotZero)
{
    EXPECT_EQ(slotNumberOfEventButton(1), 1);    // button 0 -> slot 0
    EXPECT_EQ(slotNumberOfEventButton(6), 8);    // button 5 -> slot 7
    EXPECT_EQ(slotNumberOfEventButton(18), 23);  // button 17 -> slot 22
    EXPECT_EQ(slotNumberOfEventButton(19), 1);   // buttons 18-23 -> slot 0
    EXPECT_EQ(slotNumberOfEventButton(24), 1);
    EXPECT_EQ(slotNumberOfEventButton(0), 0);
    EXPECT_EQ(slotNumberOfEventButton(25), 0);
}

TEST_F(DispatcherTest, ButtonEventsReachTheActionEngineWithTheSlotAndReleaseFlag)
{
    send(0x9000, value(6, 0));
    send(0x9000, value(6, 1));  // a release lets a held shortcut go
    send(0x8000, value(6, 0));
    send(0x6000, value(14, 0));  // button 13 -> slot 16
    EXPECT_THAT(journal, ElementsAre("button 8 pressed", "button 8 released", "button 8 pressed", "launch 17"));
}

TEST_F(DispatcherTest, ButtonEventsOutsideTheirConditionsAreIgnored)
{
    send(0x8000, value(6, 1));   // 0x8000 only with H = 0
    send(0x6000, value(6, 1));
    send(0x9000, value(0, 0));   // L 1-24
    send(0x9000, value(25, 0));
    send(0x6000, value(25, 0));
    send(0xFF00, value(25, 0));
    EXPECT_THAT(journal, IsEmpty());
}

TEST_F(DispatcherTest, WheelTiltScrollsRightForOneAndLeftFor255)
{
    send(0x1000, 1);
    send(0x1000, 255);
    send(0x1000, 2);
    send(0x1000, value(1, 1));
    EXPECT_THAT(journal, ElementsAre("tilt -1", "tilt 1"));
}

TEST_F(DispatcherTest, MediaFunctionsTakeCodes32To39WithTheReleaseFlag)
{
    send(0xF000, value(33, 0));
    send(0xF000, value(39, 1));
    send(0xF000, value(31, 0));
    send(0xF000, value(40, 0));
    EXPECT_THAT(journal, ElementsAre("media 33 pressed", "media 39 released"));
}

TEST_F(DispatcherTest, VolumeKeysAnnounceOnlyWhenEnabledAndTheGateIsOpen)
{
    profile(0).VolumeUpDown = 1;
    send(0x1B00, value(1, 0));
    send(0x1B00, value(255, 0));
    send(0x1B00, value(1, 1));  // H must be 0
    send(0x1B00, value(2, 0));
    host.finalPhase = true;
    send(0x1B00, value(1, 0));
    host.finalPhase = false;
    profile(0).VolumeUpDown = 0;
    send(0x1B00, value(1, 0));
    EXPECT_THAT(journal, ElementsAre("stop feedback", "timer 607 500", "stop feedback", "timer 608 500"));
}

TEST_F(DispatcherTest, DeviceRequestsBecomeWorkerJobs)
{
    send(0xFD00, 1);
    send(0xFD00, 2);
    send(0xFE00, 1);
    send(0xFE00, 110);
    send(0xFE00, 111);
    send(0xFE00, 0);
    EXPECT_THAT(journal, ElementsAre("worker job 5 0", "worker job 6 1", "worker job 6 110"));
}

TEST_F(DispatcherTest, CalibrationEventsGoToTheDialogAndTheConfigurationOpensOnValueOne)
{
    send(0x3000, 0x0203);
    send(0xA000, 1);
    send(0xA000, 2);
    EXPECT_THAT(journal, ElementsAre("post 1261 0 515 to Zuro Vell PadtuneCalibrateDlg", "open configuration"));
}

TEST_F(DispatcherTest, OnScreenRequestsThreeToEightGoToTheDisplayAlone)
{
    send(0xE000, 3);
    send(0xE000, 8);
    send(0xE000, 2);
    send(0xE000, 9);
    // The display posts 1324 itself; the dispatcher never does.
    EXPECT_THAT(journal, ElementsAre("show macro name 3", "show macro name 8"));
}

TEST_F(DispatcherTest, UnknownTypesAndTheDeviceMessageDoNothing)
{
    send(0x1A00, 1);
    send(0x7F00, 1);
    send(0xE800, 5);  // reserved counters, never forwarded
    send(0x4000, 1);
    EXPECT_THAT(journal, IsEmpty());
}

TEST_F(DispatcherTest, TimersWebScrollAndShutdownGoToTheHost)
{
    dispatcher.onTimer(603);
    dispatcher.onWebScroll(3, 1);
    dispatcher.onShutdown();
    EXPECT_THAT(journal, ElementsAre("host timer 603", "web scroll 3 left", "host shutdown"));
}

}  // namespace
}  // namespace monitor::dispatch::test

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "monitor/protocol/ButtonTableReport.h"
#include "monitor/protocol/MacroReport.h"
#include "monitor/protocol/ReadWholeDevice.h"
#include "monitor/protocol/ReportCodec.h"
#include "platform/ini/PrivateProfile.h"
#include "settings/FixedText.h"
#include "tests/monitor/ProtocolConversation.h"
#include "tests/monitor/ProtocolFolder.h"

namespace monitor::protocol::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// The answers of a mouse whose profiles each hold the macros listed for them.
class ReadWholeDeviceTest : public ProtocolTest {
protected:
    ProtocolFolder install;
    std::unique_ptr<settings::SettingsBlock> device = std::make_unique<settings::SettingsBlock>();

    ReadWholeDeviceTest()
    {
        settings::createDefaultBlock(*device, 1);
        for (settings::ProfileRecord& profile : device->Profiles)
            profile.Sensitivity = 9;
        device->Profiles[0].MacroKeyInfo[2].FunctionCode = 48;   // button 2
        device->Profiles[3].MacroKeyInfo[20].FunctionCode = 48;  // button 15
        device->Profiles[3].MacroKeyInfo[21].FunctionCode = 48;  // button 16
        settings::setFieldText(device->Profiles[3].MacroKeyInfo[20].MacroName, "Combo");
    }

    void answerFirstSteps(int badTablesOfProfileTwo = 0)
    {
        mouse.answer("09 06 6c 6c 00 00");
        mouse.answer("05 03 03");
        for (std::uint8_t p = 0; p < 5; ++p) {
            const auto settings = encodeProfileSettings(p, device->Profiles[p]);
            mouse.answer(Bytes(settings.begin(), settings.end()));
        }
        for (std::uint8_t p = 0; p < 5; ++p) {
            const auto table = encodeButtonTable(p, device->Profiles[p]);
            for (int bad = 0; p == 2 && bad < badTablesOfProfileTwo; ++bad) {
                Bytes corrupt(table.begin(), table.end());
                corrupt.back() ^= 0x5A;
                mouse.answer(corrupt);
            }
            mouse.answer(Bytes(table.begin(), table.end()));
        }
    }

    void answerMacro(int profile, int slot, int button)
    {
        const auto macro = encodeMacro(static_cast<std::uint8_t>(profile), static_cast<std::uint8_t>(button),
                                       device->Profiles[profile].MacroKeyInfo[slot]);
        mouse.answer(Bytes(macro->begin(), macro->end()));
    }

    std::vector<std::string> expectedFirstSteps() const
    {
        std::vector<std::string> lines = {"get 09 -> 09 06 6c 6c 00 00", "pause 100", "get 05 -> 05 03 03",
                                          "pause 100"};
        for (int p = 0; p < 5; ++p) {
            lines.insert(lines.end(), {"send 04 0" + std::to_string(p) + " 80", "pause 100", kReady,
                                       "get 06 -> 06 1f 0" + std::to_string(p) + " 00 09 ..(31)", "pause 100"});
        }
        return lines;
    }

    void flagEverything()
    {
        for (std::int32_t& flag : block->ButtonChangedFlags)
            flag = 1;
        block->ProfileChangedFlags[4] = 1;
        block->ActiveProfileChangedFlag = 1;
        block->DeviceFlagsChangedFlag = 1;
    }

    bool noFlagSet() const
    {
        for (std::int32_t flag : block->ButtonChangedFlags) {
            if (flag != 0)
                return false;
        }
        for (std::int32_t flag : block->ProfileChangedFlags) {
            if (flag != 0)
                return false;
        }
        return block->ActiveProfileChangedFlag == 0 && block->DeviceFlagsChangedFlag == 0;
    }

    std::vector<std::string> macroReads() const
    {
        std::vector<std::string> reads;
        for (const Bytes& write : mouse.writesOf(4)) {
            if (write[2] < 0x80)
                reads.push_back(hex(write));
        }
        return reads;
    }
};

TEST_F(ReadWholeDeviceTest, ReadsEverythingInOrderThenClearsTheFlags)
{
    answerFirstSteps();
    answerMacro(0, 2, 2);
    answerMacro(3, 20, 15);
    answerMacro(3, 21, 16);
    mouse.answer("0f 06 02 01 00 00");
    flagEverything();

    EXPECT_TRUE(readWholeDevice(link, *block, install.folder()));

    std::vector<std::string> expected = expectedFirstSteps();
    for (int p = 0; p < 5; ++p) {
        expected.insert(expected.end(), {"send 04 0" + std::to_string(p) + " 90", "pause 100", kReady,
                                         "get 07 -> 07 3b 0" + std::to_string(p) + " 01 00 ..(59)", "pause 100"});
    }
    for (const char* macro : {"00 02", "03 0f", "03 10"}) {
        expected.insert(expected.end(), {std::string("send 04 ") + macro, "pause 100", kReady,
                                         std::string("get 08 -> 08 22 08 ") + macro + " ..(2082)", "pause 100"});
    }
    expected.push_back("get 0f -> 0f 06 02 01 00 00");
    EXPECT_THAT(conversation.lines(), ElementsAreArray(expected));

    EXPECT_EQ(block->CurrentProfile, 3);
    EXPECT_EQ(block->Profiles[4].Sensitivity, 9);
    EXPECT_EQ(settings::fieldText(block->Profiles[3].MacroKeyInfo[20].MacroName), "Combo");
    EXPECT_EQ(block->DisControl, 2);
    EXPECT_TRUE(noFlagSet());
    EXPECT_EQ(platform::ini::readInt(install.folder().configIni(), "Setting", "FWVersion", -1), 108);
}

TEST_F(ReadWholeDeviceTest, AMacroIsTriedThreeTimesThenTheMacroStepEnds)
{
    answerFirstSteps();
    mouse.failNextRead(8);
    answerMacro(0, 2, 2);  // second attempt succeeds
    mouse.failNextRead(8);
    mouse.failNextRead(8);
    mouse.failNextRead(8);  // profile 3, button 15: three failures
    mouse.answer("0f 06 00 00 00 00");

    EXPECT_TRUE(readWholeDevice(link, *block, install.folder()));
    EXPECT_THAT(macroReads(), ElementsAre("04 00 02", "04 00 02", "04 03 0f", "04 03 0f", "04 03 0f"))
        << "button 16 of profile 3 is not tried";
    const auto lines = conversation.lines();
    EXPECT_THAT(std::vector<std::string>(lines.end() - 3, lines.end()),
                ElementsAre("get 08 failed", "pause 100", "get 0f -> 0f 06 00 00 00 00"));
}

TEST_F(ReadWholeDeviceTest, ARefusedButtonTableIsAskedForUpToThreeTimes)
{
    device->Profiles[2].MacroKeyInfo[9].FunctionCode = 20;
    answerFirstSteps(2);  // profile 2's table arrives whole the third time
    answerMacro(0, 2, 2);
    answerMacro(3, 20, 15);
    answerMacro(3, 21, 16);
    mouse.answer("0f 06 00 00 00 00");
    block->Profiles[2].MacroKeyInfo[9].FunctionCode = 7;
    EXPECT_TRUE(readWholeDevice(link, *block, install.folder()));
    int tableSelects = 0;
    for (const Bytes& write : mouse.writesOf(4))
        tableSelects += write[1] == 2 && write[2] == 0x90;
    EXPECT_EQ(tableSelects, 3);
    EXPECT_EQ(block->Profiles[2].MacroKeyInfo[9].FunctionCode, 20);
}

TEST_F(ReadWholeDeviceTest, AbortDuringTheFirstStepsReturnsAtOnce)
{
    answerFirstSteps();
    flagEverything();
    // Set in the handshake before the settings read of profile 1 (the fifth
    // step); the pause after that read sees it.
    abortAfterSleeps(5);
    EXPECT_FALSE(readWholeDevice(link, *block, install.folder()));
    EXPECT_EQ(conversation.lines().back(), "get 06 -> 06 1f 01 00 09 ..(31)");
    EXPECT_EQ(block->ActiveProfileChangedFlag, 1) << "returned before the flags are cleared";
}

TEST_F(ReadWholeDeviceTest, AbortDuringTheMacrosGoesOnWithTheTrackingRead)
{
    answerFirstSteps();
    answerMacro(0, 2, 2);
    mouse.failNextRead(15);  // the mouse is gone
    flagEverything();
    pauser.afterSleep = [this](int) {
        if (!mouse.writesOf(4).empty() && mouse.writesOf(4).back()[2] == 2)
            abort = true;
    };
    EXPECT_FALSE(readWholeDevice(link, *block, install.folder()));
    EXPECT_THAT(macroReads(), ElementsAre("04 00 02"));
    EXPECT_EQ(conversation.lines().back(), "get 0f failed");
    EXPECT_TRUE(noFlagSet());
}

TEST_F(ReadWholeDeviceTest, AFailedTrackingReadSavesNothingButClearsTheFlags)
{
    answerFirstSteps();
    answerMacro(0, 2, 2);
    answerMacro(3, 20, 15);
    answerMacro(3, 21, 16);
    mouse.failNextRead(15);
    flagEverything();
    block->DisControl = 1;
    EXPECT_FALSE(readWholeDevice(link, *block, install.folder()));
    EXPECT_TRUE(noFlagSet());
    EXPECT_EQ(block->DisControl, 1);
}

}  // namespace
}  // namespace monitor::protocol::test

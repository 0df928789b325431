// Registered message names: one name, one number, for every process of the user.

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/windows/MessageWindow.h"
#include "platform/windows/RegisteredMessages.h"
#include "platform/windows/WindowFiles.h"
#include "tests/platform/windows/WindowTestSupport.h"

namespace {

using namespace platform;
using windows::registerMessageName;

class RegisteredMessages : public windowtest::WindowTest {
protected:
    std::string tablePath() const { return windows::windowsFolder() + "messages"; }

    std::string tableText() const
    {
        std::ifstream in(tablePath(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    void writeTable(const std::string& text) const
    {
        std::ofstream(tablePath(), std::ios::binary | std::ios::trunc) << text;
    }
};

TEST_F(RegisteredMessages, OneNameKeepsOneNumberAndNamesDoNotShare)
{
    const MessageId parley = registerWindowMessage("WM_PARLEY_MSG");
    const MessageId light = registerWindowMessage("WM_PARLEY_AMBIENT_EVENT_LIGHT_FROM_PARLEY");
    EXPECT_GE(parley, kFirstRegisteredMessage);
    EXPECT_LE(parley, kLastRegisteredMessage);
    EXPECT_GE(light, kFirstRegisteredMessage);
    EXPECT_LE(light, kLastRegisteredMessage);
    EXPECT_NE(parley, light);
    EXPECT_EQ(registerWindowMessage("WM_PARLEY_MSG"), parley);
    EXPECT_EQ(registerWindowMessage("wm_parley_msg"), parley);  // case does not count, as in Win32
    EXPECT_EQ(tableText(), "WM_PARLEY_MSG\nWM_PARLEY_AMBIENT_EVENT_LIGHT_FROM_PARLEY\n");
}

TEST_F(RegisteredMessages, NamesThatCannotBeStoredGetZero)
{
    EXPECT_EQ(registerWindowMessage(""), 0u);
    EXPECT_EQ(registerWindowMessage("TWO\nLINES"), 0u);
    EXPECT_EQ(registerWindowMessage("CARRIAGE\rRETURN"), 0u);
    EXPECT_EQ(registerWindowMessage(std::string("NUL\0INSIDE", 10)), 0u);
    EXPECT_EQ(registerWindowMessage(std::string(256, 'N')), 0u);
    EXPECT_NE(registerWindowMessage(std::string(255, 'N')), 0u);
}

TEST_F(RegisteredMessages, NumbersFollowTheFileSoOtherProcessesAgree)
{
    // Names another process registered before this one started.
    writeTable("WM_OTHER_A\nWM_OTHER_B\n");
    EXPECT_EQ(registerWindowMessage("WM_OTHER_B"), kFirstRegisteredMessage + 1);
    EXPECT_EQ(registerWindowMessage("WM_MINE"), kFirstRegisteredMessage + 2);
    EXPECT_EQ(registerWindowMessage("wm_other_a"), kFirstRegisteredMessage);
}

TEST_F(RegisteredMessages, LineCutShortByADeadWriterIsDroppedBeforeTheNextName)
{
    ASSERT_EQ(registerMessageName(tablePath(), "WM_FIRST"), kFirstRegisteredMessage);
    std::ofstream(tablePath(), std::ios::app) << "WM_HALF";  // a writer died here
    EXPECT_EQ(registerMessageName(tablePath(), "WM_SECOND"), kFirstRegisteredMessage + 1);
    EXPECT_EQ(tableText(), "WM_FIRST\nWM_SECOND\n");
    // The cut name was never handed out; it gets a number of its own now.
    EXPECT_EQ(registerMessageName(tablePath(), "WM_HALF"), kFirstRegisteredMessage + 2);
}

TEST_F(RegisteredMessages, LinesThatAreNoNamesStillHoldTheirNumbers)
{
    writeTable("WM_A\n" + std::string(400, 'x') + "\n\n" + std::string("\0\xFF", 2) + "\nWM_B\n");
    EXPECT_EQ(registerMessageName(tablePath(), "WM_B"), kFirstRegisteredMessage + 4);
    EXPECT_EQ(registerMessageName(tablePath(), "WM_C"), kFirstRegisteredMessage + 5);
    EXPECT_EQ(registerMessageName(tablePath(), "WM_A"), kFirstRegisteredMessage);
}

TEST_F(RegisteredMessages, FullTableKeepsItsNamesAndRefusesNewOnes)
{
    ASSERT_EQ(registerMessageName(tablePath(), "WM_ONE", 3), kFirstRegisteredMessage);
    ASSERT_EQ(registerMessageName(tablePath(), "WM_TWO", 3), kFirstRegisteredMessage + 1);
    ASSERT_EQ(registerMessageName(tablePath(), "WM_THREE", 3), kFirstRegisteredMessage + 2);
    EXPECT_EQ(registerMessageName(tablePath(), "WM_FOUR", 3), 0u);
    EXPECT_EQ(registerMessageName(tablePath(), "WM_TWO", 3), kFirstRegisteredMessage + 1);
    EXPECT_EQ(tableText(), "WM_ONE\nWM_TWO\nWM_THREE\n");
}

TEST_F(RegisteredMessages, TableLongerThanTheRangeHandsOutNothingBeyondIt)
{
    std::string text;
    for (std::size_t i = 0; i < windows::kRegisteredMessageCapacity + 5; ++i) text += "N" + std::to_string(i) + "\n";
    writeTable(text);
    EXPECT_EQ(registerMessageName(tablePath(), "N16383"), kLastRegisteredMessage);
    EXPECT_EQ(registerMessageName(tablePath(), "N16384"), 0u);
    EXPECT_EQ(registerMessageName(tablePath(), "WM_NEW"), 0u);
}

TEST_F(RegisteredMessages, NoNumberWithoutAUsableRuntimeFolder)
{
    // A folder open to others is refused by the runtime directory.
    ASSERT_EQ(mkdir((runtimeFolder() + "/zuronoxa").c_str(), 0700), 0);
    ASSERT_EQ(chmod((runtimeFolder() + "/zuronoxa").c_str(), 0755), 0);
    EXPECT_EQ(registerWindowMessage("WM_NOWHERE"), 0u);
}

}  // namespace

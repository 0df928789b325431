#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "monitor/protocol/MacroOnRequest.h"
#include "tests/monitor/ProtocolConversation.h"

namespace monitor::protocol::test {
namespace {

using ::testing::ElementsAre;

TEST(MacroRequestTargetTest, NumbersOneToEightyNameTheFiveProfilesButtonsTwoToSeventeen)
{
    const struct {
        int number, profile, slot;
    } cases[] = {
        {1, 0, 2},    // button 2
        {4, 0, 7},    // button 5
        {16, 0, 22},  // button 17
        {17, 1, 2},
        {36, 2, 7},   // button 5
        {80, 4, 22},
    };
    for (const auto& c : cases) {
        const auto target = macroRequestTarget(c.number);
        ASSERT_TRUE(target.has_value()) << c.number;
        EXPECT_EQ(target->profile, c.profile) << c.number;
        EXPECT_EQ(target->slot, c.slot) << c.number;
    }
}

TEST(MacroRequestTargetTest, NumbersOutsideOneToEightyNameNothing)
{
    for (int number : {0, -1, 81, 96, 110, 111})
        EXPECT_FALSE(macroRequestTarget(number).has_value()) << number;
}

class MacroOnRequestTest : public ProtocolTest {};

TEST_F(MacroOnRequestTest, WritesTheRequestedMacro)
{
    block->Profiles[1].MacroKeyInfo[9].MacroEventCount = 0;
    // 22: profile 1, button (21 % 16) + 2 = 7, which is slot 9.
    EXPECT_TRUE(sendRequestedMacro(link, *block, 22));
    EXPECT_THAT(conversation.lines(), ElementsAre("send 08 22 08 01 07 ..(2082)", "pause 500", kReady));
}

TEST_F(MacroOnRequestTest, RequestsForProfilesFiveAndSixAreIgnored)
{
    for (int number : {81, 100, 110})
        EXPECT_FALSE(sendRequestedMacro(link, *block, number));
    EXPECT_TRUE(conversation.lines().empty());
}

}  // namespace
}  // namespace monitor::protocol::test

#include "hidbridge/EventReport.h"
#include "hidbridge/SuspendState.h"

#include <gtest/gtest.h>

namespace hidbridge {
namespace {

TEST(EventReport, ForwardsExactlyTheMouseCodes)
{
    int forwarded = 0;
    for (int code = 0; code < 256; ++code) forwarded += isForwardedEventCode(std::uint8_t(code));
    EXPECT_EQ(forwarded, 28);
    for (std::uint8_t code : {0x10, 0x1A, 0x1B, 0x20, 0x90, 0xE7, 0xEA, 0xFD, 0xFF})
        EXPECT_TRUE(isForwardedEventCode(code)) << int(code);
    for (std::uint8_t code : {0x00, 0x11, 0xE8, 0xE9, 0xEB, 0xEC, 0xF1, 0xFC})
        EXPECT_FALSE(isForwardedEventCode(code)) << int(code);
}

TEST(EventReport, DecodesCodeAndLittleEndianValue)
{
    const std::uint8_t report[] = {3, 0, 0xF0, 0x20, 0x01};
    const auto message = decodeEventReport(report, sizeof report);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->wParam, 0xF000u);
    EXPECT_EQ(message->lParam, 0x0120u);
}

TEST(EventReport, DropsWhatIsNotAnEvent)
{
    const std::uint8_t byteOneSet[] = {3, 1, 0x90, 1, 0};
    const std::uint8_t otherReport[] = {4, 0, 0x90, 1, 0};
    const std::uint8_t shortReport[] = {3, 0, 0x90, 1};
    EXPECT_FALSE(decodeEventReport(byteOneSet, sizeof byteOneSet));
    EXPECT_FALSE(decodeEventReport(otherReport, sizeof otherReport));
    EXPECT_FALSE(decodeEventReport(shortReport, sizeof shortReport));
    EXPECT_FALSE(decodeEventReport(nullptr, 5));
}

TEST(SuspendState, ReopensOncePerSuspendAndNotWhileReopening)
{
    SuspendState state;
    EXPECT_EQ(state.resume(), SuspendState::Action::None);  // a wake without a sleep
    state.suspend();
    EXPECT_FALSE(state.mayRead());
    EXPECT_FALSE(state.acceptsArrivals());
    EXPECT_EQ(state.resume(), SuspendState::Action::Reopen);
    EXPECT_TRUE(state.mayRead());
    EXPECT_TRUE(state.reopening());
    state.suspend();
    EXPECT_EQ(state.resume(), SuspendState::Action::None);  // still reopening
    EXPECT_TRUE(state.mayRead());                           // but reading again
    state.reopenFinished();
    EXPECT_EQ(state.resume(), SuspendState::Action::None);  // nothing left to resume
}

}  // namespace
}  // namespace hidbridge

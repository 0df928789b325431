#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/keyboard/KeyboardLayout.h"

namespace platform {
namespace {

// The virtual X server of the test run has the US layout.
TEST(KeyboardLayoutOnDisplay, LettersDigitsAndPunctuationOfTheServersLayout)
{
    if (std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "no X display";
    const auto layout = openKeyboardLayout();
    EXPECT_EQ(layout->keyText(4), "A");
    EXPECT_EQ(layout->keyText(29), "Z");
    EXPECT_EQ(layout->keyText(30), "1");
    EXPECT_EQ(layout->keyText(54), ",");
    EXPECT_EQ(layout->keyText(40), "") << "Enter types no text";
    EXPECT_EQ(layout->keyText(58), "");
}

}  // namespace
}  // namespace platform

#include "option/skin/logic/NumberSpinEditing.h"
#include "option/skin/logic/NumericFilter.h"

#include <gtest/gtest.h>

using namespace option::skin;

namespace {

const SpinRange kSensitivity{-5, 5, 1};
const SpinRange kCpi{100, 5000, 100};

// Types `text` one character at a time into a spin, as its box reports each
// change, and returns the last edit.
SpinEdit typeInto(const SpinRange& range, std::string_view text)
{
    SpinEdit edit;
    std::string shown;
    for (const char c : text) {
        shown = edit.text + c;
        edit = editNumberSpin(shown, false, range);
    }
    return edit;
}

}  // namespace

TEST(NumericEdit, PastedTextKeepsDigitsAndSignsOnlyWhenSigned)
{
    EXPECT_EQ(filterNumericText("12a-3", false), "123");
    EXPECT_EQ(filterNumericText("12a-3", true), "12-3");
    EXPECT_EQ(filterNumericText("+7 x", true), "+7");
    EXPECT_EQ(filterNumericText("abc", false), "");
}

TEST(NumericEdit, OnlyEditingKeysReachANumericBox)
{
    EXPECT_FALSE(keyReachesEdit(EditKey::Other, true));
    EXPECT_TRUE(keyReachesEdit(EditKey::Other, false));
    for (EditKey key : {EditKey::Digit, EditKey::KeypadDigit, EditKey::Enter, EditKey::Left, EditKey::Right,
                        EditKey::Home, EditKey::End, EditKey::Backspace, EditKey::Delete, EditKey::Minus,
                        EditKey::Plus})
        EXPECT_TRUE(keyReachesEdit(key, true));
}

TEST(NumberSpin, TypingAboveTheMaximumShowsTheMaximum)
{
    const SpinEdit typed = typeInto(kCpi, "7000");
    EXPECT_EQ(typed.text, "5000");
    EXPECT_EQ(typed.value, 5000);
    EXPECT_TRUE(typed.notifyOwner);
    const SpinEdit entered = editNumberSpin(typed.text, true, kCpi);
    EXPECT_EQ(entered.text, "5000");
    EXPECT_EQ(entered.value, 5000);
}

TEST(NumberSpin, ValuesBelowTheMinimumWhileTyping)
{
    const SpinEdit zero = editNumberSpin("0", false, kCpi);
    EXPECT_EQ(zero.text, "100");
    EXPECT_EQ(zero.value, 100);
    EXPECT_TRUE(zero.caretToEnd);
    EXPECT_TRUE(zero.notifyOwner);

    const SpinEdit partial = editNumberSpin("2", false, kCpi);  // on its way to 200
    EXPECT_EQ(partial.text, "2");
    EXPECT_FALSE(partial.notifyOwner);
    EXPECT_TRUE(typeInto(kCpi, "200").notifyOwner);

    const SpinEdit enter = editNumberSpin("2", true, kCpi);
    EXPECT_EQ(enter.text, "100");
    EXPECT_EQ(enter.value, 100);
    EXPECT_TRUE(enter.notifyOwner);
    EXPECT_EQ(editNumberSpin("", true, kCpi).text, "100");
}

TEST(NumberSpin, SignsAndLeadingZeros)
{
    const SpinEdit sign = editNumberSpin("-", false, kSensitivity);
    EXPECT_EQ(sign.text, "-");  // a lone sign waits for its digits
    const SpinEdit minusFive = typeInto(kSensitivity, "-5");
    EXPECT_EQ(minusFive.text, "-5");
    EXPECT_EQ(minusFive.value, -5);
    EXPECT_TRUE(minusFive.notifyOwner);
    EXPECT_EQ(editNumberSpin("-9", true, kSensitivity).text, "-5");
    EXPECT_EQ(editNumberSpin("+3", false, kSensitivity).text, "3");

    const SpinEdit zeros = editNumberSpin("0042", false, kCpi);
    EXPECT_EQ(zeros.text, "42");
    EXPECT_EQ(editNumberSpin("99999999999999", false, kCpi).value, 5000);
    EXPECT_EQ(editNumberSpin("-99999999999999", true, kSensitivity).value, -5);
}

TEST(NumberSpin, ButtonsStepWithinTheRange)
{
    EXPECT_EQ(stepNumberSpin(4900, +1, kCpi), 5000);
    EXPECT_EQ(stepNumberSpin(5000, +1, kCpi), 5000);
    EXPECT_EQ(stepNumberSpin(150, -1, kCpi), 100);
    EXPECT_EQ(stepNumberSpin(2, -1, kCpi), std::nullopt);  // still below the minimum while typing
    EXPECT_EQ(stepNumberSpin(2, +1, kCpi), 102);
    EXPECT_EQ(numberSpinTextLength(kCpi), 4);
    EXPECT_EQ(numberSpinTextLength(kSensitivity), 2);
}

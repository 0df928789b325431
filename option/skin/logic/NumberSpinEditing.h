#pragma once
// The editing rule of a number spin (a numeric edit box with up and down
// buttons): what its text becomes after each change or Enter, which value it
// stores, and whether that value goes to its owner.

#include <optional>
#include <string>
#include <string_view>

namespace option::skin {

struct SpinRange {
    int minimum = 0;
    int maximum = 10;
    int step = 1;
};

struct SpinEdit {
    std::string text;          // what the box shows afterwards
    bool caretToEnd = false;   // the text was replaced: caret after its last character
    int value = 0;             // the value the spin stores
    bool notifyOwner = false;  // the value is not below the minimum: the owner hears of it
};

// One change of the box's text (`enter` false) or Enter (`enter` true):
// leading zeros and anything before the first sign or digit 1-9 are ignored,
// the number read is capped at the maximum; Enter clamps it into the range and
// shows its decimal form. While typing, a 0 below the minimum becomes the
// minimum and the text is replaced by the value's decimal form, except when the
// text is empty or a lone sign (so that a negative number can be typed).
SpinEdit editNumberSpin(std::string_view text, bool enter, const SpinRange& range);

// The value the up (direction +1) or down (-1) button shows next: one step,
// clamped into the range; nothing when the value already is above the maximum
// (up) or below the minimum (down).
std::optional<int> stepNumberSpin(int value, int direction, const SpinRange& range);

// The longest text the box accepts: the digits of the maximum, plus one for a
// sign when the minimum is negative.
int numberSpinTextLength(const SpinRange& range);

// Signed mode (a sign may be typed) when the minimum is negative.
inline bool numberSpinSigned(const SpinRange& range) { return range.minimum < 0; }

}  // namespace option::skin

#pragma once
// The filters of a numeric edit box: which key presses reach it, and what is
// left of a text (typed or pasted) once everything but digits, and signs in
// signed mode, is removed.

#include <string>
#include <string_view>

namespace option::skin {

// The keys a numeric box tells apart; every other key is Other.
enum class EditKey {
    Digit,        // '0'-'9' on the main keys
    KeypadDigit,  // '0'-'9' on the numeric keypad
    Enter,
    Left,
    Right,
    Home,
    End,
    Backspace,
    Delete,
    Minus,
    Plus,
    Other,
};

// In numeric mode only digits, Enter, the caret keys, Backspace, Delete, minus
// and plus reach the box; outside numeric mode every key does.
bool keyReachesEdit(EditKey key, bool numericMode);

// The characters of "0123456789-+" (signed) or "0123456789" (unsigned) that
// `text` holds, in their order.
std::string filterNumericText(std::string_view text, bool signedMode);

}  // namespace option::skin

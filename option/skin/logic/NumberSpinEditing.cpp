#include "option/skin/logic/NumberSpinEditing.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace option::skin {
namespace {

bool isSign(char c) { return c == '-' || c == '+'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// An optional sign, then digits up to the first other character, as atoi reads
// them; saturates instead of overflowing.
std::int64_t leadingInteger(std::string_view text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && isSign(text[i])) negative = text[i++] == '-';
    std::int64_t magnitude = 0;
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    for (; i < text.size() && isDigit(text[i]); ++i)
        magnitude = std::min(limit, magnitude * 10 + (text[i] - '0'));
    return negative ? -magnitude : magnitude;
}

// The number the text stands for: everything before the first sign or digit
// 1-9 is dropped, so leading zeros vanish.
std::int64_t readValue(std::string_view text)
{
    const auto first = std::find_if(text.begin(), text.end(),
                                    [](char c) { return isSign(c) || (c >= '1' && c <= '9'); });
    return leadingInteger(text.substr(static_cast<std::size_t>(first - text.begin())));
}

std::string digitsAndOneSign(std::string_view text)
{
    std::string kept;
    bool signKept = false;
    for (const char c : text) {
        if (isDigit(c)) {
            kept += c;
        } else if (isSign(c) && !signKept) {
            kept += c;
            signKept = true;
        }
    }
    return kept;
}

bool isLoneSign(std::string_view text) { return text.size() == 1 && isSign(text[0]); }

}  // namespace

SpinEdit editNumberSpin(std::string_view text, bool enter, const SpinRange& range)
{
    const int maximum = std::max(range.minimum, range.maximum);
    const std::int64_t read = std::max<std::int64_t>(readValue(text), std::numeric_limits<int>::min());
    SpinEdit edit;
    edit.value = static_cast<int>(std::min<std::int64_t>(read, maximum));
    edit.text = digitsAndOneSign(text);

    if (enter) {
        edit.value = std::clamp(edit.value, range.minimum, maximum);
        const std::string shown = std::to_string(edit.value);
        if (edit.text != shown) {
            edit.text = shown;
            edit.caretToEnd = true;
        }
    } else if (!text.empty()) {
        if (edit.value == 0 && range.minimum > 0) edit.value = range.minimum;
        const std::string shown = std::to_string(edit.value);
        if (!isLoneSign(edit.text) && edit.text != shown) {
            edit.text = shown;
            edit.caretToEnd = true;
        }
    }
    edit.notifyOwner = edit.value >= range.minimum;
    return edit;
}

std::optional<int> stepNumberSpin(int value, int direction, const SpinRange& range)
{
    const int maximum = std::max(range.minimum, range.maximum);
    if (direction > 0 && value > maximum) return std::nullopt;
    if (direction < 0 && value < range.minimum) return std::nullopt;
    const std::int64_t next = std::int64_t{value} + (direction > 0 ? 1 : -1) * std::int64_t{range.step};
    return static_cast<int>(std::clamp<std::int64_t>(next, range.minimum, maximum));
}

int numberSpinTextLength(const SpinRange& range)
{
    std::int64_t magnitude = std::max(range.minimum, range.maximum);
    if (magnitude < 0) magnitude = -magnitude;
    int digits = 1;
    while (magnitude >= 10) {
        magnitude /= 10;
        ++digits;
    }
    return digits + (range.minimum < 0 ? 1 : 0);
}

}  // namespace option::skin

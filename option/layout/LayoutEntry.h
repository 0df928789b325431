#pragma once
// A control's place on a page, parsed from its layout string
// "name,x,y,width,height,status text" (the string ends with a comma when the
// status text is empty). Pages and the artwork generator read the same strings.

#include <optional>
#include <string>
#include <string_view>

namespace option::layout {

inline constexpr std::size_t kMaxNameLength = 39;
inline constexpr std::size_t kMaxStatusTextLength = 403;

struct LayoutEntry {
    std::string name;        // identifies the control in its page; never drawn
    int left = 0;
    int top = 0;
    int right = 0;           // left + width
    int bottom = 0;          // top + height
    std::string statusText;  // the text after the last comma, trimmed

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    // A control with no area exists but is never shown.
    bool visible() const { return width() > 0 && height() > 0; }
};

// Parses one layout string. The four numbers follow the first comma as
// "%d,%d,%d,%d" (blanks before a number are allowed); the status text is what
// follows the last comma, so it cannot contain a comma. nullopt when the string
// has no four numbers or a negative size.
std::optional<LayoutEntry> parseLayoutEntry(std::string_view text);

}  // namespace option::layout

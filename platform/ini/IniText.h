#pragma once
// Byte-level helpers shared by the INI parser and the value codecs. Only space
// and tab count as blanks; case folding is ASCII only, other bytes are kept.

#include <string>
#include <string_view>

namespace platform::ini {

inline bool isBlank(char c) { return c == ' ' || c == '\t'; }

inline std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

inline std::string toLowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

// CR, LF and NUL would split or cut a line: they become blanks.
inline std::string withoutLineBreaks(std::string_view text)
{
    std::string clean(text);
    for (char& c : clean) {
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    }
    return clean;
}

}  // namespace platform::ini

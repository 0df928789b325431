#include "option/layout/LayoutEntry.h"

#include <cctype>
#include <charconv>

namespace option::layout {
namespace {

bool isBlank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// Reads one decimal integer as "%d" does: blanks first, then an optional sign.
bool readInt(std::string_view& rest, int& value)
{
    std::size_t i = 0;
    while (i < rest.size() && isBlank(rest[i]))
        ++i;
    if (i < rest.size() && rest[i] == '+')
        ++i;
    const char* first = rest.data() + i;
    const auto [end, error] = std::from_chars(first, rest.data() + rest.size(), value);
    if (error != std::errc{})
        return false;
    rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
    return true;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<LayoutEntry> parseLayoutEntry(std::string_view text)
{
    const std::size_t firstComma = text.find(',');
    const std::size_t lastComma = text.rfind(',');
    if (firstComma == std::string_view::npos)
        return std::nullopt;

    LayoutEntry entry;
    entry.name = std::string(text.substr(0, std::min(firstComma, kMaxNameLength)));

    std::string_view rest = text.substr(firstComma + 1);
    int numbers[4] = {};
    for (int n = 0; n < 4; ++n) {
        if (n > 0) {
            if (rest.empty() || rest.front() != ',')
                return std::nullopt;
            rest.remove_prefix(1);
        }
        if (!readInt(rest, numbers[n]))
            return std::nullopt;
    }
    if (numbers[2] < 0 || numbers[3] < 0)
        return std::nullopt;
    entry.left = numbers[0];
    entry.top = numbers[1];
    entry.right = numbers[0] + numbers[2];
    entry.bottom = numbers[1] + numbers[3];

    const std::string_view status = trimmed(text.substr(lastComma + 1));
    entry.statusText = std::string(status.substr(0, std::min(status.size(), kMaxStatusTextLength)));
    return entry;
}

}  // namespace option::layout

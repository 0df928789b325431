#pragma once
// Text in the records' fixed fields: NUL-terminated and zero-padded to the width.

#include <cstddef>
#include <cstring>
#include <string_view>

namespace settings {

// The text up to the first NUL, never past the field even when no NUL is in it.
template <std::size_t N>
std::string_view fieldText(const char (&field)[N])
{
    std::size_t length = 0;
    while (length < N && field[length] != '\0')
        ++length;
    return std::string_view(field, length);
}

// Stores `text` cut to the width minus one and zeroes the rest of the field.
template <std::size_t N>
void setFieldText(char (&field)[N], std::string_view text)
{
    static_assert(N > 0);
    const std::size_t length = text.size() < N - 1 ? text.size() : N - 1;
    std::memset(field, 0, N);
    if (length > 0) std::memcpy(field, text.data(), length);  // an empty view may carry no pointer
}

}  // namespace settings

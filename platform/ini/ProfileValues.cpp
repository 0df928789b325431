// The value forms of the private-profile functions: decimal integers and the
// hex-with-checksum encoding of binary structs.

#include "platform/ini/IniText.h"
#include "platform/ini/PrivateProfile.h"
#include "platform/ini/ProfileValues.h"

#include <cstdint>
#include <limits>

namespace platform::ini {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The byte at `index` of hex text already checked to hold only hex digits.
std::uint8_t hexByteAt(std::string_view text, std::size_t index)
{
    return static_cast<std::uint8_t>(hexDigitValue(text[2 * index]) * 16
                                     + hexDigitValue(text[2 * index + 1]));
}

}  // namespace

std::string encodeStruct(const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::string text;
    text.reserve(2 * size + 2);
    std::uint8_t checksum = 0;
    for (std::size_t i = 0; i < size; ++i) {
        text += kHexDigits[bytes[i] >> 4];
        text += kHexDigits[bytes[i] & 0x0F];
        checksum = static_cast<std::uint8_t>(checksum + bytes[i]);
    }
    text += kHexDigits[checksum >> 4];
    text += kHexDigits[checksum & 0x0F];
    return text;
}

bool decodeStruct(std::string_view text, void* out, std::size_t size)
{
    text = trimBlanks(text);
    if (size > (std::numeric_limits<std::size_t>::max() - 2) / 2 || text.size() != 2 * size + 2)
        return false;
    for (char c : text) {
        if (hexDigitValue(c) < 0)
            return false;
    }
    std::uint8_t checksum = 0;
    for (std::size_t i = 0; i < size; ++i)
        checksum = static_cast<std::uint8_t>(checksum + hexByteAt(text, i));
    if (checksum != hexByteAt(text, size))
        return false;
    auto* bytes = static_cast<std::uint8_t*>(out);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = hexByteAt(text, i);
    return true;
}

int parseInt(std::string_view text, int defaultValueWhenEmpty)
{
    text = trimBlanks(text);
    if (text.empty())
        return defaultValueWhenEmpty;
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Accumulate the magnitude as a negative number so that INT_MIN fits; beyond
    // the range of int the result saturates instead of wrapping.
    constexpr int kMin = std::numeric_limits<int>::min();
    int magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        const int digit = c - '0';
        if (magnitude < (kMin + digit) / 10) {
            magnitude = kMin;
            break;
        }
        magnitude = magnitude * 10 - digit;
    }
    if (negative)
        return magnitude;
    return magnitude == kMin ? std::numeric_limits<int>::max() : -magnitude;
}

}  // namespace platform::ini

namespace platform::ini {

std::string readStringFrom(const IniDocument& document, std::string_view section,
                           std::string_view key, std::string_view defaultValue)
{
    return std::string(document.value(section, key).value_or(defaultValue));
}

int readIntFrom(const IniDocument& document, std::string_view section, std::string_view key,
                int defaultValue)
{
    const auto value = document.value(section, key);
    return value ? parseInt(*value, defaultValue) : defaultValue;
}

bool readStructFrom(const IniDocument& document, std::string_view section, std::string_view key,
                    void* out, std::size_t size)
{
    const auto value = document.value(section, key);
    return value && decodeStruct(*value, out, size);
}

Edit writeIntTo(IniDocument& document, std::string_view section, std::string_view key, int value)
{
    return document.setValue(section, key, std::to_string(value));
}

Edit writeStructTo(IniDocument& document, std::string_view section, std::string_view key,
                   const void* data, std::size_t size)
{
    return document.setValue(section, key, encodeStruct(data, size));
}

}  // namespace platform::ini

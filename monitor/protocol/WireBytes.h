#pragma once
// Reports are described as packed structs of single bytes, so a struct's object
// representation is exactly the bytes on the wire; multi-byte values are split
// into little-endian byte pairs by hand.

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

namespace monitor::protocol {

template <typename Wire>
concept WireLayout = std::is_trivially_copyable_v<Wire> && std::is_standard_layout_v<Wire> &&
                     alignof(Wire) == 1;

template <WireLayout Wire>
std::array<std::uint8_t, sizeof(Wire)> toBytes(const Wire& wire)
{
    return std::bit_cast<std::array<std::uint8_t, sizeof(Wire)>>(wire);
}

template <WireLayout Wire>
Wire fromBytes(std::span<const std::uint8_t, sizeof(Wire)> bytes)
{
    std::array<std::uint8_t, sizeof(Wire)> copy{};
    std::copy(bytes.begin(), bytes.end(), copy.begin());
    return std::bit_cast<Wire>(copy);
}

constexpr void putLittleEndian16(std::uint8_t (&field)[2], std::uint16_t value)
{
    field[0] = static_cast<std::uint8_t>(value & 0xFF);
    field[1] = static_cast<std::uint8_t>(value >> 8);
}

constexpr std::uint16_t littleEndian16(const std::uint8_t (&field)[2])
{
    return static_cast<std::uint16_t>(field[0] | (field[1] << 8));
}

// The low byte of a 32-bit settings field, as the reports carry them.
constexpr std::uint8_t lowByte(std::int32_t value)
{
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFF);
}

}  // namespace monitor::protocol

#pragma once
// Reading a record as the bytes another process or a file would see.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace settings::test {

template <typename Record>
std::vector<std::uint8_t> bytesOf(const Record& record)
{
    std::vector<std::uint8_t> bytes(sizeof(Record));
    std::memcpy(bytes.data(), &record, sizeof(Record));
    return bytes;
}

inline std::int32_t int32At(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    const std::uint32_t value = std::uint32_t{bytes.at(offset)} | (std::uint32_t{bytes.at(offset + 1)} << 8) |
                                (std::uint32_t{bytes.at(offset + 2)} << 16) |
                                (std::uint32_t{bytes.at(offset + 3)} << 24);
    return static_cast<std::int32_t>(value);
}

inline std::string textAt(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    return std::string(reinterpret_cast<const char*>(bytes.data() + offset));
}

}  // namespace settings::test

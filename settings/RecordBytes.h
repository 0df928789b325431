#pragma once
// Records seen as their bytes: they cross processes and files raw, so clearing
// and comparing work on every byte, padding included.

#include <cstring>
#include <type_traits>

namespace settings {

template <typename Record>
void zeroBytes(Record& record)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    std::memset(static_cast<void*>(&record), 0, sizeof(Record));
}

template <typename Record>
bool sameBytes(const Record& a, const Record& b)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    return std::memcmp(&a, &b, sizeof(Record)) == 0;
}

}  // namespace settings

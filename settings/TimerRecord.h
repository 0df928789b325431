#pragma once
// One countdown timer of the timer store.

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace settings {

inline constexpr std::size_t kTimerNameSize = 100;

#pragma pack(push, 1)
struct TimerRecord {
    std::int32_t Seconds = 0;
    char Name[kTimerNameSize] = {};
};
#pragma pack(pop)

static_assert(sizeof(TimerRecord) == 104);
static_assert(offsetof(TimerRecord, Seconds) == 0);
static_assert(offsetof(TimerRecord, Name) == 4);
static_assert(std::is_trivially_copyable_v<TimerRecord> && std::is_standard_layout_v<TimerRecord>);

}  // namespace settings

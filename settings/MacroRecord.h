#pragma once
// One macro of the macro store: its name, how often it plays and its events.

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "settings/MacroEvent.h"

namespace settings {

inline constexpr std::size_t kMacroRecordNameSize = 52;

#pragma pack(push, 1)
struct MacroRecord {
    char Name[kMacroRecordNameSize] = {};
    std::int32_t LoopCount = 0;   // 1-255
    std::int32_t EventCount = 0;  // 0-500; events past the count are zero
    MacroEvent Events[kMaxMacroEvents] = {};
};
#pragma pack(pop)

static_assert(sizeof(MacroRecord) == 2060);
static_assert(offsetof(MacroRecord, Name) == 0);
static_assert(offsetof(MacroRecord, LoopCount) == 52);
static_assert(offsetof(MacroRecord, EventCount) == 56);
static_assert(offsetof(MacroRecord, Events) == 60);
static_assert(std::is_trivially_copyable_v<MacroRecord> && std::is_standard_layout_v<MacroRecord>);

}  // namespace settings

#pragma once
// Macros and macro slots for the store tests, with events that tell them apart.

#include <cstdint>
#include <string>

#include "settings/ButtonAssignment.h"
#include "settings/FixedText.h"
#include "settings/MacroRecord.h"

namespace settings::test {

inline MacroRecord makeMacro(const std::string& name, int eventCount, std::uint8_t firstKey, int loopCount = 1)
{
    MacroRecord macro;
    setFieldText(macro.Name, name);
    macro.LoopCount = loopCount;
    macro.EventCount = eventCount;
    for (int i = 0; i < eventCount && i < kMaxMacroEvents; ++i) {
        macro.Events[i] = MacroEvent{static_cast<std::uint8_t>(firstKey + i / 2),
                                     static_cast<std::uint8_t>(i % 2 == 0 ? kMacroActionPress : kMacroActionRelease),
                                     static_cast<std::uint16_t>(10 * i)};
    }
    return macro;
}

// A slot holding a copy of `macro` from set `setName`, as an assignment makes it.
inline ButtonAssignment macroSlot(const std::string& setName, const MacroRecord& macro)
{
    ButtonAssignment slot;
    slot.FunctionCode = 48;
    setFieldText(slot.MacroSetName, setName);
    setFieldText(slot.MacroName, fieldText(macro.Name));
    slot.MacroLoopCount = macro.LoopCount;
    slot.MacroEventCount = static_cast<std::uint16_t>(macro.EventCount);
    for (int i = 0; i < kMaxMacroEvents; ++i)
        slot.MacroEvents[i] = macro.Events[i];
    return slot;
}

}  // namespace settings::test

#pragma once
// The 24 button slots of a profile: slots 0-11 are the normal layer, 12-23 the
// Dualkey (shift) layer, slot n + 12 shifts slot n. Six slots have no control on
// the button page: they keep their codes but the user cannot change them.

#include <string>

#include "settings/ButtonAssignment.h"

namespace settings {

inline constexpr int kNormalLayerSlotCount = 12;
inline constexpr int kShiftLayerOffset = 12;

constexpr bool isNormalLayerSlot(int slot)
{
    return slot >= 0 && slot < kNormalLayerSlotCount;
}

// The slots that may hold a Dualkey key, roll modes and the Parley keys.
constexpr bool isDualkeySlot(int slot)
{
    return slot == 3 || slot == 4;
}

// The shift-layer slot of a normal-layer slot.
constexpr int shiftedPartner(int normalSlot)
{
    return normalSlot + kShiftLayerOffset;
}

// False for slots 5, 6, 11, 17, 18 and 23, which have no control on the page.
constexpr bool isShownSlot(int slot)
{
    switch (slot) {
    case 5: case 6: case 11: case 17: case 18: case 23:
        return false;
    default:
        return slot >= 0 && slot < kButtonSlotCount;
    }
}

// The slot's name in the button page's layout: "B1" to "B24".
inline std::string slotLayoutName(int slot)
{
    return "B" + std::to_string(slot + 1);
}

}  // namespace settings

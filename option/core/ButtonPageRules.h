#pragma once
// The button page's rules besides its menu: how a slot button looks, whether a
// click on a slot opens its menu (or only dismisses the menu that was open), the
// picture shown while a slot is hovered, and the hand orientation.
#include <optional>
#include <string>

#include "settings/ProfileRecord.h"

namespace option::core {

// Slot buttons are controls 200-223 (slot = identifier - 200).
inline constexpr int kFirstSlotControlId = 200;

enum class SlotLook {
    Fixed,       // slots 0 and 1 keep "Click" and "Menu"
    Assigned,
    Unassigned,  // function code 0: the free partner of a Dualkey key
};

SlotLook slotLook(const settings::ProfileRecord& profile, int slot);

// Remembers the slot whose menu was opened last and the slot under the pointer
// when that menu closed, so the click that closes a menu over its own slot does
// not open it again.
class SlotMenuClicks {
public:
    // Whether a click on `slot` opens its menu. Slots 0 and 1, slots without a
    // control, and a slot holding code 0 open nothing.
    bool clicked(const settings::ProfileRecord& profile, int slot);
    // The menu closed with the pointer over `slotUnderPointer` (-1: no slot).
    void menuClosed(int slotUnderPointer);

private:
    int menuSlot_ = -1;
    int slotUnderPointer_ = -1;
};

// Pictures 0-11 show the normal-layer slots, pictures 12-59 the shift layer in
// four sets by which of slots 3 and 4 hold a Dualkey key (65 or 83): only slot
// 3, only slot 4, both, neither.
inline constexpr int kHoverPictureCount = 60;
// The picture of hovered control `controlId`; nullopt for controls other than
// the slot buttons 200-223.
std::optional<int> hoverPictureIndex(const settings::ProfileRecord& profile, int controlId);

// The program-launch dialog starts with the slot's path when the slot already
// launches a program, and empty otherwise.
std::string initialProgramPath(const settings::ButtonAssignment& slot);

inline constexpr int kOrientationRight = 0;
inline constexpr int kOrientationLeft = 1;
// False, with nothing changed, for a value other than 0 and 1.
bool setOrientation(settings::ProfileRecord& profile, int orientation);
// The page shows the left-hand background for 1 and the right-hand one otherwise.
constexpr bool showsLeftHand(const settings::ProfileRecord& profile)
{
    return profile.Orientation == kOrientationLeft;
}

}  // namespace option::core

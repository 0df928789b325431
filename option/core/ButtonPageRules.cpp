#include "option/core/ButtonPageRules.h"

#include "settings/ButtonSlots.h"
#include "settings/FixedText.h"
#include "settings/FunctionCodes.h"

namespace option::core {
namespace {

constexpr int kLeftButtonSlot = 0;
constexpr int kRightButtonSlot = 1;
constexpr int kFirstDualkeySlot = 3;
constexpr int kSecondDualkeySlot = 4;

bool isFixedSlot(int slot)
{
    return slot == kLeftButtonSlot || slot == kRightButtonSlot;
}

// The pictures tell the mouse's own Dualkey key and the all-devices key apart
// from the others.
bool picturesDualkey(const settings::ProfileRecord& profile, int slot)
{
    const std::uint8_t code = profile.MacroKeyInfo[slot].FunctionCode;
    return code == settings::kFunctionDualkey || code == settings::kFunctionParleyAll;
}

}  // namespace

SlotLook slotLook(const settings::ProfileRecord& profile, int slot)
{
    if (isFixedSlot(slot))
        return SlotLook::Fixed;
    if (slot < 0 || slot >= settings::kButtonSlotCount || profile.MacroKeyInfo[slot].FunctionCode == 0)
        return SlotLook::Unassigned;
    return SlotLook::Assigned;
}

bool SlotMenuClicks::clicked(const settings::ProfileRecord& profile, int slot)
{
    if (isFixedSlot(slot) || !settings::isShownSlot(slot) || profile.MacroKeyInfo[slot].FunctionCode == 0)
        return false;
    if (menuSlot_ == slot && slotUnderPointer_ == slot) {
        menuSlot_ = -1;
        slotUnderPointer_ = -1;
        return false;
    }
    menuSlot_ = slot;
    slotUnderPointer_ = -1;
    return true;
}

void SlotMenuClicks::menuClosed(int slotUnderPointer)
{
    slotUnderPointer_ = slotUnderPointer;
}

std::optional<int> hoverPictureIndex(const settings::ProfileRecord& profile, int controlId)
{
    const int slot = controlId - kFirstSlotControlId;
    if (slot < 0 || slot >= settings::kButtonSlotCount)
        return std::nullopt;
    if (settings::isNormalLayerSlot(slot))
        return slot;
    const bool first = picturesDualkey(profile, kFirstDualkeySlot);
    const bool second = picturesDualkey(profile, kSecondDualkeySlot);
    if (first && !second)
        return slot;
    if (second && !first)
        return slot + 12;
    if (first && second)
        return slot + 24;
    return slot + 36;
}

std::string initialProgramPath(const settings::ButtonAssignment& slot)
{
    if (slot.FunctionCode != settings::kFunctionProgramLaunch)
        return {};
    return std::string(settings::fieldText(slot.ProgramPath));
}

bool setOrientation(settings::ProfileRecord& profile, int orientation)
{
    if (orientation != kOrientationRight && orientation != kOrientationLeft)
        return false;
    profile.Orientation = orientation;
    return true;
}

}  // namespace option::core

#include "settings/ShiftPartner.h"

#include "settings/FunctionCodes.h"

namespace settings {

void ShiftPartnerMemo::reset()
{
    for (int slot = 0; slot < kNormalLayerSlotCount; ++slot)
        codes_[static_cast<std::size_t>(slot)] = kDefaultFunctionCodes[shiftedPartner(slot)];
}

std::uint8_t ShiftPartnerMemo::code(int normalSlot) const
{
    return isNormalLayerSlot(normalSlot) ? codes_[static_cast<std::size_t>(normalSlot)] : 0;
}

void ShiftPartnerMemo::remember(int normalSlot, std::uint8_t code)
{
    if (isNormalLayerSlot(normalSlot))
        codes_[static_cast<std::size_t>(normalSlot)] = code;
}

void applyShiftPartnerRule(SettingsBlock& block, int profile, int slot, ShiftPartnerMemo& memo)
{
    if (!isValidProfileIndex(profile) || !isDualkeySlot(slot))
        return;
    ProfileRecord& record = block.Profiles[profile];
    const int partner = shiftedPartner(slot);
    std::uint8_t& partnerCode = record.MacroKeyInfo[partner].FunctionCode;
    const bool dualkey = isDualkeyType(record.MacroKeyInfo[slot].FunctionCode);
    if (dualkey && partnerCode != kFunctionFree) {
        memo.remember(slot, partnerCode);
        partnerCode = kFunctionFree;
    } else if (!dualkey && partnerCode == kFunctionFree) {
        const std::uint8_t remembered = memo.code(slot);
        partnerCode = remembered != kFunctionFree ? remembered : std::uint8_t{kFunctionDisabled};
    } else {
        return;
    }
    block.ButtonChangedFlags[profile * kButtonSlotCount + partner] = 1;
}

}  // namespace settings

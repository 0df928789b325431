#pragma once
// A Dualkey key (slots 3 and 4) is the shift key itself, so its own shifted
// partner (slot 15 or 16) must stay free (code 0). The partner's code is kept in
// the ShiftPartnerMemo while the Dualkey key holds the slot and given back when it
// leaves.

#include <array>
#include <cstdint>

#include "settings/ButtonSlots.h"
#include "settings/SettingsBlock.h"

namespace settings {

class ShiftPartnerMemo {
public:
    ShiftPartnerMemo() { reset(); }

    // The shift layer's default codes (only slots 3 and 4 are used: 6 and 0).
    void reset();
    // 0 for a slot outside the normal layer.
    std::uint8_t code(int normalSlot) const;
    void remember(int normalSlot, std::uint8_t code);

private:
    std::array<std::uint8_t, kNormalLayerSlotCount> codes_{};
};

// After `slot` of `profile` got a new code: a Dualkey-type code frees the
// partner (its code goes to the memo), any other code gives a free partner the
// remembered code back (6, "Disabled", when the memo holds 0). A changed partner
// gets its ButtonChangedFlags entry set; only its code is touched. Slots other
// than 3 and 4 are left alone.
void applyShiftPartnerRule(SettingsBlock& block, int profile, int slot, ShiftPartnerMemo& memo);

}  // namespace settings

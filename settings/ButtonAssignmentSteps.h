#pragma once
// Giving a button slot a new function, as the button page's menu does: the code
// and the data it needs go into the slot's ButtonAssignment, the slot is marked
// changed, and a Dualkey key's shifted partner follows (ShiftPartner.h).

#include <cstdint>
#include <string>

#include "settings/MacroStore.h"
#include "settings/SettingsBlock.h"
#include "settings/ShiftPartner.h"
#include "settings/TimerStore.h"

namespace settings {

// A function chosen for a slot, with what its menu entry or dialog supplies.
struct FunctionChoice {
    std::uint8_t code = 0;
    int macroSet = -1;     // code 48: set and macro index in the macro store
    int macro = -1;
    int timer = -1;        // code 49: index in the timer store, 0-49
    std::uint16_t deviceId = 0;  // codes 81, 82: product ID and name of the Parley device
    std::string deviceName;
    std::uint8_t shortcutKey = 0;  // code 5: what the shortcut dialog returned
    std::uint8_t shortcutModifiers = 0;
    std::string programPath;       // code 15: what the program-launch dialog returned

    static FunctionChoice plain(std::uint8_t code);
    static FunctionChoice macroOf(int set, int macro);
    static FunctionChoice timerOf(int index);
    static FunctionChoice parleyDevice(std::uint16_t productId, std::string name, bool lock);
    static FunctionChoice shortcut(std::uint8_t key, std::uint8_t modifiers);
    static FunctionChoice program(std::string path);
};

struct FunctionStores {
    const MacroStore& macros;
    const TimerStore& timers;
};

// Assigns `choice` to `slot` of `profile` in the working block and sets the
// slot's ButtonChangedFlags entry; when the code changed, applies the
// shifted-partner rule. False, with nothing changed, for a profile or slot out
// of range, a macro or timer that the stores do not hold, or a timer beyond the
// fiftieth.
bool assignFunction(SettingsBlock& block, int profile, int slot, const FunctionChoice& choice,
                    const FunctionStores& stores, ShiftPartnerMemo& memo);

}  // namespace settings

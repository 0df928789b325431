#pragma once
// Where the button page's context menu offers the function codes: its submenus in
// order, their entries, which slots see them, and the command numbers of the
// macro and timer entries. The page builds the menu from this and fills in the
// entries that come from data (devices, macro sets, timers, CPI levels).

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "settings/FunctionCodes.h"

namespace settings {

enum class MenuEntryKind : std::uint8_t {
    Function,         // assigns `code`; its text is the catalogue's menu item
    Separator,
    SelectPlayer,     // opens the player dialog; the slot is not changed
    CreateNewMacro,   // opens the macro manager on a new macro
    CreateTimer,
    EditDeleteTimer,
    ParleyDevices,    // separator and one submenu per device, when the list is not empty
    MacroSets,        // separator and one submenu per set (at most 100), when there are sets
    Timers,           // separator and every timer's name, when there are timers
    PinpointLevels,   // the five "%d DPI" items of codes 51-55
};

struct MenuEntry {
    MenuEntryKind kind;
    std::uint8_t code = 0;  // for Function
};

struct MenuGroupLayout {
    MenuGroup group;
    const char* title;  // "" for the entries below the submenus
    int itemWidth;      // 0: the menu's own width
    SlotRestriction slots;
    std::span<const MenuEntry> entries;
};

// The context menu from top to bottom. The Main group follows a separator.
std::span<const MenuGroupLayout> buttonMenuLayout();

// The text of a fixed entry; "" for separators and entries made from data.
std::string_view menuEntryText(const MenuEntry& entry);

// Whether the menu of `slot` may offer `code` on a system of `osVersionClass`.
bool isOfferedOnSlot(std::uint8_t code, int slot, int osVersionClass);
bool slotAllows(SlotRestriction restriction, int slot);

// Entries of one Parley device's submenu and of a Pinpoint level.
std::string parleyDeviceMenuTitle(std::string_view deviceName);
std::string parleyDeviceMenuItem(std::string_view deviceName, bool lock);
std::string pinpointMenuItem(long long resolution);

// Macro entries: command 1100 + 100 * set + macro, for the first 100 sets and the
// first 100 macros of each.
inline constexpr int kMacroCommandBase = 1100;
inline constexpr int kMacroMenuSets = 100;
inline constexpr int kMacroMenuMacros = 100;

struct MacroMenuChoice {
    int set;
    int macro;
};

std::optional<int> macroMenuCommand(int set, int macro);
std::optional<MacroMenuChoice> macroFromMenuCommand(int command);

// Timer entries: command 505 + index for every timer; only 505-554 assign.
inline constexpr int kTimerCommandBase = 505;
int timerMenuCommand(int timerIndex);
// The timer index of an assigning command, nullopt for any other command.
std::optional<int> timerFromMenuCommand(int command);

}  // namespace settings

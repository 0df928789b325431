#pragma once
// The button page's context menu for one slot, as a plain tree the page turns
// into skinned menus: which submenus the slot gets (Dualkey and Parley only on
// slots 3 and 4, Pinpoint only on 0-11), the entries made from data (Parley
// devices, at most 100 macro sets of at most 100 macros, the timers, the five
// CPI levels), the slot's own macro marked, and the separators. The menu also
// answers what each command it holds means, so a command never reaches a slot
// that its menu did not offer.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/ButtonAssignmentSteps.h"
#include "settings/DeviceList.h"
#include "settings/MacroStore.h"
#include "settings/ProfileRecord.h"
#include "settings/TimerStore.h"

namespace option::core {

struct MenuItemModel {
    std::string text;                    // "" for a separator
    int command = 0;                     // 0 for a separator and a submenu's title
    bool current = false;                // drawn as the current item
    int itemWidth = 0;                   // of a submenu's items; 0: as its parent
    std::vector<MenuItemModel> submenu;  // not empty: this item opens a submenu

    bool isSeparator() const { return text.empty() && submenu.empty(); }
    bool opensSubmenu() const { return !submenu.empty(); }
};

// What a chosen command asks of the page.
enum class ButtonMenuAction {
    AssignFunction,   // give the slot `function` (with its data for macros, timers, devices)
    AssignShortcut,   // open the shortcut dialog; OK assigns code 5
    AssignProgram,    // open the program-launch dialog; OK assigns code 15
    SelectPlayer,     // open the player dialog on the profile's MediaOption
    CreateNewMacro,   // open the macro manager on a new macro
    EditMacroSet,     // open the macro manager on `macroSet`
    CreateTimer,      // open the create-timer dialog
    EditDeleteTimer,  // open the timer list dialog
};

struct ButtonMenuChoice {
    ButtonMenuAction action = ButtonMenuAction::AssignFunction;
    // For AssignFunction, what to hand to the assignment steps; for the two
    // dialogs, the code they assign once the dialog has filled in its data.
    settings::FunctionChoice function;
    int macroSet = -1;  // EditMacroSet
};

struct ButtonMenuInputs {
    const settings::ProfileRecord& profile;  // CPI levels and the slot's assignment
    int slot;
    const settings::MacroStore& macros;
    const settings::TimerStore& timers;
    const settings::ParleyDeviceList& devices;
    int osVersionClass;
};

// Width of the items of the top-level menu.
inline constexpr int kButtonMenuItemWidth = 140;

class ButtonContextMenu {
public:
    // The menu of `inputs.slot`; an empty menu for a slot outside 0-23.
    explicit ButtonContextMenu(const ButtonMenuInputs& inputs);

    const std::vector<MenuItemModel>& items() const { return items_; }

    // What `command` means for this slot; nullopt for a command the menu does not
    // hold or one that does nothing in the stores' state (a timer beyond the
    // fiftieth, "Create Timer" with 51 timers, "Edit/Delete Timer" with none).
    std::optional<ButtonMenuChoice> choiceOf(int command) const;

private:
    struct CommandEntry {
        int command;
        std::optional<ButtonMenuChoice> choice;
    };

    void addGroups(const ButtonMenuInputs& inputs);
    void addCommand(std::vector<MenuItemModel>& menu, std::string text, int command,
                    std::optional<ButtonMenuChoice> choice, bool current = false);

    std::vector<MenuItemModel> items_;
    std::vector<CommandEntry> commands_;
};

// Commands of the entries that are no function code (function entries use their
// code, macros 1100 + 100 x set + macro, timers 505 + index).
inline constexpr int kSelectPlayerCommand = 100;
inline constexpr int kCreateNewMacroCommand = 101;
inline constexpr int kCreateTimerCommand = 102;
inline constexpr int kEditDeleteTimerCommand = 103;
inline constexpr int kEditMacroSetCommandBase = 200;   // + set, sets 0-99
inline constexpr int kParleyDeviceCommandBase = 300;   // + 2 x device (+ 1 for the lock)

}  // namespace option::core

#pragma once
// The macro manager's model: a working copy of the macro store, the current set
// and macro, the set selector's menu, and the set and macro list edits with
// their refusals. OK makes the working copy the store and saves it (only sets
// marked changed are rewritten); Cancel drops the copy.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "option/core/ButtonContextMenu.h"
#include "settings/ButtonAssignment.h"
#include "settings/MacroStore.h"

namespace option::core {

// Set and macro names are typed with at most 24 characters.
inline constexpr std::size_t kMaxMacroNameLength = 24;

struct MacroManagerOpening {
    int setIndex = -1;  // the set to show when the assignment names no stored macro
    // The button's assignment: its macro, when it holds one, is preselected and
    // its set marked in the selector.
    const settings::ButtonAssignment* assignment = nullptr;
    bool newMacro = false;  // nothing preselected
};

// The notice a command that needs a current macro shows instead.
enum class MissingMacro { None, NoSet, NoMacro };

class MacroManager {
public:
    MacroManager(const settings::MacroStore& store, const MacroManagerOpening& opening);

    const settings::MacroStore& working() const { return working_; }
    // An empty store opens the set name dialog by itself (after 100 ms).
    bool opensSetDialogAtOnce() const { return openedEmpty_; }

    int currentSet() const { return currentSet_; }
    int currentMacro() const { return currentMacro_; }
    // The selector's caption: the current set's name trimmed, or "".
    std::string currentSetName() const;

    // The selector's menu: every set (command 2000 + index), a separator after
    // "World of Warcraft" and "Xfire", then a separator, "[+]Add Macro Set" and
    // "[x]Delete Macro Set". The set of the button's macro is marked.
    static constexpr int kFirstSetCommand = 2000;
    static constexpr int kAddSetCommand = 2100;
    static constexpr int kDeleteSetCommand = 2101;
    std::vector<MenuItemModel> setSelectorMenu() const;

    // Makes set `index` current with its first macro, or the button's macro
    // when this is its set.
    bool chooseSet(int index);
    // The set name dialog's OK: a new empty set made current; refused silently
    // for an empty or too long name, a name a set has, or 100 sets.
    bool addSet(std::string_view name);
    // After the confirmation: the current set leaves the store; the set at its
    // place (the last one, or none) becomes current.
    bool deleteCurrentSet();

    std::vector<std::string> macroNames() const;
    bool selectMacro(int index);

    // "New": whether a row for a new name opens. NoSet asks for the no-set
    // notice; a set holding 100 macros opens nothing.
    enum class NewMacroStart { EditName, NoSetNotice, Full };
    NewMacroStart beginNewMacro() const;
    // The new row's name committed: appended and made current; refused (the row
    // goes) for an empty or too long name or one another macro of the set has.
    bool commitNewMacro(std::string_view name);
    // A row's name edited in place: refused (the old name stays) for an empty or
    // too long name or one another macro of the set has.
    bool renameMacro(int index, std::string_view name);
    // After the confirmation: the current macro goes; the macro at its place
    // (the last one, or none) becomes current.
    bool deleteCurrentMacro();

    MissingMacro missingMacro() const;
    // The macro the editor panels edit; nullptr without one.
    settings::MacroRecord* currentMacroRecord();
    // Every edit of the current macro's events or loop count marks its set.
    void currentMacroEdited();

    // OK: the working copy replaces `store`, which is saved to `path`; false when
    // the file could not be written (the store in memory is replaced anyway).
    bool acceptInto(settings::MacroStore& store, const std::string& path);

private:
    settings::MacroSet* set();
    const settings::MacroSet* set() const;
    bool isAssignmentSet(int index) const;
    bool nameTakenInSet(std::string_view name, int exceptMacro) const;

    settings::MacroStore working_;
    std::string assignedSet_;    // the button's macro, when it holds one
    std::string assignedMacro_;
    bool openedEmpty_ = false;
    int currentSet_ = -1;
    int currentMacro_ = -1;
};

}  // namespace option::core

#pragma once
// The macro store "config/Preset_sequence.dat": named macro sets, each an ordered
// list of macros. Assigning a macro copies it into a button slot, so the monitor
// never reads this file.
//
// File layout: section "SetMacro" holds `number` (count of sets) and keys "0".."n-1"
// with the set names; each set's section, named by the set name trimmed of spaces,
// holds `number` (count of macros) and struct keys "0".."m-1" with the records.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ButtonAssignment.h"
#include "settings/MacroRecord.h"

namespace platform::ini {
class IniBatch;
}

namespace settings {

// What happened to a set since the store was last saved; only sets with a mark
// other than Unchanged have their section rewritten.
enum class MacroChangeMark : std::int32_t {
    Unchanged = 0,
    Added = 1,
    Deleted = 2,
    Changed = 3,
};

inline constexpr std::size_t kMacroSetNameMaxLength = 199;

// Limits of the editor and of the button page's menu.
inline constexpr int kMaxMacroSets = 100;
inline constexpr int kMaxMacrosPerSet = 100;

// Bounds on what a damaged or hostile store file can make a load allocate: counts
// beyond them are cut. The program itself never comes near them (the editor stops
// at 100 sets of 100 macros; the start-up synchronisation adds at most 120 macros).
inline constexpr int kMaxLoadedMacroSets = 1000;
inline constexpr int kMaxLoadedMacrosPerSet = 1000;
inline constexpr int kMaxLoadedMacros = 10000;

struct MacroSet {
    std::string name;  // at most kMacroSetNameMaxLength characters
    std::vector<MacroRecord> macros;
    MacroChangeMark mark = MacroChangeMark::Unchanged;
};

struct MacroStore {
    std::vector<MacroSet> sets;
};

// Reads the store into `store` (emptied first); every set starts unchanged. A
// missing file or section gives no sets or macros, a missing or damaged macro key
// a zeroed record.
void readMacroStore(const platform::ini::IniBatch& file, MacroStore& store);
// False when the file exists but cannot be read; the store is then empty.
bool loadMacroStore(MacroStore& store, const std::string& path);

// Writes the set list and, for every set whose mark is not Unchanged, its section;
// the marks are reset once the file is written. Sets marked Deleted leave the list
// and the file's set list. Keys beyond the new counts stay in the file unread.
// A set named "SetMacro" (any case, any surrounding spaces) would overwrite the
// set list with its macros: it is listed, but its macros are not kept.
void writeMacroStore(platform::ini::IniBatch& file, const MacroStore& store);
bool saveMacroStore(MacroStore& store, const std::string& path);

// Deletes every macro and every set.
void freeMacroStore(MacroStore& store);

// The events of a store macro and a slot's copy are the same: equal event counts
// and equal first `count` events. The loop count does not take part.
bool sameMacroEvents(const MacroRecord& macro, const ButtonAssignment& slot);

struct MacroLocation {
    int set = -1;
    int macro = -1;
    bool sameEvents = false;  // compared with the slot passed to findMacro

    bool setFound() const { return set >= 0; }
    bool macroFound() const { return macro >= 0; }
};

// The first set and, in it, the first macro of the given names (trimmed, any
// case). With `slot`, also whether the macro's events equal the slot's copy.
MacroLocation findMacro(const MacroStore& store, std::string_view setName, std::string_view macroName,
                        const ButtonAssignment* slot = nullptr);

}  // namespace settings

#include "settings/MacroStore.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/ini/IniBatch.h"
#include "settings/FixedText.h"
#include "settings/RecordBytes.h"
#include "settings/StoreNames.h"

namespace settings {
namespace {

constexpr std::string_view kSetListSection = "SetMacro";
constexpr std::string_view kCountKey = "number";
constexpr int kMissingCount = -1;

std::string indexKey(std::size_t index)
{
    return std::to_string(index);
}

// A count read from the file, cut to what may be loaded; -1 (missing) and other
// negative values give 0.
int usableCount(int stored, int limit)
{
    return std::clamp(stored, 0, limit);
}

std::string sectionOf(const MacroSet& set)
{
    return std::string(trimSpaces(set.name));
}

// A set named like the set list would write its macros over the list, so such a
// set keeps no macros in the file.
bool sectionIsTheSetList(const MacroSet& set)
{
    return sameStoreName(set.name, kSetListSection);
}

void readMacros(const platform::ini::IniBatch& file, MacroSet& set, int& macrosLeft)
{
    if (sectionIsTheSetList(set))
        return;
    const std::string section = sectionOf(set);
    const int count = usableCount(file.readInt(section, kCountKey, kMissingCount),
                                  std::min(kMaxLoadedMacrosPerSet, macrosLeft));
    macrosLeft -= count;
    set.macros.resize(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < set.macros.size(); ++i) {
        MacroRecord& macro = set.macros[i];
        if (!file.readStruct(section, indexKey(i), &macro, sizeof macro))
            zeroBytes(macro);
    }
}

void createParentFolder(const std::string& path)
{
    const auto parent = std::filesystem::path(path).parent_path();
    if (parent.empty())
        return;
    std::error_code ignored;
    std::filesystem::create_directories(parent, ignored);
}

}  // namespace

void readMacroStore(const platform::ini::IniBatch& file, MacroStore& store)
{
    freeMacroStore(store);
    const int setCount = usableCount(file.readInt(kSetListSection, kCountKey, kMissingCount), kMaxLoadedMacroSets);
    store.sets.resize(static_cast<std::size_t>(setCount));
    for (std::size_t i = 0; i < store.sets.size(); ++i) {
        std::string name = file.readString(kSetListSection, indexKey(i));
        if (name.size() > kMacroSetNameMaxLength)
            name.resize(kMacroSetNameMaxLength);
        store.sets[i].name = std::move(name);
    }
    int macrosLeft = kMaxLoadedMacros;
    for (MacroSet& set : store.sets)
        readMacros(file, set, macrosLeft);
}

bool loadMacroStore(MacroStore& store, const std::string& path)
{
    const platform::ini::IniBatch file(path, false);
    if (!file.readable()) {
        freeMacroStore(store);
        return false;
    }
    readMacroStore(file, store);
    return true;
}

void writeMacroStore(platform::ini::IniBatch& file, const MacroStore& store)
{
    const auto listed = std::count_if(store.sets.begin(), store.sets.end(), [](const MacroSet& set) {
        return set.mark != MacroChangeMark::Deleted;
    });
    file.writeInt(kSetListSection, kCountKey, static_cast<int>(listed));
    std::size_t index = 0;
    for (const MacroSet& set : store.sets) {
        if (set.mark != MacroChangeMark::Deleted)
            file.writeString(kSetListSection, indexKey(index++), set.name);
    }
    for (const MacroSet& set : store.sets) {
        if (set.mark == MacroChangeMark::Unchanged || set.mark == MacroChangeMark::Deleted ||
            sectionIsTheSetList(set))
            continue;
        const std::string section = sectionOf(set);
        file.writeInt(section, kCountKey, static_cast<int>(set.macros.size()));
        for (std::size_t i = 0; i < set.macros.size(); ++i)
            file.writeStruct(section, indexKey(i), &set.macros[i], sizeof(MacroRecord));
    }
}

bool saveMacroStore(MacroStore& store, const std::string& path)
{
    createParentFolder(path);
    platform::ini::IniBatch file(path);
    writeMacroStore(file, store);
    if (!file.commit())
        return false;
    std::erase_if(store.sets, [](const MacroSet& set) { return set.mark == MacroChangeMark::Deleted; });
    for (MacroSet& set : store.sets)
        set.mark = MacroChangeMark::Unchanged;
    return true;
}

void freeMacroStore(MacroStore& store)
{
    store.sets.clear();
    store.sets.shrink_to_fit();
}

bool sameMacroEvents(const MacroRecord& macro, const ButtonAssignment& slot)
{
    if (macro.EventCount != slot.MacroEventCount)
        return false;
    // Both counts come from files: compare no further than the records reach.
    const int count = std::clamp(macro.EventCount, 0, kMaxMacroEvents);
    return std::memcmp(macro.Events, slot.MacroEvents, static_cast<std::size_t>(count) * sizeof(MacroEvent)) == 0;
}

MacroLocation findMacro(const MacroStore& store, std::string_view setName, std::string_view macroName,
                        const ButtonAssignment* slot)
{
    MacroLocation location;
    for (std::size_t s = 0; s < store.sets.size(); ++s) {
        if (!sameStoreName(store.sets[s].name, setName))
            continue;
        location.set = static_cast<int>(s);
        const auto& macros = store.sets[s].macros;
        for (std::size_t m = 0; m < macros.size(); ++m) {
            if (sameStoreName(fieldText(macros[m].Name), macroName)) {
                location.macro = static_cast<int>(m);
                location.sameEvents = slot != nullptr && sameMacroEvents(macros[m], *slot);
                break;
            }
        }
        break;
    }
    return location;
}

}  // namespace settings

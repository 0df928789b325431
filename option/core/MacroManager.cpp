#include "option/core/MacroManager.h"

#include <algorithm>
#include <utility>

#include "settings/FixedText.h"
#include "settings/FunctionCodes.h"
#include "settings/StoreNames.h"

namespace option::core {
namespace {

constexpr char kWorldOfWarcraft[] = "World of Warcraft";
constexpr char kXfire[] = "Xfire";

std::optional<std::string_view> acceptableName(std::string_view name)
{
    const std::string_view trimmed = settings::trimSpaces(name);
    if (trimmed.empty() || trimmed.size() > kMaxMacroNameLength)
        return std::nullopt;
    return trimmed;
}

void mark(settings::MacroSet& set, settings::MacroChangeMark change)
{
    set.mark = change;
}

int clampedIndex(int index, std::size_t size)
{
    return size == 0 ? -1 : std::min(index, static_cast<int>(size) - 1);
}

}  // namespace

MacroManager::MacroManager(const settings::MacroStore& store, const MacroManagerOpening& opening)
    : working_(store), openedEmpty_(store.sets.empty())
{
    const settings::ButtonAssignment* slot = opening.assignment;
    if (slot != nullptr && slot->FunctionCode == settings::kFunctionMacro) {
        assignedSet_ = std::string(settings::fieldText(slot->MacroSetName));
        assignedMacro_ = std::string(settings::fieldText(slot->MacroName));
    }
    if (opening.newMacro || working_.sets.empty())
        return;
    const settings::MacroLocation found = settings::findMacro(working_, assignedSet_, assignedMacro_);
    if (!assignedSet_.empty() && found.setFound() && found.macroFound()) {
        currentSet_ = found.set;
        currentMacro_ = found.macro;
    } else {
        chooseSet(opening.setIndex);
    }
}

settings::MacroSet* MacroManager::set()
{
    return currentSet_ < 0 ? nullptr : &working_.sets[currentSet_];
}

const settings::MacroSet* MacroManager::set() const
{
    return currentSet_ < 0 ? nullptr : &working_.sets[currentSet_];
}

bool MacroManager::isAssignmentSet(int index) const
{
    return !assignedSet_.empty() && settings::sameStoreName(working_.sets[index].name, assignedSet_);
}

std::string MacroManager::currentSetName() const
{
    return set() ? std::string(settings::trimSpaces(set()->name)) : std::string();
}

std::vector<MenuItemModel> MacroManager::setSelectorMenu() const
{
    std::vector<MenuItemModel> items;
    const int sets = std::min(static_cast<int>(working_.sets.size()), settings::kMaxMacroSets);
    for (int s = 0; s < sets; ++s) {
        const std::string& name = working_.sets[s].name;
        MenuItemModel item;
        item.text = std::string(settings::trimSpaces(name));
        item.command = kFirstSetCommand + s;
        item.current = isAssignmentSet(s);
        items.push_back(std::move(item));
        if (settings::sameStoreName(name, kWorldOfWarcraft) || settings::sameStoreName(name, kXfire))
            items.emplace_back();
    }
    items.emplace_back();
    for (const auto& [text, command] : {std::pair{"[+]Add Macro Set", kAddSetCommand},
                                        std::pair{"[x]Delete Macro Set", kDeleteSetCommand}}) {
        MenuItemModel item;
        item.text = text;
        item.command = command;
        items.push_back(std::move(item));
    }
    return items;
}

bool MacroManager::chooseSet(int index)
{
    if (index < 0 || index >= static_cast<int>(working_.sets.size()))
        return false;
    currentSet_ = index;
    const settings::MacroSet& chosen = working_.sets[index];
    currentMacro_ = chosen.macros.empty() ? -1 : 0;
    if (isAssignmentSet(index)) {
        for (int m = 0; m < static_cast<int>(chosen.macros.size()); ++m)
            if (settings::sameStoreName(settings::fieldText(chosen.macros[m].Name), assignedMacro_)) {
                currentMacro_ = m;
                break;
            }
    }
    return true;
}

bool MacroManager::addSet(std::string_view name)
{
    const std::optional<std::string_view> trimmed = acceptableName(name);
    if (!trimmed || static_cast<int>(working_.sets.size()) >= settings::kMaxMacroSets)
        return false;
    for (const settings::MacroSet& existing : working_.sets)
        if (settings::sameStoreName(existing.name, *trimmed))
            return false;
    settings::MacroSet added;
    added.name = std::string(*trimmed);
    added.mark = settings::MacroChangeMark::Added;
    working_.sets.push_back(std::move(added));
    currentSet_ = static_cast<int>(working_.sets.size()) - 1;
    currentMacro_ = -1;
    return true;
}

bool MacroManager::deleteCurrentSet()
{
    if (!set())
        return false;
    working_.sets.erase(working_.sets.begin() + currentSet_);
    const int next = clampedIndex(currentSet_, working_.sets.size());
    currentSet_ = -1;
    currentMacro_ = -1;
    if (next >= 0)
        chooseSet(next);
    return true;
}

std::vector<std::string> MacroManager::macroNames() const
{
    std::vector<std::string> names;
    if (const settings::MacroSet* current = set())
        for (const settings::MacroRecord& macro : current->macros)
            names.emplace_back(settings::fieldText(macro.Name));
    return names;
}

bool MacroManager::selectMacro(int index)
{
    const settings::MacroSet* current = set();
    if (!current || index < 0 || index >= static_cast<int>(current->macros.size()))
        return false;
    currentMacro_ = index;
    return true;
}

MacroManager::NewMacroStart MacroManager::beginNewMacro() const
{
    const settings::MacroSet* current = set();
    if (!current)
        return NewMacroStart::NoSetNotice;
    if (static_cast<int>(current->macros.size()) >= settings::kMaxMacrosPerSet)
        return NewMacroStart::Full;
    return NewMacroStart::EditName;
}

bool MacroManager::nameTakenInSet(std::string_view name, int exceptMacro) const
{
    const settings::MacroSet* current = set();
    for (int m = 0; current && m < static_cast<int>(current->macros.size()); ++m)
        if (m != exceptMacro && settings::sameStoreName(settings::fieldText(current->macros[m].Name), name))
            return true;
    return false;
}

bool MacroManager::commitNewMacro(std::string_view name)
{
    const std::optional<std::string_view> trimmed = acceptableName(name);
    if (beginNewMacro() != NewMacroStart::EditName || !trimmed || nameTakenInSet(*trimmed, -1))
        return false;
    settings::MacroSet& current = *set();
    settings::MacroRecord macro;
    settings::setFieldText(macro.Name, *trimmed);
    current.macros.push_back(macro);
    mark(current, settings::MacroChangeMark::Added);
    currentMacro_ = static_cast<int>(current.macros.size()) - 1;
    return true;
}

bool MacroManager::renameMacro(int index, std::string_view name)
{
    settings::MacroSet* current = set();
    const std::optional<std::string_view> trimmed = acceptableName(name);
    if (!current || index < 0 || index >= static_cast<int>(current->macros.size()) || !trimmed ||
        nameTakenInSet(*trimmed, index))
        return false;
    settings::setFieldText(current->macros[index].Name, *trimmed);
    mark(*current, settings::MacroChangeMark::Changed);
    return true;
}

bool MacroManager::deleteCurrentMacro()
{
    settings::MacroSet* current = set();
    if (!current || currentMacro_ < 0)
        return false;
    current->macros.erase(current->macros.begin() + currentMacro_);
    mark(*current, settings::MacroChangeMark::Changed);
    currentMacro_ = clampedIndex(currentMacro_, current->macros.size());
    return true;
}

MissingMacro MacroManager::missingMacro() const
{
    if (!set())
        return MissingMacro::NoSet;
    return currentMacro_ < 0 ? MissingMacro::NoMacro : MissingMacro::None;
}

settings::MacroRecord* MacroManager::currentMacroRecord()
{
    settings::MacroSet* current = set();
    if (!current || currentMacro_ < 0)
        return nullptr;
    return &current->macros[currentMacro_];
}

void MacroManager::currentMacroEdited()
{
    if (settings::MacroSet* current = set())
        mark(*current, settings::MacroChangeMark::Changed);
}

bool MacroManager::acceptInto(settings::MacroStore& store, const std::string& path)
{
    store = working_;
    return settings::saveMacroStore(store, path);
}

}  // namespace option::core

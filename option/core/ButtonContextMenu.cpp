#include "option/core/ButtonContextMenu.h"

#include "settings/ButtonMenu.h"
#include "settings/FixedText.h"
#include "settings/StoreNames.h"

namespace option::core {
namespace {

using settings::FunctionChoice;
using settings::MenuEntryKind;

constexpr char kWorldOfWarcraft[] = "World of Warcraft";
constexpr char kXfire[] = "Xfire";

MenuItemModel separator()
{
    return MenuItemModel{};
}

ButtonMenuChoice assign(FunctionChoice function)
{
    return ButtonMenuChoice{ButtonMenuAction::AssignFunction, std::move(function)};
}

ButtonMenuChoice open(ButtonMenuAction action, std::uint8_t code = 0)
{
    return ButtonMenuChoice{action, FunctionChoice::plain(code)};
}

bool holdsMacro(const settings::ButtonAssignment& slot, const settings::MacroSet& set,
                const settings::MacroRecord& macro)
{
    return slot.FunctionCode == settings::kFunctionMacro &&
           settings::sameStoreName(settings::fieldText(slot.MacroSetName), set.name) &&
           settings::sameStoreName(settings::fieldText(slot.MacroName), settings::fieldText(macro.Name));
}

}  // namespace

ButtonContextMenu::ButtonContextMenu(const ButtonMenuInputs& inputs)
{
    if (inputs.slot >= 0 && inputs.slot < settings::kButtonSlotCount)
        addGroups(inputs);
}

void ButtonContextMenu::addCommand(std::vector<MenuItemModel>& menu, std::string text, int command,
                                   std::optional<ButtonMenuChoice> choice, bool current)
{
    MenuItemModel item;
    item.text = std::move(text);
    item.command = command;
    item.current = current;
    menu.push_back(std::move(item));
    commands_.push_back({command, std::move(choice)});
}

void ButtonContextMenu::addGroups(const ButtonMenuInputs& in)
{
    const settings::ButtonAssignment& slot = in.profile.MacroKeyInfo[in.slot];
    for (const settings::MenuGroupLayout& group : settings::buttonMenuLayout()) {
        if (!settings::slotAllows(group.slots, in.slot))
            continue;
        const bool topLevel = group.group == settings::MenuGroup::Main;
        std::vector<MenuItemModel> entries;
        for (const settings::MenuEntry& entry : group.entries) {
            switch (entry.kind) {
            case MenuEntryKind::Function: {
                if (!settings::isOfferedOnSlot(entry.code, in.slot, in.osVersionClass))
                    break;
                const std::string text(settings::menuEntryText(entry));
                if (entry.code == settings::kFunctionShortcut)
                    addCommand(entries, text, entry.code, open(ButtonMenuAction::AssignShortcut, entry.code));
                else if (entry.code == settings::kFunctionProgramLaunch)
                    addCommand(entries, text, entry.code, open(ButtonMenuAction::AssignProgram, entry.code));
                else
                    addCommand(entries, text, entry.code, assign(FunctionChoice::plain(entry.code)));
                break;
            }
            case MenuEntryKind::Separator:
                entries.push_back(separator());
                break;
            case MenuEntryKind::SelectPlayer:
                addCommand(entries, std::string(settings::menuEntryText(entry)), kSelectPlayerCommand,
                           open(ButtonMenuAction::SelectPlayer));
                break;
            case MenuEntryKind::CreateNewMacro:
                addCommand(entries, std::string(settings::menuEntryText(entry)), kCreateNewMacroCommand,
                           open(ButtonMenuAction::CreateNewMacro));
                break;
            case MenuEntryKind::CreateTimer: {
                // The store holds at most 51 timers: with 51 the entry does nothing.
                const bool room = static_cast<int>(in.timers.size()) < settings::kMaxTimers;
                addCommand(entries, std::string(settings::menuEntryText(entry)), kCreateTimerCommand,
                           room ? std::optional(open(ButtonMenuAction::CreateTimer)) : std::nullopt);
                break;
            }
            case MenuEntryKind::EditDeleteTimer:
                addCommand(entries, std::string(settings::menuEntryText(entry)), kEditDeleteTimerCommand,
                           in.timers.empty() ? std::nullopt : std::optional(open(ButtonMenuAction::EditDeleteTimer)));
                break;
            case MenuEntryKind::ParleyDevices:
                if (in.devices.empty())
                    break;
                entries.push_back(separator());
                for (std::size_t d = 0; d < in.devices.size() && d < settings::kMaxParleyDevices; ++d) {
                    const settings::ParleyDevice& device = in.devices[d];
                    const std::string name(settings::fieldText(device.Name));
                    MenuItemModel sub;
                    sub.text = settings::parleyDeviceMenuTitle(name);
                    for (const bool lock : {false, true}) {
                        const int command = kParleyDeviceCommandBase + 2 * static_cast<int>(d) + (lock ? 1 : 0);
                        addCommand(sub.submenu, settings::parleyDeviceMenuItem(name, lock), command,
                                   assign(FunctionChoice::parleyDevice(device.Pid, name, lock)));
                    }
                    entries.push_back(std::move(sub));
                }
                break;
            case MenuEntryKind::MacroSets: {
                const int sets = std::min<int>(static_cast<int>(in.macros.sets.size()), settings::kMacroMenuSets);
                if (sets > 0)
                    entries.push_back(separator());
                for (int s = 0; s < sets; ++s) {
                    const settings::MacroSet& set = in.macros.sets[s];
                    MenuItemModel sub;
                    sub.text = std::string(settings::trimSpaces(set.name));
                    ButtonMenuChoice edit = open(ButtonMenuAction::EditMacroSet);
                    edit.macroSet = s;
                    addCommand(sub.submenu, "Edit Macro...", kEditMacroSetCommandBase + s, edit);
                    const int macros = std::min<int>(static_cast<int>(set.macros.size()), settings::kMacroMenuMacros);
                    if (macros > 0)
                        sub.submenu.push_back(separator());
                    for (int m = 0; m < macros; ++m) {
                        const settings::MacroRecord& macro = set.macros[m];
                        addCommand(sub.submenu, std::string(settings::fieldText(macro.Name)),
                                   *settings::macroMenuCommand(s, m), assign(FunctionChoice::macroOf(s, m)),
                                   holdsMacro(slot, set, macro));
                    }
                    entries.push_back(std::move(sub));
                    const bool last = s + 1 == sets;
                    if (settings::sameStoreName(set.name, kWorldOfWarcraft) ||
                        (settings::sameStoreName(set.name, kXfire) && !last))
                        entries.push_back(separator());
                }
                break;
            }
            case MenuEntryKind::Timers: {
                // Lists as many timers as the store can hold; only the first 50 assign.
                const int timers = std::min<int>(static_cast<int>(in.timers.size()), settings::kMaxTimers);
                if (timers > 0)
                    entries.push_back(separator());
                for (int t = 0; t < timers; ++t) {
                    const bool assignable = t < settings::kMaxAssignableTimers;
                    addCommand(entries, std::string(settings::fieldText(in.timers[t].Name)),
                               settings::timerMenuCommand(t),
                               assignable ? std::optional(assign(FunctionChoice::timerOf(t))) : std::nullopt);
                }
                break;
            }
            case MenuEntryKind::PinpointLevels:
                for (int level = 0; level < settings::kCpiLevelCount; ++level) {
                    const auto code = static_cast<std::uint8_t>(settings::kFunctionPinpointFirst + level);
                    addCommand(entries, settings::pinpointMenuItem(100LL * in.profile.CpiLevel_X[level]), code,
                               assign(FunctionChoice::plain(code)));
                }
                break;
            }
        }
        if (topLevel) {
            items_.push_back(separator());
            for (MenuItemModel& item : entries)
                items_.push_back(std::move(item));
        } else {
            MenuItemModel sub;
            sub.text = group.title;
            sub.itemWidth = group.itemWidth;
            sub.submenu = std::move(entries);
            items_.push_back(std::move(sub));
        }
    }
}

std::optional<ButtonMenuChoice> ButtonContextMenu::choiceOf(int command) const
{
    if (command == 0)
        return std::nullopt;
    for (const CommandEntry& entry : commands_)
        if (entry.command == command)
            return entry.choice;
    return std::nullopt;
}

}  // namespace option::core

#include "option/core/ButtonEditing.h"

#include <charconv>
#include <optional>
#include <string_view>

#include "settings/ButtonMenu.h"
#include "settings/ButtonSlots.h"
#include "settings/FixedText.h"
#include "settings/FunctionCodes.h"
#include "settings/KeyNames.h"
#include "settings/OsVersionClass.h"
#include "settings/ShortcutKey.h"
#include "settings/StoreNames.h"

namespace option::core {
namespace {

using settings::FunctionChoice;

bool sameWord(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && settings::sameStoreName(a, b);
}

std::optional<int> parseNumber(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// What a plain function needs nothing from the user for.
constexpr unsigned kDataFromUser = settings::kUsesShortcut | settings::kUsesProgramPath | settings::kUsesMacro |
                                   settings::kUsesTimer | settings::kUsesDevice;

std::string joined(const std::vector<std::string>& words, std::size_t from)
{
    std::string text;
    for (std::size_t i = from; i < words.size(); ++i)
        text += (i > from ? " " : "") + words[i];
    return text;
}

bool plainFunction(const std::vector<std::string>& words, FunctionChoice& choice, std::string& refusal)
{
    const std::string name = joined(words, 0);
    const settings::FunctionCodeInfo* found = nullptr;
    if (const std::optional<int> code = parseNumber(name); code && *code >= 0 && *code <= 255) {
        found = settings::findFunctionCode(static_cast<std::uint8_t>(*code));
    } else {
        // Several codes share a caption ("Disabled"): only the one the menu offers counts.
        for (const settings::FunctionCodeInfo& info : settings::functionCatalogue())
            if (info.menuGroup != settings::MenuGroup::NotOffered &&
                (sameWord(info.caption, name) || sameWord(info.menuItem, name))) {
                found = &info;
                break;
            }
    }
    if (!found || found->menuGroup == settings::MenuGroup::NotOffered) {
        refusal = "FUNCTION \"" + name + "\" refused: not a function the button page offers";
        return false;
    }
    if ((found->dataUsed & kDataFromUser) != 0) {
        refusal = "FUNCTION \"" + name +
                  "\" refused: give it as shortcut KEYS, launch PATH, macro SET NAME, timer NAME or parley DEVICE";
        return false;
    }
    choice = FunctionChoice::plain(found->code);
    return true;
}

bool macroFunction(const ApplicationCore& core, const std::vector<std::string>& words, FunctionChoice& choice,
                   std::string& refusal)
{
    if (words.size() != 3) {
        refusal = "macro refused: give the set and the macro name";
        return false;
    }
    const settings::MacroLocation found = settings::findMacro(core.macros, words[1], words[2]);
    // The menu lists only the first 100 sets and their first 100 macros.
    if (!found.macroFound() || !settings::macroMenuCommand(found.set, found.macro)) {
        refusal = "macro \"" + words[1] + "\" \"" + words[2] + "\" refused: not in the macro store";
        return false;
    }
    choice = FunctionChoice::macroOf(found.set, found.macro);
    return true;
}

bool timerFunction(const ApplicationCore& core, const std::vector<std::string>& words, FunctionChoice& choice,
                   std::string& refusal)
{
    const std::string name = joined(words, 1);
    for (std::size_t i = 0; i < core.timers.size() && i < settings::kMaxAssignableTimers; ++i)
        if (settings::sameStoreName(settings::fieldText(core.timers[i].Name), name)) {
            choice = FunctionChoice::timerOf(static_cast<int>(i));
            return true;
        }
    refusal = "timer \"" + name + "\" refused: not among the first 50 timers of the store";
    return false;
}

bool parleyFunction(const ApplicationCore& core, const std::vector<std::string>& words, FunctionChoice& choice,
                    std::string& refusal)
{
    const bool lock = words.size() == 3 && sameWord(words[2], "lock");
    if (words.size() != 2 && !lock) {
        refusal = "parley refused: give a device name and optionally \"lock\"";
        return false;
    }
    for (const settings::ParleyDevice& device : core.parleyDevices)
        if (settings::sameStoreName(settings::fieldText(device.Name), words[1])) {
            choice = FunctionChoice::parleyDevice(device.Pid, std::string(settings::fieldText(device.Name)), lock);
            return true;
        }
    refusal = "parley \"" + words[1] + "\" refused: not in the Parley device list";
    return false;
}

}  // namespace

bool parseShortcut(const std::string& text, const platform::KeyboardLayout& layout, std::uint8_t& key,
                   std::uint8_t& modifiers)
{
    modifiers = 0;
    std::string_view rest = text;
    std::size_t plus;
    // The key itself may be "+" (as in "Ctrl++"), so only a '+' before the last character splits.
    while (rest.size() > 1 && (plus = rest.find('+', 0)) != std::string_view::npos && plus + 1 < rest.size()) {
        const std::string_view modifier = rest.substr(0, plus);
        if (sameWord(modifier, "Ctrl"))
            modifiers |= settings::kShortcutCtrl;
        else if (sameWord(modifier, "Shift"))
            modifiers |= settings::kShortcutShift;
        else if (sameWord(modifier, "Alt"))
            modifiers |= settings::kShortcutAlt;
        else if (sameWord(modifier, "Win"))
            modifiers |= settings::kShortcutWin;
        else if (sameWord(modifier, "None"))
            modifiers |= settings::kShortcutNone;
        else
            return false;
        rest.remove_prefix(plus + 1);
    }
    for (int usage = 1; usage <= 255; ++usage) {
        const std::string name = settings::shortcutKeyName(static_cast<std::uint8_t>(usage), layout);
        if (!name.empty() && sameWord(name, rest)) {
            key = static_cast<std::uint8_t>(usage);
            if (modifiers == 0)
                modifiers = settings::kShortcutNone;
            return true;
        }
    }
    return false;
}

bool parseFunctionChoice(const ApplicationCore& core, const std::vector<std::string>& words,
                         const platform::KeyboardLayout& layout, FunctionChoice& choice, std::string& refusal)
{
    if (words.empty()) {
        refusal = "FUNCTION missing";
        return false;
    }
    const std::string& kind = words[0];
    if (sameWord(kind, "shortcut")) {
        std::uint8_t key = 0, modifiers = 0;
        if (words.size() != 2 || !parseShortcut(words[1], layout, key, modifiers)) {
            refusal = "shortcut refused: give modifiers (Ctrl, Shift, Alt, Win) and a key, as Ctrl+Alt+T";
            return false;
        }
        choice = FunctionChoice::shortcut(key, modifiers);
        return true;
    }
    if (sameWord(kind, "launch")) {
        if (words.size() != 2 || words[1].empty() || words[1].size() >= settings::kProgramPathSize) {
            refusal = "launch refused: give one program path of 1 to 259 characters";
            return false;
        }
        choice = FunctionChoice::program(words[1]);
        return true;
    }
    if (sameWord(kind, "macro"))
        return macroFunction(core, words, choice, refusal);
    if (sameWord(kind, "timer") && words.size() >= 2)
        return timerFunction(core, words, choice, refusal);
    if (sameWord(kind, "parley"))
        return parleyFunction(core, words, choice, refusal);
    if (sameWord(kind, "pinpoint") && words.size() == 2) {
        const std::optional<int> level = parseNumber(words[1]);
        if (!level || *level < 0 || *level >= settings::kCpiLevelCount) {
            refusal = "pinpoint refused: allowed CPI level 0 to 4";
            return false;
        }
        choice = FunctionChoice::plain(static_cast<std::uint8_t>(settings::kFunctionPinpointFirst + *level));
        return true;
    }
    return plainFunction(words, choice, refusal);
}

bool slotAccepts(const settings::ProfileRecord& profile, int slot, std::uint8_t code, std::string& refusal)
{
    const std::string name = "SLOT " + std::to_string(slot);
    if (!settings::isValidButtonSlot(slot)) {
        refusal = name + " refused: allowed 2 to 23";
        return false;
    }
    if (slot == 0 || slot == 1) {
        refusal = name + " refused: the left and right button keep Click and Menu";
        return false;
    }
    if (!settings::isShownSlot(slot)) {
        refusal = name + " refused: slots 5, 6, 11, 17, 18 and 23 cannot be assigned";
        return false;
    }
    if (profile.MacroKeyInfo[slot].FunctionCode == settings::kFunctionFree) {
        refusal = name + " refused: it is kept free as the partner of a Dualkey key";
        return false;
    }
    if (!settings::isOfferedOnSlot(code, slot, settings::currentOsVersionClass())) {
        const bool dualkey = settings::isDualkeyType(code) || (code >= settings::kFunctionRollmodeSensitivity &&
                                                               code <= settings::kFunctionParleyAllLock);
        refusal = name + " refused: code " + std::to_string(code) + " is allowed only on " +
                  (dualkey ? "slots 3 and 4" : settings::isPinpoint(code) ? "slots 2 to 11" : "no slot");
        return false;
    }
    return true;
}

bool assignButton(ApplicationCore& core, int profile, int slot, const FunctionChoice& choice, std::string& refusal)
{
    if (!settings::isValidProfileIndex(profile)) {
        refusal = "profile " + std::to_string(profile) + " refused: allowed 0 to 4";
        return false;
    }
    if (!slotAccepts(core.blocks.working->Profiles[profile], slot, choice.code, refusal))
        return false;
    const settings::FunctionStores stores{core.macros, core.timers};
    if (!settings::assignFunction(*core.blocks.working, profile, slot, choice, stores, core.shiftMemo)) {
        refusal = "SLOT " + std::to_string(slot) + " refused: the function's macro or timer is not in the store";
        return false;
    }
    return true;
}

}  // namespace option::core

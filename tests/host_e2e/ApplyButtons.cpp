#include "ApplyButtons.h"

#include <cstdio>
#include <memory>

#include "messages/MessageNumbers.h"
#include "monitor/app/SharedBlock.h"
#include "platform/windows/MessageWindow.h"
#include "settings/ChangeFlags.h"
#include "settings/ConfigFile.h"
#include "settings/FunctionCodes.h"
#include "settings/ShortcutKey.h"

namespace e2e {

bool applyToMonitor(const std::string& tree, const std::function<void(settings::SettingsBlock&)>& edit)
{
    monitor::app::SharedBlock shared;
    if (!shared.open())
        return false;
    auto before = std::make_unique<settings::SettingsBlock>();
    if (!shared.copyIn(*before))
        return false;
    settings::clearChangeFlags(*before);
    auto after = std::make_unique<settings::SettingsBlock>(*before);
    edit(*after);
    settings::computeChangeFlags(*before, *after);
    if (!shared.copyOut(*after))
        return false;
    settings::saveAll(*after, settings::InstallFolder(tree));
    const platform::WindowHandle monitor = platform::findWindow(messages::kMonitorWindowTitle);
    return monitor != 0 && platform::sendMessage(monitor, messages::kApplyRequest, messages::kApplyChanges, 0) == 0;
}

void assignMacro(settings::SettingsBlock& block, int slot, const std::vector<settings::MacroEvent>& events)
{
    settings::ProfileRecord* profile = settings::activeProfile(block);
    if (!profile || !settings::isValidButtonSlot(slot) || events.size() > settings::kMaxMacroEvents)
        return;
    settings::ButtonAssignment& assignment = profile->MacroKeyInfo[slot];
    assignment.FunctionCode = settings::kFunctionMacro;
    std::snprintf(assignment.MacroName, sizeof assignment.MacroName, "Keys %d", slot);
    assignment.MacroLoopCount = 1;
    assignment.MacroEventCount = static_cast<std::uint16_t>(events.size());
    for (std::size_t i = 0; i < events.size(); ++i)
        assignment.MacroEvents[i] = events[i];
    block.ButtonChangedFlags[block.CurrentProfile * settings::kButtonSlotCount + slot] = 1;
}

void assignShortcut(settings::SettingsBlock& block, int slot, std::uint8_t usage)
{
    settings::ProfileRecord* profile = settings::activeProfile(block);
    if (!profile || !settings::isValidButtonSlot(slot))
        return;
    settings::ButtonAssignment& assignment = profile->MacroKeyInfo[slot];
    assignment.FunctionCode = settings::kFunctionShortcut;
    settings::storeShortcut(assignment, usage, settings::kShortcutNone);
    block.ButtonChangedFlags[block.CurrentProfile * settings::kButtonSlotCount + slot] = 1;
}

}  // namespace e2e

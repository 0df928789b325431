#include "monitor/host/ActionEngine.h"

#include "settings/FixedText.h"
#include "settings/FunctionCodes.h"

namespace monitor::host {

const settings::ButtonAssignment* ActionEngine::slotOfActiveProfile(int slotNumber) const
{
    if (slotNumber < 1 || slotNumber > settings::kButtonSlotCount) return nullptr;
    const settings::ProfileRecord* profile = settings::activeProfile(settings_.block());
    return profile ? &profile->MacroKeyInfo[slotNumber - 1] : nullptr;
}

void ActionEngine::onButtonAction(int slotNumber, bool released)
{
    const settings::ButtonAssignment* slot = slotOfActiveProfile(slotNumber);
    if (slot == nullptr) return;
    switch (slot->FunctionCode) {
    case settings::kFunctionShortcut:
        if (released)
            shortcuts_.release();
        else
            shortcuts_.press(*slot);
        return;
    case settings::kFunctionMacro:
        if (!released) macros_.startOrStop(*slot);
        return;
    case settings::kFunctionTimer:
        if (!released) feedback_.startCountdown(slot->TimerValue);
        return;
    case settings::kFunctionStopTimer:
        if (!released) feedback_.stopCountdown();
        return;
    default:
        return;
    }
}

void ActionEngine::launchProgram(int slotNumber)
{
    const settings::ButtonAssignment* slot = slotOfActiveProfile(slotNumber);
    if (slot == nullptr || slot->FunctionCode != settings::kFunctionProgramLaunch) return;
    const std::string path(settings::fieldText(slot->ProgramPath));
    if (!path.empty() && launcher_) launcher_(path, {});
}

void ActionEngine::onMediaFunction(std::uint8_t functionCode, bool released)
{
    const settings::ProfileRecord* profile = settings::activeProfile(settings_.block());
    if (profile == nullptr) return;
    media_.onMediaFunction(functionCode, released, profile->MediaOption);
}

bool ActionEngine::onTimer(TimerId id)
{
    if (id != kTimerShortcutRepeat) return false;
    shortcuts_.repeat();
    return true;
}

}  // namespace monitor::host

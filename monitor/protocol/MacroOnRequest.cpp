#include "monitor/protocol/MacroOnRequest.h"

#include "monitor/protocol/DeviceOperations.h"
#include "monitor/protocol/SlotMap.h"

namespace monitor::protocol {
namespace {

constexpr int kMacrosPerProfile = 16;
constexpr int kFirstRequestedButton = 2;

}  // namespace

std::optional<MacroRequestTarget> macroRequestTarget(int number)
{
    if (number < 1 || number > settings::kProfileCount * kMacrosPerProfile)
        return std::nullopt;
    const int profile = (number - 1) / kMacrosPerProfile;
    const std::optional<int> slot = slotOfDeviceButton((number - 1) % kMacrosPerProfile + kFirstRequestedButton);
    if (!slot)
        return std::nullopt;
    return MacroRequestTarget{profile, *slot};
}

bool sendRequestedMacro(DeviceLink& link, const settings::SettingsBlock& block, int number)
{
    const std::optional<MacroRequestTarget> target = macroRequestTarget(number);
    return target && writeMacro(link, block, target->profile, target->slot);
}

}  // namespace monitor::protocol

#include "monitor/dispatch/InterDeviceKey.h"

#include "messages/MessageNumbers.h"
#include "monitor/dispatch/ParleyCommandNumbers.h"
#include "settings/FunctionCodes.h"

namespace monitor::dispatch {
namespace {

using namespace parley_command;
constexpr std::uint16_t kAllDevices = 0xFFFF;

}  // namespace

std::optional<InterDeviceKey> interDeviceKeyOfSlot(const settings::SettingsBlock& block, int slot)
{
    const settings::ProfileRecord* profile = settings::activeProfile(block);
    if (profile == nullptr || !settings::isValidButtonSlot(slot))
        return std::nullopt;
    const settings::ButtonAssignment& button = profile->MacroKeyInfo[slot];
    const auto identifier = static_cast<std::uint16_t>(button.DeviceId & 0xFFFF);
    switch (button.FunctionCode) {
    case settings::kFunctionParleyDevice: return InterDeviceKey{kKeyToDevice, identifier};
    case settings::kFunctionParleyDeviceLock: return InterDeviceKey{kLockToDevice, identifier};
    case settings::kFunctionParleyAll: return InterDeviceKey{kKeyToAll, kAllDevices};
    case settings::kFunctionParleyAllLock: return InterDeviceKey{kLockToAll, kAllDevices};
    default: return InterDeviceKey{0, identifier};
    }
}

bool sendInterDeviceKey(MonitorServices& services, std::uint8_t low, std::uint8_t high)
{
    const platform::WindowHandle parley = services.parleyWindow();
    const std::optional<InterDeviceKey> key = interDeviceKeyOfSlot(services.block(), low - 1);
    if (parley == 0 || !key)
        return false;
    messages::ParleyKeyPayload payload{};
    payload.VendorId = messages::kMouseVendorId;
    payload.ProductId = messages::kMouseProductId;
    payload.Command = key->command;
    payload.TargetVendorId = messages::kMouseVendorId;
    payload.TargetId = key->target;
    payload.Released = high;
    return services.sendCopyData(parley, messages::parleyDataWord(key->command), &payload, sizeof payload);
}

}  // namespace monitor::dispatch

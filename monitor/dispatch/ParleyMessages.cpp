#include "monitor/dispatch/ParleyMessages.h"

#include "messages/MessageNumbers.h"

namespace monitor::dispatch {

bool sendParleyCpiLevels(MonitorServices& services)
{
    const platform::WindowHandle parley = services.parleyWindow();
    if (parley == 0)
        return false;
    messages::ParleyPresencePayload payload{};
    payload.VendorId = messages::kMouseVendorId;
    payload.ProductId = messages::kMouseProductId;
    payload.MonitorWindow = services.monitorWindow();
    if (const settings::ProfileRecord* profile = settings::activeProfile(services.block())) {
        for (int i = 0; i < settings::kCpiLevelCount; ++i)
            payload.Cpi[i] = static_cast<std::int32_t>(static_cast<std::uint32_t>(profile->CpiLevel_X[i]) * 100u);
    }
    return services.sendCopyData(parley, messages::parleyDataWord(messages::kParleyCpiLevels), &payload,
                                 sizeof payload);
}

void releaseInterDeviceLock(MonitorServices& services)
{
    services.setInterDeviceLock(0);
    if (services.parleyHasTakenOver())
        services.postToWindow(messages::kParleyMonitorWindowTitle, services.activeStatusToParleyMessage(), 0, 0);
}

}  // namespace monitor::dispatch

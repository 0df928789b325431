#include "monitor/app/ParleyLink.h"

#include "platform/windows/MessageWindow.h"

namespace monitor::app {

messages::ParleyPresencePayload parleyPresencePayload(const settings::SettingsBlock& block,
                                                      platform::WindowHandle monitorWindow)
{
    messages::ParleyPresencePayload payload{};
    payload.VendorId = messages::kMouseVendorId;
    payload.ProductId = messages::kMouseProductId;
    payload.MonitorWindow = monitorWindow;
    if (const settings::ProfileRecord* profile = settings::activeProfile(block)) {
        for (int i = 0; i < 5; ++i)
            payload.Cpi[i] = static_cast<std::int32_t>(static_cast<std::uint32_t>(profile->CpiLevel_X[i]) * 100u);
    }
    return payload;
}

ParleyLink::ParleyLink(platform::WindowHandle monitorWindow)
    : ParleyLink(
          monitorWindow,
          [](platform::WindowHandle target, std::uint32_t dwData, const void* data, std::size_t size) {
              return platform::sendCopyData(target, messages::kParleyCopyDataSender, dwData, data, size) != 0;
          },
          [](platform::MessageId message) {
              const platform::WindowHandle target = platform::findWindow(messages::kParleyMonitorWindowTitle);
              return target != 0 && platform::postMessage(target, message, 0, 0);
          })
{
}

ParleyLink::ParleyLink(platform::WindowHandle monitorWindow, CopyDataSender send, Poster post)
    : monitorWindow_(monitorWindow), send_(std::move(send)), post_(std::move(post))
{
}

bool ParleyLink::takeOver(platform::WindowHandle parleyWindow)
{
    const bool learned = parleyWindow_ == 0;
    if (learned)
        parleyWindow_ = parleyWindow;
    takenOver_ = true;
    return learned;
}

void ParleyLink::release()
{
    parleyWindow_ = 0;
    takenOver_ = false;
}

bool ParleyLink::sendPresence(const settings::SettingsBlock& block, bool mousePresent)
{
    return sendPayload(mousePresent ? messages::kParleyMousePresent : messages::kParleyMouseAbsent, block);
}

bool ParleyLink::sendCpiLevels(const settings::SettingsBlock& block)
{
    return sendPayload(messages::kParleyCpiLevels, block);
}

bool ParleyLink::sendPayload(std::uint32_t kind, const settings::SettingsBlock& block)
{
    if (parleyWindow_ == 0)
        return false;
    const messages::ParleyPresencePayload payload = parleyPresencePayload(block, monitorWindow_);
    return send_(parleyWindow_, messages::parleyDataWord(kind), &payload, sizeof payload);
}

void ParleyLink::releaseInterDeviceLock(platform::MessageId activeStatusMessage)
{
    interDeviceLock_ = 0;
    if (!takenOver_ || activeStatusMessage == 0)
        return;
    post_(activeStatusMessage);
}

}  // namespace monitor::app

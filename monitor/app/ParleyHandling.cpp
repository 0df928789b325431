// Parley's device registrations and the Parley commands the window handles itself.

#include "monitor/app/MonitorWindow.h"

#include <span>

#include "platform/system/DebugOutput.h"
#include "settings/DeviceList.h"

namespace monitor::app {
namespace {

// The whole name for the debug output, before it is cut to its field.
constexpr std::size_t kLoggedNameBytes = 255;

}  // namespace

bool MonitorWindow::onParleyRegistration(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> payload(data, data ? size : 0);
    settings::ParleyDevice device;
    if (!decodeParleyRegistration(payload, device))
        return false;
    const auto name = payload.subspan(offsetof(messages::ParleyRegistrationPayload, Name),
                                      sizeof(messages::ParleyRegistrationPayload::Name));
    platform::debugPrintf("%s\r\n", parleyNameFromUtf16(name, kLoggedNameBytes).c_str());
    if (parleyDevices_.registerDevice(device) == ParleyDeviceTable::Outcome::Full) {
        platform::debugPrintf("CMonitorWnd: Parley device table full, %04X ignored\n", device.Pid);
        return false;
    }
    writeParleyDevices();
    return true;
}

void MonitorWindow::writeParleyDevices(bool tellApplication)
{
    settings::writeDeviceList(environment_.folder, parleyDevices_.devices());
    if (!tellApplication)
        return;
    if (const platform::WindowHandle option = platform::findWindow(messages::kOptionWindowTitle))
        platform::postMessage(option, messages::kParleyDevicesChanged, 0, 0);
}

platform::LResult MonitorWindow::onParleyCommand(ParleySource source, platform::WParam command,
                                                 platform::LParam value)
{
    const bool registeredMessage = source == ParleySource::RegisteredMessage;
    platform::debugPrintf("Parley %s %llu %lld\n", registeredMessage ? "WM_PARLEY_MSG" : "status",
                          static_cast<unsigned long long>(command), static_cast<long long>(value));
    switch (command) {
    case messages::parley_command::kRemoveDevice:
        if (!registeredMessage)
            break;
        if (parleyDevices_.remove(static_cast<std::uint16_t>((static_cast<std::uint64_t>(value) >> 16) & 0xFFFF)))
            writeParleyDevices();
        return 0;
    case messages::parley_command::kTakeOver: {
        // A window handle is 32 bits wide; anything wider names no window.
        const auto window = static_cast<std::uint64_t>(value);
        if (window > UINT32_MAX)
            return 0;
        if (parley_->takeOver(static_cast<platform::WindowHandle>(window)) && mousePresent()) {
            parley_->sendPresence(block_.get(), true);
            parley_->sendCpiLevels(block_.get());
        }
        updateTrayIcon();
        return 0;
    }
    case messages::parley_command::kRelease:
        parley_->release();
        updateTrayIcon();
        return 0;
    case messages::parley_command::kOpenConfiguration:
        if (registeredMessage)
            break;
        onCommand(messages::kCommandOpenConfiguration);
        return 0;
    case messages::parley_command::kCloseMonitor:
        if (registeredMessage)
            break;
        onCommand(messages::kCommandExit);
        return 0;
    case messages::parley_command::kUpdateTray:
        if (registeredMessage)
            break;
        updateTrayIcon();
        return 0;
    default:
        break;
    }
    return dispatcher_->onParleyCommand(source, command, value);
}

}  // namespace monitor::app

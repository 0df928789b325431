#include "monitor/app/MonitorWindow.h"

#include <algorithm>

#include "platform/system/DebugOutput.h"
#include "platform/system/ShellOpen.h"
#include "settings/ApplyPointerSettings.h"
#include "settings/ConfigKeys.h"

namespace monitor::app {

std::unique_ptr<MonitorWindow> MonitorWindow::create(MonitorEnvironment environment)
{
    std::unique_ptr<MonitorWindow> monitor(new MonitorWindow(std::move(environment)));
    monitor->window_ = platform::MessageWindow::create(messages::kMonitorWindowTitle, *monitor);
    if (!monitor->window_) {
        platform::debugOutput("CMonitorWnd: the main window cannot be created\n");
        return nullptr;
    }
    if (!monitor->startUp())
        return nullptr;
    return monitor;
}

MonitorWindow::MonitorWindow(MonitorEnvironment environment)
    : environment_(std::move(environment)),
      worker_(*this, deviceState_,
              [this](platform::WParam job, bool succeeded) {
                  platform::postMessage(handle(), messages::kWorkerJobFinished, job, succeeded ? 1 : 0);
              }),
      link_{device_, pauser_, worker_.abortFlag()}
{
    if (!environment_.startProgram) {
        environment_.startProgram = [](const std::string& program, const std::vector<std::string>& arguments) {
            return platform::startProgram(program, arguments);
        };
    }
    const settings::InstallFolder folder = environment_.folder;
    display_ = std::make_unique<host::OnScreenDisplay>(
        folder, otherWindows_, environment_.startProgram,
        [folder](int number, std::string_view name) { return settings::writeMacroOsd(folder, number, name); });
}

MonitorWindow::~MonitorWindow()
{
    // A window that was refused or never closed still goes in the shutdown order.
    if (!closed_ && window_)
        shutDown();
    window_.reset();
}

platform::LResult MonitorWindow::onMessage(platform::MessageId message, platform::WParam wParam,
                                           platform::LParam lParam)
{
    if (closed_)
        return 0;
    switch (message) {
    case messages::kApplyRequest:
        return onApplyRequest(wParam);
    case messages::kCopyIn:
    case messages::kCopyInOnly:
        copyIn();
        return 0;
    case messages::kCopyInAndApplyPointer:
        copyIn();
        applyPointerSettings();
        return 0;
    case messages::kSensorCapture:
        onSensorCapture();
        return 0;
    case messages::kTrackingRequest:
        onTrackingRequest(lParam);
        return 0;
    case messages::kPadtuneStep:
        onPadtuneStep(lParam);
        return 0;
    case messages::kWebScroll:
        dispatcher_->onWebScroll(wParam, lParam != 0 ? 1 : 0);
        return 0;
    case messages::kTrayCallback:
        onTrayCallback(lParam);
        return 0;
    case messages::kDeviceEvent:
        dispatcher_->onDeviceEvent(eventWord(wParam, lParam));
        return 0;
    case messages::kDeviceChange:
        onDeviceChange(wParam);
        return 0;
    case messages::kParleyStatus:
        return onParleyCommand(ParleySource::StatusMessage, wParam, lParam);
    case messages::kWorkerJobFinished:
        onWorkerJobFinished(wParam, lParam != 0);
        return 0;
    case platform::WM_COMMAND:
        onCommand(wParam & 0xFFFF);
        return 0;
    case platform::WM_TIMER:
        if (wParam == messages::timer::kFirstRead) {
            killTimer(messages::timer::kFirstRead);
            worker_.post(messages::worker_job::kReadWholeDevice);
        } else if (wParam == messages::timer::kStatisticsSave) {
            writeStatistics();
        } else {
            dispatcher_->onTimer(static_cast<std::uint32_t>(wParam));
        }
        return 0;
    case platform::WM_DEVICECHANGE:
        return 1;
    case platform::WM_CLOSE:
        shutDown();
        return 0;
    default:
        break;
    }
    if (message != 0 && message == registered(messages::kParleyMessageIndex))
        return onParleyCommand(ParleySource::RegisteredMessage, wParam, lParam);
    if (message != 0 && message == registered(messages::kAmbientLightIndex))
        dispatcher_->onAmbientLight();
    return 0;
}

platform::LResult MonitorWindow::onCopyData(platform::WindowHandle, std::uint32_t, const std::uint8_t* data,
                                            std::size_t size)
{
    if (closed_)
        return 1;
    onParleyRegistration(data, size);
    return 1;
}

bool MonitorWindow::copyBlockOut()
{
    return shared_.copyOut(block_.get());
}

void MonitorWindow::saveStatistics()
{
    const std::optional<std::chrono::milliseconds> wait = statisticsThrottle_.changed(WriteThrottle::Clock::now());
    if (!wait)
        return;
    if (wait->count() == 0)
        writeStatistics();
    else
        setTimer(messages::timer::kStatisticsSave, static_cast<std::uint32_t>(wait->count()));
}

void MonitorWindow::writeStatistics()
{
    killTimer(messages::timer::kStatisticsSave);
    if (!settings::writeInfoData(environment_.folder, block_.get().InfoData))
        platform::debugOutput("CMonitorWnd: InfoData cannot be written to config.ini\n");
    statisticsThrottle_.written(WriteThrottle::Clock::now());
}

bool MonitorWindow::showMacroName(int eventValue)
{
    return display_->showMacroName(block_.get(), eventValue);
}

void MonitorWindow::setTimer(std::uint32_t id, std::uint32_t intervalMs)
{
    if (window_)
        window_->setTimer(id, intervalMs);
}

void MonitorWindow::killTimer(std::uint32_t id)
{
    if (window_)
        window_->killTimer(id);
}

void MonitorWindow::applyPointerSettings()
{
    if (!pointer_)
        pointer_ = platform::createSystemPointerSettings();
    settings::WindowSettingChangeNotifier notifier(handle());
    block_.modify([&](settings::SettingsBlock& block) {
        settings::applyPointerSettings(block, false, *pointer_, notifier);
    });
}

}  // namespace monitor::app

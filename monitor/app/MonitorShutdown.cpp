// The shutdown order of the monitor's main window.

#include "monitor/app/MonitorWindow.h"

#include "monitor/protocol/DeviceOperations.h"
#include "platform/system/DebugOutput.h"
#include "platform/windows/EventLoop.h"

namespace monitor::app {
namespace {

void postClose(const char* title)
{
    if (const platform::WindowHandle window = platform::findWindow(title))
        platform::postMessage(window, platform::WM_CLOSE, 0, 0);
}

}  // namespace

void MonitorWindow::shutDown()
{
    if (closing_)
        return;
    closing_ = true;
    platform::debugOutput("CMonitorWnd: closing\n");

    // From here no job starts and no host presence 1 goes out; a running job
    // ends within one pause step, so the presence 0 below is the last word.
    worker_.stoppingFlag().store(true);
    if (worker_.isBusy())
        worker_.abortFlag().store(true);

    // The mouse learns that the host software is gone. Without the mouse, or once
    // the upgrader has it, there is no one to tell. After a signal (or with a job
    // aborted) the abort flag is set: the report goes, its handshake is not awaited.
    if (deviceState_.load() == DeviceState::Present)
        protocol::writeHostPresence(link_, false);

    killTimer(messages::timer::kGameSwitch);
    killTimer(messages::timer::kFirstRead);
    if (statisticsThrottle_.waiting())
        writeStatistics();
    if (dispatcher_)
        dispatcher_->onShutdown();

    postClose(messages::kOptionWindowTitle);
    display_->closeDisplayWindows();

    const bool workerEnded = worker_.stop(kThreadStopLimit);
    if (!workerEnded)
        platform::debugOutput("CMonitorWnd: the device worker is still busy; it ends with its job\n");

    if (bridge_) {
        bridge_->exports().closeDevMonitor(0);
        bridge_->exports().closeFeatureDevice();
        {
            const auto held = device_.exclusive();
            bridgeDevice_ = protocol::BridgeFeatureDevice(nullptr, nullptr);
        }
        // A worker that outlived its wait may still be inside an export; the
        // library then goes with the window, after the worker was joined.
        if (workerEnded)
            bridge_.reset();
    }

    if (!macroRunner_.stop(kThreadStopLimit))
        platform::debugOutput("CMonitorWnd: the macro runner is still busy; it ends with its macro\n");

    shared_.close();
    if (tray_)
        tray_->setShown(false);
    if (parley_)
        parley_->sendPresence(block_.get(), false);

    closed_ = true;
    platform::debugOutput("CMonitorWnd: closed\n");
    platform::quitEventLoop(0);
}

}  // namespace monitor::app

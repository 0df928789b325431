#include "monitor/app/MonitorApp.h"

#include <cstdio>

#include <QApplication>

#include "monitor/app/DisplayProbe.h"
#include "messages/MessageNumbers.h"
#include "monitor/app/MonitorWindow.h"
#include "monitor/app/SignalWatcher.h"
#include "platform/shared/NamedLock.h"
#include "platform/system/DebugOutput.h"
#include "platform/system/ProgramFolder.h"
#include "platform/windows/EventLoop.h"
#include "platform/windows/MessageWindow.h"
#include "settings/ParleyRegistration.h"

namespace monitor::app {

std::string commandLineText(const std::vector<std::string>& arguments)
{
    std::string text;
    for (const std::string& argument : arguments) {
        if (!text.empty())
            text += ' ';
        text += argument;
    }
    return text;
}

bool asksForApplication(const std::string& commandLine)
{
    return !commandLine.empty() && commandLine.front() == '1';
}

int MonitorApp::run(int& argc, char** argv)
{
    const std::string commandLine = commandLineText(std::vector<std::string>(argv + 1, argv + argc));
    platform::debugPrintf("CMonitorApp: %s\n", commandLine.c_str());
    const bool showApplication = asksForApplication(commandLine);

    // The widget application only where a display is, for the tray icon.
    if (displayReachable())
        new QApplication(argc, argv);
    platform::ensureEventLoopApplication(argc, argv);

    bool existed = false;
    std::unique_ptr<platform::NamedLock> instance =
        platform::NamedLock::create(messages::kMonitorInstanceName, &existed);
    if (!instance) {
        platform::debugOutput("CMonitorApp: the single-instance lock cannot be created\n");
        std::fprintf(stderr, "ZuroTarnMonitor: the single-instance lock cannot be created\n");
        return kExitFailed;
    }
    if (existed) {
        instance.reset();
        platform::debugOutput("CMonitorApp: another monitor runs\n");
        // Asked to bring up the configuration application, the new process has
        // done its work once the running monitor has the request.
        if (showApplication) {
            const platform::WindowHandle running = platform::findWindow(messages::kMonitorWindowTitle);
            if (running != 0 &&
                platform::postMessage(running, platform::WM_COMMAND, messages::kCommandOpenConfiguration, 0)) {
                std::fprintf(stderr, "ZuroTarnMonitor: a monitor is already running; it opens the configuration\n");
                return kExitClosed;
            }
        }
        std::fprintf(stderr, "ZuroTarnMonitor: a monitor is already running\n");
        return kExitAlreadyRunning;
    }

    MonitorEnvironment environment;
    environment.folder = settings::InstallFolder::ofProgram();
    environment.bridgePath = environment.folder.file(hidbridge::kBridgeLibraryFile);
    environment.parleyFolder = settings::parleyFolder();
    environment.showApplication = showApplication;
    environment.createDispatcher = createDispatcher_;

    std::unique_ptr<MonitorWindow> window = MonitorWindow::create(std::move(environment));
    if (!window) {
        std::fprintf(stderr, "ZuroTarnMonitor: the monitor cannot start (another monitor holds the settings lock?)\n");
        return kExitFailed;
    }
    std::unique_ptr<SignalWatcher> signalWatcher = SignalWatcher::install(window->handle(), window->signalFlags());
    if (!signalWatcher)
        platform::debugOutput("CMonitorApp: SIGTERM and SIGINT cannot be watched\n");
    // A close posted during start-up (the upgrader took over) is handled here.
    const int exitCode = window->closed() ? kExitClosed : platform::runEventLoop();
    // The handler stores into the window's flags: it goes first.
    signalWatcher.reset();
    window.reset();
    return exitCode;
}

}  // namespace monitor::app

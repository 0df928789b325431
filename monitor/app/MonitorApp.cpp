#include "monitor/app/MonitorApp.h"

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
        return 1;
    }
    if (existed) {
        instance.reset();
        platform::debugOutput("CMonitorApp: another monitor runs\n");
        if (showApplication) {
            if (const platform::WindowHandle running = platform::findWindow(messages::kMonitorWindowTitle))
                platform::postMessage(running, platform::WM_COMMAND, messages::kCommandOpenConfiguration, 0);
        }
        return 0;
    }

    MonitorEnvironment environment;
    const std::string folder = platform::programFolder();
    environment.folder = settings::InstallFolder(folder);
    environment.bridgePath = folder + hidbridge::kBridgeLibraryFile;
    environment.parleyFolder = settings::parleyFolder();
    environment.showApplication = showApplication;
    environment.createDispatcher = createDispatcher_;

    std::unique_ptr<MonitorWindow> window = MonitorWindow::create(std::move(environment));
    if (!window)
        return 1;
    const std::unique_ptr<SignalWatcher> signalWatcher = SignalWatcher::install(window->handle());
    if (!signalWatcher)
        platform::debugOutput("CMonitorApp: SIGTERM and SIGINT cannot be watched\n");
    // A close posted during start-up (the upgrader took over) is handled here.
    const int exitCode = window->closed() ? 0 : platform::runEventLoop();
    window.reset();
    return exitCode;
}

}  // namespace monitor::app

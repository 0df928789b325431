#include "upgrader/app/MonitorHandOver.h"

#include <QTimer>

#include "messages/MessageNumbers.h"
#include "platform/system/DebugOutput.h"
#include "platform/system/ShellOpen.h"
#include "platform/windows/MessageWindow.h"

namespace upgrader::app {
namespace {

// True when the monitor's window was there and was asked to close.
bool askMonitorToClose()
{
    const platform::WindowHandle monitor = platform::findWindow(messages::kMonitorWindowTitle);
    if (monitor == 0)
        return false;
    platform::debugOutput("FW Update: asking the monitor to close\n");
    return platform::postMessage(monitor, platform::WM_CLOSE, 0, 0);
}

}  // namespace

std::string installationFolderOf(const std::string& programFolder)
{
    std::string folder = programFolder;
    while (!folder.empty() && folder.back() == '/')
        folder.pop_back();
    const std::size_t slash = folder.rfind('/');
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

void closeMonitorThen(QObject* context, std::function<void()> then)
{
    if (askMonitorToClose()) {
        QTimer::singleShot(kMonitorReleaseTime, context, std::move(then));
        return;
    }
    QTimer::singleShot(kMonitorLookAgain, context, [context, then = std::move(then)] {
        if (askMonitorToClose())
            QTimer::singleShot(kMonitorReleaseTime, context, then);
        else
            then();
    });
}

bool startMonitor(const std::string& installationFolder)
{
    const std::string program = installationFolder + kMonitorProgram;
    if (platform::startProgram(program, {}))
        return true;
    platform::debugPrintf("FW Update: the monitor cannot be started: %s\n", program.c_str());
    return false;
}

}  // namespace upgrader::app

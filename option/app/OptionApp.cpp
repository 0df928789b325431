#include "option/app/OptionApp.h"

#include <QApplication>

#include <memory>

#include "messages/MessageNumbers.h"
#include "option/app/MainWindow.h"
#include "option/app/SystemDialogs.h"
#include "platform/shared/NamedLock.h"
#include "platform/system/DebugOutput.h"
#include "settings/InstallFolder.h"

namespace option::app {

int runOptionApp(int& argc, char** argv)
{
    bool existed = false;
    std::unique_ptr<platform::NamedLock> instance =
        platform::NamedLock::create(messages::kOptionInstanceName, &existed);
    if (!instance) {
        platform::debugOutput("ZuroNoxaOption: the single-instance lock cannot be created\n");
        return 1;
    }
    if (existed) {
        // The monitor brings the running one to the front when it is asked for.
        platform::debugOutput("ZuroNoxaOption: another instance runs\n");
        return 0;
    }

    QApplication application(argc, argv);
    const std::unique_ptr<SystemDialogs> dialogs = createQtSystemDialogs();
    MainWindowEnvironment environment;
    environment.folder = settings::InstallFolder::ofProgram();
    environment.dialogs = dialogs.get();
    int exitCode = 0;
    {
        MainWindow window(std::move(environment));
        window.show();
        exitCode = QApplication::exec();
    }
    return exitCode;
}

}  // namespace option::app

#include "upgrader/app/UpgraderApp.h"

#include <QApplication>

#include <memory>
#include <string>
#include <vector>

#include "messages/MessageNumbers.h"
#include "platform/shared/NamedLock.h"
#include "platform/system/DebugOutput.h"
#include "platform/system/ProgramFolder.h"
#include "platform/windows/EventLoop.h"
#include "settings/FirmwarePackage.h"
#include "upgrader/app/MessageDialog.h"
#include "upgrader/app/MonitorHandOver.h"
#include "upgrader/app/UpdateSession.h"
#include "upgrader/core/StartMode.h"

namespace upgrader::app {
namespace {

class Upgrader : public QObject {
public:
    explicit Upgrader(const std::string& programFolder)
        : installationFolder_(installationFolderOf(programFolder)),
          package_(settings::FirmwarePackage::ofInstallation(settings::InstallFolder::ofInstallation(installationFolder_)))
    {
    }

    void start(StartMode mode)
    {
        switch (mode) {
            case StartMode::ConfirmThenUpdate: ask(DialogKind::Confirm); break;
            case StartMode::NoticeOnly: ask(DialogKind::Notice); break;
            case StartMode::UpdateAtOnce: update(); break;
        }
    }

private:
    void ask(DialogKind kind)
    {
        auto* dialog = new MessageDialog(kind);
        connect(dialog, &MessageDialog::answered, this, [this, kind](DialogAnswer answer) {
            if (kind == DialogKind::Confirm && answer == DialogAnswer::Ok)
                update();
            else
                leaveFirmwareAsItIs(kind == DialogKind::Confirm ? settings::UpgradeAnswer::Declined
                                                                : settings::UpgradeAnswer::NoticeSeen);
        });
        dialog->present();
    }

    void leaveFirmwareAsItIs(settings::UpgradeAnswer answer)
    {
        if (!package_.recordAnswer(answer, package_.version()))
            platform::debugPrintf("FW Update: the answer cannot be kept in %s\n", package_.answerIni().c_str());
        closeMonitorThen(this, [this] {
            startMonitor(installationFolder_);
            QCoreApplication::quit();
        });
    }

    void update()
    {
        session_ = std::make_unique<UpdateSession>(package_, installationFolder_);
        connect(session_.get(), &UpdateSession::finished, this, [] { QCoreApplication::quit(); });
        if (!session_->begin())
            QCoreApplication::exit(1);
    }

    std::string installationFolder_;
    settings::FirmwarePackage package_;
    std::unique_ptr<UpdateSession> session_;
};

}  // namespace

int runUpgrader(int& argc, char** argv)
{
    bool existed = false;
    std::unique_ptr<platform::NamedLock> instance =
        platform::NamedLock::create(messages::kUpgraderInstanceName, &existed);
    if (!instance || existed) {
        platform::debugOutput(instance ? "FW Update: another upgrader runs\n"
                                       : "FW Update: the single-instance lock cannot be created\n");
        return instance ? 0 : 1;
    }
    const std::string commandLine = commandLineText(std::vector<std::string>(argv + 1, argv + argc));
    platform::debugPrintf("FW Update: %s\n", commandLine.c_str());

    QApplication application(argc, argv);
    platform::ensureEventLoopApplication(argc, argv);
    // The last window closing is not the end: a dialog is followed by the next.
    QApplication::setQuitOnLastWindowClosed(false);
    Upgrader upgrader(platform::programFolder());
    upgrader.start(startModeOf(commandLine));
    return QApplication::exec();
}

}  // namespace upgrader::app

#pragma once
// One update, from the main dialog's start to its close: the monitor is asked to
// let go of the mouse, hidbridge.so is loaded from the installation folder, the
// mouse's firmware version is read, the image is loaded a second after the
// dialog came up, and the transfer thread sends it while the dialog shows the
// progress (message 1424) and then the outcome (message 1426). After a success
// the monitor is started again; after a failure the dialog stays until the
// user leaves it, and the monitor stays closed.

#include <QObject>
#include <QPointer>

#include <memory>
#include <string>

#include "hidbridge/BridgeLibrary.h"
#include "platform/windows/MessageWindow.h"
#include "settings/FirmwarePackage.h"
#include "upgrader/app/MessageDialog.h"
#include "upgrader/app/UpgraderDialog.h"
#include "upgrader/core/BridgeUpdateDevice.h"
#include "upgrader/core/FirmwareImage.h"
#include "upgrader/core/TransferThread.h"

namespace upgrader::app {

class UpdateSession : public QObject, private platform::MessageHandler {
    Q_OBJECT
public:
    UpdateSession(settings::FirmwarePackage package, std::string installationFolder);
    ~UpdateSession() override;

    // Shows the main dialog and starts the update; false when its window cannot
    // be created.
    bool begin();

signals:
    // The main dialog closed; the monitor was started again when `monitorRestarted`.
    void finished(bool monitorRestarted);

private:
    platform::LResult onMessage(platform::MessageId message, platform::WParam wParam,
                                platform::LParam lParam) override;
    void takeOverMouse();
    void loadImageAndStart();
    void onBlockSent(platform::WParam index);
    void onResult(bool succeeded);
    void showDialog(DialogKind kind);
    void close();
    void releaseMouse();

    settings::FirmwarePackage package_;
    std::string installationFolder_;
    std::unique_ptr<UpgraderDialog> dialog_;
    std::unique_ptr<platform::MessageWindow> window_;
    std::unique_ptr<hidbridge::BridgeLibrary> bridge_;
    std::unique_ptr<BridgeUpdateDevice> device_;
    std::unique_ptr<FirmwareImage> image_;
    std::unique_ptr<TransferThread> thread_;
    QPointer<MessageDialog> message_;
    bool restartMonitor_ = false;
    bool closing_ = false;
};

}  // namespace upgrader::app

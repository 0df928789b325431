#include "upgrader/app/UpdateSession.h"

#include "messages/MessageNumbers.h"
#include "option/core/FirmwareVersionText.h"
#include "platform/system/DebugOutput.h"
#include "upgrader/app/MonitorHandOver.h"
#include "upgrader/core/FirmwareTransfer.h"
#include "upgrader/core/UpdateReports.h"

namespace upgrader::app {
namespace {

// The bar's range until the image's size is known.
constexpr int kInitialProgressRange = 127;

}  // namespace

UpdateSession::UpdateSession(settings::FirmwarePackage package, std::string installationFolder)
    : package_(std::move(package)), installationFolder_(std::move(installationFolder))
{
}

UpdateSession::~UpdateSession()
{
    releaseMouse();
}

bool UpdateSession::begin()
{
    window_ = platform::MessageWindow::create(messages::kUpgraderWindowTitle, *this);
    if (!window_) {
        platform::debugOutput("FW Update: the upgrader's window cannot be created\n");
        return false;
    }
    dialog_ = std::make_unique<UpgraderDialog>();
    connect(dialog_.get(), &UpgraderDialog::exitRequested, this, &UpdateSession::close);
    dialog_->setImagePath(QString::fromStdString(package_.imagePath()));
    dialog_->setProgressRange(kInitialProgressRange);
    centerOnScreen(*dialog_);
    dialog_->show();
    closeMonitorThen(this, [this] { takeOverMouse(); });
    return true;
}

void UpdateSession::takeOverMouse()
{
    if (closing_)
        return;
    std::string problem;
    bridge_ = hidbridge::BridgeLibrary::load(installationFolder_ + hidbridge::kBridgeLibraryFile, problem);
    if (!bridge_)
        platform::debugPrintf("FW Update: %s\n", problem.c_str());
    const hidbridge::BridgeExports exports = bridge_ ? bridge_->exports() : hidbridge::BridgeExports{};
    device_ = std::make_unique<BridgeUpdateDevice>(exports.setFeature, exports.getFeature);

    const platform::WindowHandle window = window_->handle();
    thread_ = std::make_unique<TransferThread>(
        [this, window](Waiter& waiter) {
            FirmwareTransfer transfer(*device_, waiter);
            return transfer.run(*image_, [window](std::size_t index) {
                platform::postMessage(window, messages::kUpgraderBlockSent, index, 0);
            });
        },
        [window](bool succeeded) { platform::postMessage(window, messages::kUpgraderResult, 0, succeeded ? 1 : 0); });

    if (bridge_) {
        exports.openDevMonitor(window, messages::kDeviceEvent, messages::kDeviceChange);
        if (!exports.openFeatureDevice())
            platform::debugOutput("FW Update: the mouse's feature collection is not there\n");
    }
    const std::optional<std::uint8_t> version = readFirmwareVersion(*device_);
    dialog_->setDeviceVersionText(QString::fromStdString(option::core::firmwareVersionText(version.value_or(0))));
    window_->setTimer(messages::kUpgraderStartTimer, messages::kUpgraderStartDelayMs);
}

platform::LResult UpdateSession::onMessage(platform::MessageId message, platform::WParam wParam,
                                           platform::LParam lParam)
{
    if (closing_)
        return 0;
    if (message == platform::WM_TIMER && wParam == messages::kUpgraderStartTimer)
        loadImageAndStart();
    else if (message == messages::kUpgraderBlockSent)
        onBlockSent(wParam);
    else if (message == messages::kUpgraderResult)
        onResult(lParam != 0);
    return 0;
}

void UpdateSession::loadImageAndStart()
{
    window_->killTimer(messages::kUpgraderStartTimer);
    dialog_->setProgress(0);
    ImageLoad load = loadFirmwareImage(package_.imagePath());
    if (load.problem != ImageProblem::None) {
        platform::debugPrintf("FW Update: the firmware image %s %s\n", package_.imagePath().c_str(),
                              describe(load.problem));
        showDialog(DialogKind::Failure);
        return;
    }
    image_ = std::move(load.image);
    platform::debugPrintf("FW Update: sending %u bytes in %zu blocks\n", unsigned{image_->size()},
                          image_->blockCount());
    dialog_->setProgressRange(static_cast<int>(image_->blockCount()));
    thread_->start();
}

void UpdateSession::onBlockSent(platform::WParam index)
{
    if (!image_ || index >= image_->blockCount())
        return;
    dialog_->setProgress(static_cast<int>(index) + 1);
}

void UpdateSession::onResult(bool succeeded)
{
    platform::debugPrintf("FW Update: result %d\n", succeeded ? 1 : 0);
    showDialog(succeeded ? DialogKind::Success : DialogKind::Failure);
}

void UpdateSession::showDialog(DialogKind kind)
{
    if (message_)
        message_->close();
    message_ = new MessageDialog(kind);
    if (kind == DialogKind::Success) {
        connect(message_, &MessageDialog::answered, this, [this] {
            restartMonitor_ = true;
            close();
        });
    }
    message_->present();
}

void UpdateSession::releaseMouse()
{
    // The thread first: it may still use the device and the library.
    thread_.reset();
    if (bridge_) {
        bridge_->exports().closeDevMonitor(0);
        bridge_->exports().closeFeatureDevice();
    }
    device_.reset();
    bridge_.reset();
    window_.reset();
}

void UpdateSession::close()
{
    if (closing_)
        return;
    closing_ = true;
    platform::debugPrintf("FW Update: closing%s\n", restartMonitor_ ? ", the monitor starts again" : "");
    releaseMouse();
    if (message_)
        message_->close();
    dialog_->hide();
    bool restarted = false;
    if (restartMonitor_)
        restarted = startMonitor(installationFolder_);
    emit finished(restarted);
}

}  // namespace upgrader::app

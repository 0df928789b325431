// The device worker's jobs. They run on the worker thread, each on a snapshot of
// the monitor's block taken when it starts; a whole-device read hands its block
// back to the window thread when it ends.

#include "monitor/app/MonitorWindow.h"

#include "monitor/protocol/ColorDatabaseUpload.h"
#include "monitor/protocol/DeviceOperations.h"
#include "monitor/protocol/MacroOnRequest.h"
#include "monitor/protocol/ReadWholeDevice.h"
#include "platform/system/DebugOutput.h"
#include "settings/ConfigFile.h"

namespace monitor::app {
namespace {

// Saves and publishes a complete read, and tells the application to reload.
class PublishingReadSink final : public protocol::WholeDeviceReadSink {
public:
    PublishingReadSink(const settings::InstallFolder& folder, SharedBlock& shared)
        : folder_(folder), shared_(shared)
    {
    }

    void saveConfiguration(const settings::SettingsBlock& block) override
    {
        if (!settings::saveAll(block, folder_))
            platform::debugOutput("CMonitorWnd: the configuration files cannot be written\n");
    }

    void publishBlock(const settings::SettingsBlock& block) override { shared_.copyOut(block); }

    void notifyReloaded() override
    {
        if (const platform::WindowHandle option = platform::findWindow(messages::kOptionWindowTitle))
            platform::postMessage(option, messages::kReloadAfterRead, 0, 0);
    }

private:
    const settings::InstallFolder& folder_;
    SharedBlock& shared_;
};

}  // namespace

bool MonitorWindow::readWholeDevice()
{
    std::unique_ptr<settings::SettingsBlock> block = block_.snapshot();
    PublishingReadSink sink(environment_.folder, shared_);
    const bool read = protocol::readWholeDevice(link_, *block, environment_.folder, sink);
    platform::debugPrintf("CMonitorWnd: whole-device read %s\n", read ? "done" : "failed");
    if (read) {
        const std::lock_guard held(readResultMutex_);
        readResult_ = std::move(block);
    }
    protocol::writeHostPresence(link_, true);
    return read;
}

bool MonitorWindow::writeActiveProfile()
{
    return protocol::writeActiveProfile(link_, *block_.snapshot());
}

bool MonitorWindow::uploadColorDatabase()
{
    return protocol::uploadColorDatabaseFile(link_, environment_.folder);
}

bool MonitorWindow::sendRequestedMacro(int number)
{
    return protocol::sendRequestedMacro(link_, *block_.snapshot(), number);
}

}  // namespace monitor::app

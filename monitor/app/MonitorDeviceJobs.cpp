// The device worker's jobs. They run on the worker thread, each on a snapshot of
// the monitor's block taken when it starts. A whole-device read hands what it
// read back to the window thread, which merges it into the block it kept using
// meanwhile, then saves and publishes the result.
//
// When the files hold changes the mouse has not taken (the pending-changes
// marker), job 2 does not read the mouse: it reads the firmware version (as
// every read does) and then applies the block, which holds the files, with
// every change flag set. The profiles, buttons, macros and tracking values of
// the mouse are not read: the files are the truth, and the monitor counts the
// statistics itself. Only when the mouse took it all is the marker cleared and
// host presence 1 sent; otherwise everything stays for the next start or arrival.

#include "monitor/app/MonitorWindow.h"

#include "monitor/protocol/ApplyChanges.h"
#include "monitor/protocol/ColorDatabaseUpload.h"
#include "monitor/protocol/DeviceOperations.h"
#include "monitor/protocol/MacroOnRequest.h"
#include "monitor/protocol/ReadWholeDevice.h"
#include "platform/system/DebugOutput.h"
#include "settings/ChangeFlags.h"
#include "settings/ConfigFile.h"
#include "settings/PendingChanges.h"

namespace monitor::app {

bool MonitorWindow::readWholeDevice()
{
    if (settings::hasPendingChanges(environment_.folder))
        return applyPendingChanges();
    PrivateBlock::ReadSnapshot read = block_.snapshotForRead();
    const bool complete = protocol::readWholeDevice(link_, *read.block, environment_.folder);
    platform::debugPrintf("CMonitorWnd: whole-device read %s\n", complete ? "done" : "failed");
    if (!complete) {
        block_.dropRead(read.id);
        return false;
    }
    {
        const std::lock_guard held(readResultMutex_);
        if (readResult_)
            block_.dropRead(readResult_->id);
        readResult_ = std::move(read);
    }
    return true;
}

bool MonitorWindow::applyPendingChanges()
{
    platform::debugOutput("CMonitorWnd: the files hold changes the mouse has not taken; applying them\n");
    protocol::readFirmwareVersion(link_, environment_.folder);
    const bool taken = protocol::applyEverything(link_, *block_.snapshot());
    platform::debugPrintf("CMonitorWnd: the files' changes %s\n", taken ? "are on the mouse" : "are not taken");
    if (!taken)
        return false;
    if (!settings::clearPendingChanges(environment_.folder))
        platform::debugOutput("CMonitorWnd: the pending-changes marker cannot be removed\n");
    {
        const std::lock_guard held(readResultMutex_);
        pendingApplied_ = true;
    }
    return true;
}

bool MonitorWindow::writeHostPresent()
{
    // Held across the test and the exchange: the shutdown's host presence 0
    // either comes after this one or finds the stopping flag already set.
    const auto held = device_.exclusive();
    return !worker_.stopping() && protocol::writeHostPresence(link_, true);
}

bool MonitorWindow::takeWholeDeviceRead()
{
    std::optional<PrivateBlock::ReadSnapshot> read;
    bool pendingApplied = false;
    {
        const std::lock_guard held(readResultMutex_);
        read.swap(readResult_);
        std::swap(pendingApplied, pendingApplied_);
    }
    if (pendingApplied) {
        copyBlockOut();
        if (const platform::WindowHandle option = platform::findWindow(messages::kOptionWindowTitle))
            platform::postMessage(option, messages::kReloadAfterRead, 0, 0);
        enableApplicationApply(1);
        return true;
    }
    if (!read || !block_.mergeRead(read->id, *read->block))
        return false;
    block_.modify([](settings::SettingsBlock& block) { settings::clearChangeFlags(block); });
    if (!settings::saveAll(block_.get(), environment_.folder))
        platform::debugOutput("CMonitorWnd: the configuration files cannot be written\n");
    copyBlockOut();
    if (const platform::WindowHandle option = platform::findWindow(messages::kOptionWindowTitle))
        platform::postMessage(option, messages::kReloadAfterRead, 0, 0);
    return true;
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

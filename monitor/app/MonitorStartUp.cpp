// The start-up order of the monitor's main window.

#include "monitor/app/MonitorWindow.h"

#include "platform/registry/RegistryStore.h"
#include "platform/system/DebugOutput.h"
#include "settings/BlockDefaults.h"
#include "settings/ConfigFile.h"
#include "settings/DeviceList.h"
#include "settings/LanguageIndex.h"
#include "settings/OsVersionClass.h"
#include "settings/ParleyRegistration.h"
#include "settings/StartTime.h"

namespace monitor::app {
namespace {

constexpr char kMouseRegistryKey[] = "Control Panel\\Mouse";

}  // namespace

bool MonitorWindow::startUp()
{
    // Parley's registry of monitors, then the first-start time.
    if (!environment_.parleyFolder.empty() && !settings::registerWithParley(environment_.parleyFolder))
        platform::debugOutput("CMonitorWnd: TConfig.ini cannot be written\n");
    settings::recordFirstStart(environment_.folder, settings::localTimeNow());

    if (!platform::RegistryKey::openOrCreate(kMouseRegistryKey))
        platform::debugOutput("CMonitorWnd: the mouse registry key cannot be opened\n");

    bridge_ = hidbridge::BridgeLibrary::load(environment_.bridgePath, bridgeProblem_);
    if (bridge_) {
        const auto held = device_.exclusive();
        bridgeDevice_ = protocol::BridgeFeatureDevice(bridge_->exports().setFeature, bridge_->exports().getFeature);
    } else {
        platform::debugPrintf("CMonitorWnd: running without a device: %s\n", bridgeProblem_.c_str());
    }

    loadSettings();

    switch (shared_.create()) {
    case SharedBlock::CreateResult::LockExisted:
        platform::debugOutput("CMonitorWnd: the settings lock exists; another monitor runs\n");
        closed_ = true;
        return false;
    case SharedBlock::CreateResult::LockFailed:
        platform::debugOutput("CMonitorWnd: the settings lock cannot be created; running without the section\n");
        break;
    case SharedBlock::CreateResult::Created:
        if (!shared_.hasSection())
            platform::debugOutput("CMonitorWnd: the shared section cannot be created\n");
        copyBlockOut();
        break;
    }

    parley_ = std::make_unique<ParleyLink>(handle());
    registerMessages();
    if (const platform::MessageId parleyMessage = registered(messages::kParleyMessageIndex))
        platform::broadcastMessage(parleyMessage, messages::kParleyAnnounceMonitor,
                                   static_cast<platform::LParam>(handle()));

    dispatcher_ = environment_.createDispatcher ? environment_.createDispatcher(*this)
                                                : createLoggingEventDispatcher(*this);
    startThreads();
    tray_ = createSystemTrayIcon(handle());
    if (!tray_)
        platform::debugOutput("CMonitorWnd: no display, no tray icon\n");

    openDevice();

    const bool present = deviceState_.load() == DeviceState::Present;
    if (present)
        parley_->sendPresence(block_.get(), true);
    writeDeviceKey(present ? 1 : 0);
    applyPointerSettings();
    startOsd();

    osVersionClass_ = settings::currentOsVersionClass();
    parleyDevices_.clear();
    writeParleyDevices(false);
    updateTrayIcon();
    platform::debugPrintf("CMonitorWnd: started, device state %d\n", static_cast<int>(deviceState_.load()));
    return true;
}

void MonitorWindow::loadSettings()
{
    block_.modify([&](settings::SettingsBlock& block) {
        settings::clearForLoading(block);
        if (!settings::loadAll(block, environment_.folder)) {
            platform::debugOutput("CMonitorWnd: the configuration files cannot be read; using defaults\n");
            settings::createDefaultBlock(block);
        }
        settings::readOsdSettings(environment_.folder, osd_);
        if (block.QuickHelpLan == -1)
            block.QuickHelpLan = settings::systemLanguageIndex();
    });
}

void MonitorWindow::registerMessages()
{
    for (std::size_t i = 0; i < messages::kRegisteredMessageCount; ++i) {
        registeredMessages_[i] = platform::registerWindowMessage(messages::kRegisteredMessageNames[i]);
        if (registeredMessages_[i] == 0)
            platform::debugPrintf("CMonitorWnd: %s cannot be registered\n", messages::kRegisteredMessageNames[i]);
    }
}

void MonitorWindow::startThreads()
{
    if (!macroRunner_.start())
        platform::debugOutput("CMonitorWnd: the macro runner cannot be started\n");
    if (!worker_.start())
        platform::debugOutput("CMonitorWnd: the device worker cannot be started\n");
}

void MonitorWindow::openDevice()
{
    if (!bridge_)
        return;
    const hidbridge::BridgeExports& bridge = bridge_->exports();
    bridge.openDevMonitor(handle(), messages::kDeviceEvent, messages::kDeviceChange);
    if (!bridge.openFeatureDevice())
        return;
    setTimer(messages::timer::kGameSwitch, messages::timer::kGameSwitchPeriodMs);
    if (firmwareCheckStartedUpgrader())
        return;
    setTimer(messages::timer::kFirstRead, messages::timer::kFirstReadDelayMs);
    deviceState_.store(DeviceState::Present);
    updateTrayIcon();
    if (environment_.showApplication)
        openConfiguration();
}

}  // namespace monitor::app

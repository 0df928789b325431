#pragma once
// The monitor's hidden main window: it owns the monitor's state (its settings
// block, the shared block, the bridge library, the device worker and macro runner
// threads, the Parley state, the tray icon) and handles every message the monitor
// accepts. Creating it runs the start-up order; closing it the shutdown order.

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "hidbridge/BridgeLibrary.h"
#include "monitor/app/DeviceWorker.h"
#include "monitor/app/EventDispatcher.h"
#include "monitor/app/MacroRunner.h"
#include "messages/MessageNumbers.h"
#include "monitor/app/ParleyDeviceTable.h"
#include "monitor/app/ParleyLink.h"
#include "monitor/app/PrivateBlock.h"
#include "monitor/app/SharedBlock.h"
#include "monitor/app/TrayIcon.h"
#include "monitor/protocol/BridgeFeatureDevice.h"
#include "monitor/protocol/DeviceLink.h"
#include "monitor/protocol/FirmwareCheck.h"
#include "monitor/protocol/Pauser.h"
#include "monitor/protocol/SerializedFeatureDevice.h"
#include "platform/registry/PointerSettings.h"
#include "platform/windows/MessageWindow.h"
#include "settings/ConfigKeys.h"
#include "settings/InstallFolder.h"

namespace monitor::app {

// Everything the monitor takes from outside, so tests can place it elsewhere.
struct MonitorEnvironment {
    settings::InstallFolder folder{""};
    std::string bridgePath;      // full path of hidbridge.so
    std::string parleyFolder;    // folder of TConfig.ini, ending in '/'
    bool showApplication = false;  // command line starting with "1"
    // Starts a program as the shell's "open" would; the platform's by default.
    std::function<bool(const std::string& program, const std::vector<std::string>& arguments)> startProgram;
    std::function<std::unique_ptr<EventDispatcher>(MonitorServices&)> createDispatcher;
};

// The names of the programs the monitor starts, in the program folder.
inline constexpr char kOptionProgram[] = "ZuroNoxaOption";
inline constexpr char kOsdProgram[] = "ZuroVellMorrowOSD";

inline constexpr std::chrono::milliseconds kArrivalSettleTime{2000};
inline constexpr std::chrono::milliseconds kThreadStopLimit{1000};

class MonitorWindow final : public platform::MessageHandler, private MonitorServices, private DeviceJobs {
public:
    // Creates the window and runs the start-up order; nullptr when the window
    // refuses to be created (the settings lock exists: another monitor runs).
    static std::unique_ptr<MonitorWindow> create(MonitorEnvironment environment);
    ~MonitorWindow() override;

    platform::WindowHandle handle() const { return window_ ? window_->handle() : 0; }
    // True once the shutdown order ran; the event loop has then been told to end.
    bool closed() const { return closed_; }

    platform::LResult onMessage(platform::MessageId message, platform::WParam wParam,
                                platform::LParam lParam) override;
    platform::LResult onCopyData(platform::WindowHandle sender, std::uint32_t dwData, const std::uint8_t* data,
                                 std::size_t size) override;

private:
    explicit MonitorWindow(MonitorEnvironment environment);

    // Start-up and shutdown (MonitorStartUp.cpp, MonitorShutdown.cpp).
    bool startUp();
    void loadSettings();
    void registerMessages();
    void startThreads();
    void openDevice();
    void shutDown();

    // The mouse coming and going (DevicePresence.cpp).
    void onDeviceChange(platform::WParam wParam);
    void onArrival();
    void onRemoval();
    // True when the upgrader took over: the monitor then closes.
    bool firmwareCheckStartedUpgrader();
    void writeDeviceKey(int connected);
    void onWorkerJobFinished(platform::WParam job, bool succeeded);

    // The application's requests (ApplicationRequests.cpp).
    void onApplyRequest(platform::WParam wParam);
    void copyIn();
    void notifyOsd();
    void onSensorCapture();
    void onTrackingRequest(platform::LParam requestCode);
    void onPadtuneStep(platform::LParam step);

    // Parley (ParleyHandling.cpp).
    bool onParleyRegistration(const std::uint8_t* data, std::size_t size);
    platform::LResult onParleyCommand(ParleySource source, platform::WParam command, platform::LParam value);
    // Rewrites DeviceInfo.ini; after a change the application is told to reread it.
    void writeParleyDevices(bool tellApplication = true);

    // Tray, commands and programs (TrayAndCommands.cpp).
    void onTrayCallback(platform::LParam mouseMessage);
    void onCommand(platform::WParam command);
    void startOsd();
    std::string trayToolTip() const;

    // MonitorServices.
    platform::WindowHandle monitorWindow() const override { return handle(); }
    const settings::InstallFolder& installFolder() const override { return environment_.folder; }
    bool mousePresent() const override { return deviceState_.load() == DeviceState::Present; }
    const settings::SettingsBlock& block() const override { return block_.get(); }
    void modifyBlock(const std::function<void(settings::SettingsBlock&)>& change) override { block_.modify(change); }
    bool copyBlockOut() override;
    protocol::DeviceLink& deviceLink() override { return link_; }
    bool postWorkerJob(platform::WParam job, platform::LParam value) override { return worker_.post(job, value); }
    bool postMacroRun(platform::WParam wParam, platform::LParam lParam) override
    {
        return macroRunner_.post(wParam, lParam);
    }
    void setTimer(std::uint32_t id, std::uint32_t intervalMs) override;
    void killTimer(std::uint32_t id) override;
    void applyPointerSettings() override;
    void openConfiguration() override;
    void updateTrayIcon() override;
    ParleyLink& parley() override { return *parley_; }

    // DeviceJobs, run on the worker thread (MonitorDeviceJobs.cpp).
    bool readWholeDevice() override;
    bool writeActiveProfile() override;
    bool uploadColorDatabase() override;
    bool sendRequestedMacro(int number) override;

    platform::MessageId registered(std::size_t index) const { return registeredMessages_[index]; }

    MonitorEnvironment environment_;
    std::unique_ptr<platform::MessageWindow> window_;

    PrivateBlock block_;
    SharedBlock shared_;
    settings::OsdSettings osd_;

    std::unique_ptr<hidbridge::BridgeLibrary> bridge_;
    std::string bridgeProblem_;
    protocol::BridgeFeatureDevice bridgeDevice_{nullptr, nullptr};
    protocol::SerializedFeatureDevice device_{bridgeDevice_};
    protocol::SleepingPauser pauser_;
    protocol::ProgramUpgraderLauncher upgraderLauncher_;

    std::atomic<DeviceState> deviceState_{DeviceState::Unknown};
    DeviceWorker worker_;
    protocol::DeviceLink link_;
    MacroRunner macroRunner_;
    // A whole-device read of the worker, waiting to become the monitor's block.
    std::mutex readResultMutex_;
    std::unique_ptr<settings::SettingsBlock> readResult_;

    std::unique_ptr<ParleyLink> parley_;
    ParleyDeviceTable parleyDevices_;
    std::unique_ptr<platform::PointerSettings> pointer_;
    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<EventDispatcher> dispatcher_;
    std::array<platform::MessageId, messages::kRegisteredMessageCount> registeredMessages_{};
    int osVersionClass_ = 0;
    // The upgrader has the mouse: the monitor only waits for its close.
    bool upgraderStarted_ = false;
    bool closing_ = false;
    bool closed_ = false;
};

}  // namespace monitor::app

#pragma once
// The dispatcher's host actions carried out by the monitor's host functions.
// The object owns the platform's desktop, the window's host services and the
// host functions built over them.

#include <memory>

#include "monitor/app/EventDispatcher.h"
#include "monitor/dispatch/HostActions.h"
#include "monitor/host/HostFunctions.h"
#include "monitor/wiring/PlatformDesktop.h"
#include "monitor/wiring/WindowHostServices.h"

namespace monitor::wiring {

inline constexpr std::chrono::milliseconds kPlayerStopLimit{1000};

class HostFunctionActions final : public dispatch::HostActions {
public:
    // nullptr when the platform's desktop cannot be opened or the player's
    // thread cannot start.
    static std::unique_ptr<HostFunctionActions> create(app::MonitorServices& window);
    ~HostFunctionActions() override;

    void buttonAction(int slotNumber, bool released) override { host_.onButtonAction(slotNumber, released); }
    void launchProgram(int slotNumber) override { host_.launchProgram(slotNumber); }
    void mediaFunction(std::uint8_t functionCode, bool released) override
    {
        host_.onMediaFunction(functionCode, released);
    }
    void tiltScroll(int direction) override;
    void webScroll(platform::WParam count, bool left) override { host_.onWebScroll(count, left ? 1 : 0); }

    bool feedbackGateOpen() const override { return feedback().feedbackGateOpen(); }
    bool countdownInFinalPhase() const override { return feedback().countdown().finalPhase(); }
    void stopPendingFeedback() override { host_.feedback().cancelPendingSounds(); }
    void startFeedbackTimer(std::uint32_t id, std::uint32_t intervalMs) override
    {
        services_.setTimer(id, intervalMs);
    }
    void rememberResolution(std::int32_t value) override { host_.feedback().rememberResolution(value); }
    void announceTrophy(bool allTrophiesEarned) override { host_.feedback().announceTrophy(allTrophiesEarned); }

    void onTimer(std::uint32_t id) override { host_.onTimer(id); }
    void shutdown() override;

private:
    HostFunctionActions(app::MonitorServices& window, std::unique_ptr<PlatformDesktop> desktop);
    const host::SoundFeedback& feedback() const { return feedback_; }

    std::unique_ptr<PlatformDesktop> desktop_;
    WindowHostServices services_;
    host::HostFunctions host_;
    host::SoundFeedback& feedback_ = host_.feedback();
    bool shutDown_ = false;
};

// The monitor's dispatcher with the host functions; the logging dispatcher when
// the host functions cannot run.
std::unique_ptr<app::EventDispatcher> createMonitorDispatcher(app::MonitorServices& window);

}  // namespace monitor::wiring

#pragma once
// What the dispatcher asks of the monitor's host functions (action engine,
// scrolling, sound feedback). Every call is made on the
// window thread; slot numbers are settings slot + 1 (1-24).

#include <cstdint>

#include "platform/Types.h"

namespace monitor::dispatch {

class HostActions {
public:
    virtual ~HostActions() = default;

    // The slot's function, pressed or released.
    virtual void buttonAction(int slotNumber, bool released) = 0;
    // Opens the slot's program path when its function code is 15.
    virtual void launchProgram(int slotNumber) = 0;
    // Function codes 32-39.
    virtual void mediaFunction(std::uint8_t functionCode, bool released) = 0;
    // Wheel tilt: -1 scrolls right, +1 left.
    virtual void tiltScroll(int direction) = 0;
    // Message 1238.
    virtual void webScroll(platform::WParam count, bool left) = 0;

    // Open when no countdown is in its final seconds and no trophy announcement runs.
    virtual bool feedbackGateOpen() const = 0;
    virtual bool countdownInFinalPhase() const = 0;
    // Stops timers 601-603, 605-608 and 610 and ends a running trophy announcement.
    virtual void stopPendingFeedback() = 0;
    virtual void startFeedbackTimer(std::uint32_t id, std::uint32_t intervalMs) = 0;
    // The CPI value (in units of 100) that timer 603 announces.
    virtual void rememberResolution(std::int32_t value) = 0;
    // Plays sound 51 (all trophies) or 50 at once; the announcement counts as
    // running until timer 610 fires.
    virtual void announceTrophy(bool allTrophiesEarned) = 0;

    // Timers 102, 500 and 600-610.
    virtual void onTimer(std::uint32_t id) = 0;
    // Stops every feedback timer and releases held keys.
    virtual void shutdown() = 0;
};

}  // namespace monitor::dispatch

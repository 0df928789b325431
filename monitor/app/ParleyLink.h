#pragma once
// What the monitor keeps about the Parley software and what it tells it: the
// Parley window learned from its status message, whether Parley has taken over
// the tray, the inter-device lock, and the presence and CPI copy-data messages.

#include <cstddef>
#include <cstdint>
#include <functional>

#include "messages/MessageNumbers.h"
#include "platform/Types.h"
#include "settings/SettingsBlock.h"

namespace monitor::app {

// The presence or CPI payload: the mouse's IDs, the monitor's window and the
// active profile's five CPI levels x 100 (zeros without an active profile).
messages::ParleyPresencePayload parleyPresencePayload(const settings::SettingsBlock& block,
                                                      platform::WindowHandle monitorWindow);

class ParleyLink {
public:
    using CopyDataSender = std::function<bool(platform::WindowHandle target, std::uint32_t dwData,
                                              const void* data, std::size_t size)>;
    // Posts to the window titled "VANTRO Parley Monitor"; false when there is none.
    using Poster = std::function<bool(platform::MessageId message)>;

    // The platform's synchronous copy-data send and window post.
    explicit ParleyLink(platform::WindowHandle monitorWindow);
    ParleyLink(platform::WindowHandle monitorWindow, CopyDataSender send, Poster post);

    platform::WindowHandle parleyWindow() const { return parleyWindow_; }
    bool hasTakenOver() const { return takenOver_; }
    int interDeviceLock() const { return interDeviceLock_; }

    // Status command 6: learns the window when none is known; true when it did.
    // Either way Parley now has the tray.
    bool takeOver(platform::WindowHandle parleyWindow);
    // Status command 7.
    void release();

    // Nothing is sent while no Parley window is known; false then.
    bool sendPresence(const settings::SettingsBlock& block, bool mousePresent);
    bool sendCpiLevels(const settings::SettingsBlock& block);

    // At profile switches and apply requests: the lock opens, and Parley is told
    // when it has the tray. `activeStatusMessage` is the registered
    // "WM_PARLEY_ACTIVE_STATUS_TO_PARLEY".
    void releaseInterDeviceLock(platform::MessageId activeStatusMessage);
    void setInterDeviceLock(int state) { interDeviceLock_ = state; }

private:
    bool sendPayload(std::uint32_t kind, const settings::SettingsBlock& block);

    platform::WindowHandle monitorWindow_;
    CopyDataSender send_;
    Poster post_;
    platform::WindowHandle parleyWindow_ = 0;
    bool takenOver_ = false;
    int interDeviceLock_ = 0;
};

}  // namespace monitor::app

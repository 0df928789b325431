#pragma once
// What a program that uses the bridge against the simulator sets up once per
// process (a private runtime folder, the simulator backend, the event loop
// application, hidbridge.so loaded and bound), and a message window handler
// that records what the bridge posts. Shared by the end-to-end tests and the
// benchmarks.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "hidbridge/BridgeLibrary.h"
#include "platform/windows/MessageWindow.h"

namespace hidbridge::e2e {

inline constexpr platform::MessageId kEventMessage = 1325;
inline constexpr platform::MessageId kDeviceMessage = 1326;
inline constexpr platform::MessageId kMarkerMessage = platform::WM_APP + 7;

class BridgeProcess {
public:
    // Set up on the first call, from the main thread.
    static BridgeProcess& instance();

    const std::string& failure() const { return failure_; }  // empty when ready
    const std::string& runtimeDir() const { return runtimeDir_; }
    // The bus folder the simulator and the bridge share.
    std::string busFolder() const { return runtimeDir_ + "/zuronoxa/hidsim/"; }
    // Valid once failure() is empty.
    const BridgeExports& bridge() const { return library_->exports(); }

private:
    BridgeProcess();
    ~BridgeProcess();
    std::string failure_;
    std::string runtimeDir_;
    std::unique_ptr<BridgeLibrary> library_;
};

struct ReceivedMessage {
    platform::MessageId message;
    platform::WParam wParam;
    platform::LParam lParam;
    std::chrono::steady_clock::time_point at;
};

class MessageRecorder : public platform::MessageHandler {
public:
    platform::LResult onMessage(platform::MessageId message, platform::WParam wParam,
                                platform::LParam lParam) override;

    std::vector<ReceivedMessage> messages;
    // Called for each message as it is handled (the benchmarks time it here).
    std::function<void(const ReceivedMessage&)> onEach;

    std::vector<ReceivedMessage> only(platform::MessageId message) const;
    std::size_t count(platform::MessageId message) const { return only(message).size(); }

    // Runs the calling thread's events until `done` holds; false after `limitMs`.
    static bool runUntil(const std::function<bool()>& done, int limitMs = 5000);
};

}  // namespace hidbridge::e2e

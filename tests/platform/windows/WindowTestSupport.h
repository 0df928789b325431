#pragma once
// Shared pieces of the message window tests: a private runtime folder per test, a
// handler that records what arrives, and waiting on the event loop with a limit.

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/windows/MessageWindow.h"

namespace windowtest {

using namespace std::chrono_literals;
using platform::LParam;
using platform::LResult;
using platform::MessageId;
using platform::WindowHandle;
using platform::WParam;

struct Received {
    MessageId message;
    WParam wParam;
    LParam lParam;
    std::thread::id thread;
};

struct ReceivedCopy {
    WindowHandle sender;
    std::uint32_t dwData;
    std::vector<std::uint8_t> payload;
};

class RecordingHandler : public platform::MessageHandler {
public:
    // What a message returns; 0 when unset.
    std::function<LResult(MessageId, WParam, LParam)> reply;
    std::vector<Received> messages;
    std::vector<ReceivedCopy> copies;

    LResult onMessage(MessageId message, WParam wParam, LParam lParam) override;
    LResult onCopyData(WindowHandle sender, std::uint32_t dwData, const std::uint8_t* data,
                       std::size_t size) override;

    std::size_t count(MessageId message) const;
    std::vector<Received> only(MessageId message) const;
};

// Wakes the main thread's event loop, so that a runUntil there looks at a flag
// that another thread has just set.
void wakeMainLoop();

// Every test runs with XDG_RUNTIME_DIR set to a fresh folder of mode 0700, and with
// the application object the windows need.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    const std::string& runtimeFolder() const { return folder_; }

    // Runs the calling thread's events until `done` holds; false after `limit`.
    static bool runUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 5s);

private:
    std::string folder_;
    std::string savedRuntimeDir_;
    bool hadRuntimeDir_ = false;
};

}  // namespace windowtest

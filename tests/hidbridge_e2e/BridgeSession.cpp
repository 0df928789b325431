#include "tests/hidbridge_e2e/BridgeSession.h"

#include <cstdlib>
#include <filesystem>

#include "platform/windows/EventLoop.h"

namespace hidbridge::e2e {

BridgeProcess& BridgeProcess::instance()
{
    static BridgeProcess process;
    return process;
}

BridgeProcess::BridgeProcess()
{
    static int argc = 1;
    static char name[] = "hidbridge_e2e";
    static char* argv[] = {name, nullptr};
    platform::ensureEventLoopApplication(argc, argv);

    // The bridge picks its backends and their folder once per process, so every
    // test of the process shares this runtime folder.
    std::string pattern = (std::filesystem::temp_directory_path() / "zuro-hidbridge-e2e-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        failure_ = "cannot create a runtime folder";
        return;
    }
    runtimeDir_ = pattern;
    setenv("XDG_RUNTIME_DIR", runtimeDir_.c_str(), 1);
    setenv("ZURO_HID_BACKEND", "simulator", 1);
    library_ = BridgeLibrary::load(HIDBRIDGE_LIBRARY, failure_);
}

BridgeProcess::~BridgeProcess()
{
    std::error_code ignored;
    if (!runtimeDir_.empty()) std::filesystem::remove_all(runtimeDir_, ignored);
}

platform::LResult MessageRecorder::onMessage(platform::MessageId message, platform::WParam wParam,
                                             platform::LParam lParam)
{
    messages.push_back({message, wParam, lParam, std::chrono::steady_clock::now()});
    if (onEach) onEach(messages.back());
    return 0;
}

std::vector<ReceivedMessage> MessageRecorder::only(platform::MessageId message) const
{
    std::vector<ReceivedMessage> matching;
    for (const ReceivedMessage& m : messages)
        if (m.message == message) matching.push_back(m);
    return matching;
}

bool MessageRecorder::runUntil(const std::function<bool()>& done, int limitMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (!done()) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        platform::processEvents(static_cast<int>(left.count()));
    }
    return true;
}

}  // namespace hidbridge::e2e

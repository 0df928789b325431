#pragma once
// A keyboard grab for tests: records grabs and releases, can refuse to grab, and
// hands out the keys a test queues while it holds the keyboard.

#include <cstdint>
#include <vector>

#include "platform/input/KeyboardGrab.h"

namespace fakes {

class RecordingKeyboardGrab final : public platform::KeyboardGrab {
public:
    bool grab() override
    {
        ++grabs;
        grabbed_ = grabbable;
        return grabbed_;
    }
    void release() override
    {
        releases += grabbed_ ? 1 : 0;
        grabbed_ = false;
        queued_.clear();
    }
    bool grabbed() const override { return grabbed_; }
    int readableFd() const override { return -1; }
    std::vector<platform::GrabbedKey> takeKeys() override
    {
        std::vector<platform::GrabbedKey> keys;
        keys.swap(queued_);
        return keys;
    }

    // Queued only while grabbed, as a real grab sees keys only then.
    void queue(std::uint8_t virtualKey, bool released, std::uint32_t timeMs = 0)
    {
        if (grabbed_)
            queued_.push_back({virtualKey, 0, released, timeMs});
    }

    bool grabbable = true;
    int grabs = 0;
    int releases = 0;

private:
    bool grabbed_ = false;
    std::vector<platform::GrabbedKey> queued_;
};

}  // namespace fakes

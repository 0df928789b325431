#pragma once
// A key source for tests: records installs and removals, and types keys into
// whatever listener is installed.

#include <cstdint>

#include "option/core/KeyCapture.h"

namespace option::core::test {

class FakeKeySource : public KeySource {
public:
    bool install(KeyListener& listener) override
    {
        ++installs;
        if (!grabbable)
            return false;
        listener_ = &listener;
        return true;
    }
    void remove() override { listener_ = nullptr; }
    bool installed() const { return listener_ != nullptr; }

    // A key by its virtual key, at `timeMs`; scan code 0 (the virtual key's own row).
    void key(std::uint8_t virtualKey, bool released, std::uint32_t timeMs = 0)
    {
        if (listener_)
            listener_->keyMessage(KeyMessage{virtualKey, 0, released, timeMs});
    }
    void tap(std::uint8_t virtualKey, std::uint32_t timeMs = 0)
    {
        key(virtualKey, false, timeMs);
        key(virtualKey, true, timeMs);
    }

    bool grabbable = true;
    int installs = 0;

private:
    KeyListener* listener_ = nullptr;
};

}  // namespace option::core::test

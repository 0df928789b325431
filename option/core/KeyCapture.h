#pragma once
// Keys taken from the keyboard while the macro recorder, the timeline's key
// capture or the shortcut dialog listens. A key source is installed for one
// listener at a time; while installed, every keystroke goes to that listener
// alone and reaches no other program.
#include <cstdint>

namespace option::core {

struct KeyMessage {
    std::uint8_t virtualKey = 0;  // Windows virtual-key numbering
    std::uint16_t scanCode = 0;   // set-1 scan code of the physical key, 0 when unknown
    bool released = false;
    std::uint32_t timeMs = 0;     // a millisecond clock that may wrap
};

class KeyListener {
public:
    virtual ~KeyListener() = default;
    virtual void keyMessage(const KeyMessage& message) = 0;
};

class KeySource {
public:
    virtual ~KeySource() = default;
    // Starts delivering every key to `listener`; false when the keyboard cannot
    // be taken (nothing is then delivered).
    virtual bool install(KeyListener& listener) = 0;
    virtual void remove() = 0;
};

}  // namespace option::core

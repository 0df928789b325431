#pragma once
// Taking the whole keyboard for the macro recorder and the shortcut dialog: while
// grabbed, every keystroke of the desktop comes here alone and reaches no other
// program. On X11 this is an active grab of the root window on a connection of
// its own, so the grab ends with that connection, also when the process dies.
//
// The grab never blocks: a caller watches readableFd() (a socket notifier of its
// event loop) and takes the keys that arrived with takeKeys().

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

struct GrabbedKey {
    std::uint8_t virtualKey = 0;  // Windows virtual-key numbering, 0 when none stands for the key
    std::uint16_t scanCode = 0;   // set-1 scan code of the physical key (0xE0 prefix in the high byte)
    bool released = false;
    std::uint32_t timeMs = 0;     // the server's millisecond clock, wraps
};

class KeyboardGrab {
public:
    virtual ~KeyboardGrab() = default;
    // Takes the keyboard; false when it cannot be taken (no display, another
    // program holds it). Grabbing twice keeps the one grab.
    virtual bool grab() = 0;
    virtual void release() = 0;
    virtual bool grabbed() const = 0;
    // Becomes readable when keys may wait; -1 without a connection.
    virtual int readableFd() const = 0;
    // The keys that arrived since the last call, oldest first.
    virtual std::vector<GrabbedKey> takeKeys() = 0;
};

// The grab on the X display `displayName` (nullptr: $DISPLAY). The display is
// opened at the first grab.
std::unique_ptr<KeyboardGrab> createX11KeyboardGrab(const char* displayName = nullptr);

// The virtual key of a key with X keysym `keysym` (first level of the group in
// use) and set-1 scan code `scanCode`: the layout's key for character keys, the
// key of its position for the others; 0 when neither names one.
std::uint8_t virtualKeyOfGrabbedKey(std::uint32_t keysym, std::uint16_t scanCode);

}  // namespace platform

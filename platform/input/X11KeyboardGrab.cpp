#include "platform/input/KeyboardGrab.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <string>

#include "platform/input/VirtualKeys.h"
#include "platform/system/DebugOutput.h"

namespace platform {

namespace {

// Digits, letters and the punctuation keys: what they stand for follows the layout.
constexpr bool isCharacterKey(std::uint8_t virtualKey)
{
    return (virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z')
           || (virtualKey >= 0xBA && virtualKey <= 0xC0) || (virtualKey >= 0xDB && virtualKey <= 0xDF);
}

}  // namespace

std::uint8_t virtualKeyOfGrabbedKey(std::uint32_t keysym, std::uint16_t scanCode)
{
    // Keys of fixed meaning (modifiers, keypad, arrows) go by their position, so
    // left and right stay apart; character keys by what the layout types.
    const std::uint8_t byPosition = usVirtualKeyOfScanCode(scanCode);
    if (byPosition != 0 && !isCharacterKey(byPosition))
        return byPosition;
    const std::uint8_t byKeysym = virtualKeyOfKeysym(keysym);
    return byKeysym != 0 && isCharacterKey(byKeysym) ? byKeysym : byPosition;
}

namespace {

// X keycodes are evdev codes + 8.
constexpr int kX11KeycodeOffset = 8;

class X11KeyboardGrab final : public KeyboardGrab {
public:
    explicit X11KeyboardGrab(const char* displayName) : hasName_(displayName != nullptr)
    {
        if (displayName)
            name_ = displayName;
    }

    ~X11KeyboardGrab() override
    {
        release();
        if (display_)
            XCloseDisplay(display_);
    }

    bool grab() override
    {
        if (grabbed_)
            return true;
        if (!display_)
            display_ = XOpenDisplay(hasName_ ? name_.c_str() : nullptr);
        if (!display_) {
            debugPrintf("KeyboardGrab: no display\n");
            return false;
        }
        const int status = XGrabKeyboard(display_, DefaultRootWindow(display_), False, GrabModeAsync, GrabModeAsync,
                                         CurrentTime);
        grabbed_ = status == GrabSuccess;
        if (!grabbed_)
            debugPrintf("KeyboardGrab: refused (%d)\n", status);
        XFlush(display_);
        return grabbed_;
    }

    void release() override
    {
        if (!grabbed_)
            return;
        grabbed_ = false;
        XUngrabKeyboard(display_, CurrentTime);
        // Keys that came in before the release belong to nobody now.
        XSync(display_, True);
    }

    bool grabbed() const override { return grabbed_; }

    int readableFd() const override { return display_ ? ConnectionNumber(display_) : -1; }

    std::vector<GrabbedKey> takeKeys() override
    {
        std::vector<GrabbedKey> keys;
        if (!display_)
            return keys;
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (!grabbed_ || (event.type != KeyPress && event.type != KeyRelease))
                continue;
            const unsigned keycode = event.xkey.keycode;
            const std::uint16_t scan = scanCodeOfEvdevCode(static_cast<int>(keycode) - kX11KeycodeOffset);
            XkbStateRec state{};
            XkbGetState(display_, XkbUseCoreKbd, &state);
            const KeySym keysym = XkbKeycodeToKeysym(display_, static_cast<KeyCode>(keycode), state.group, 0);
            GrabbedKey key;
            key.virtualKey = virtualKeyOfGrabbedKey(static_cast<std::uint32_t>(keysym), scan);
            key.scanCode = scan;
            key.released = event.type == KeyRelease;
            key.timeMs = static_cast<std::uint32_t>(event.xkey.time);
            keys.push_back(key);
        }
        return keys;
    }

private:
    std::string name_;
    bool hasName_;
    Display* display_ = nullptr;
    bool grabbed_ = false;
};

}  // namespace

std::unique_ptr<KeyboardGrab> createX11KeyboardGrab(const char* displayName)
{
    return std::make_unique<X11KeyboardGrab>(displayName);
}

}  // namespace platform

// Input injection through the XTest extension.

#include "platform/input/InputInjector.h"
#include "platform/input/VirtualKeys.h"
#include "platform/input/X11Connection.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <array>
#include <cstdlib>
#include <mutex>

namespace platform {
namespace {

constexpr int kKeycodeOffset = 8;  // X keycode = evdev code + 8
constexpr int kMinKeycode = 8;
constexpr int kMaxKeycode = 255;

constexpr unsigned kButtonLeft = 1;
constexpr unsigned kButtonMiddle = 2;
constexpr unsigned kButtonRight = 3;
constexpr unsigned kButtonScrollLeft = 6;
constexpr unsigned kButtonScrollRight = 7;
constexpr unsigned kButtonBack = 8;     // X button 1
constexpr unsigned kButtonForward = 9;  // X button 2

// The absolute value of the wheel steps sent in one call is limited, so that a
// wrong count cannot flood the input stream.
constexpr int kMaxWheelSteps = 100;

unsigned xButtonOf(MouseButton button)
{
    switch (button) {
    case MouseButton::Left: return kButtonLeft;
    case MouseButton::Right: return kButtonRight;
    case MouseButton::Middle: return kButtonMiddle;
    case MouseButton::X1: return kButtonBack;
    case MouseButton::X2: return kButtonForward;
    }
    return kButtonLeft;
}

class X11InputInjector final : public InputInjector {
public:
    explicit X11InputInjector(const char* displayName) : connection_(displayName) {}

    bool sendKey(std::uint8_t virtualKey, std::uint16_t scanCode, KeyAction action) override
    {
        std::lock_guard lock(mutex_);
        Display* display = connection_.displayWithXTest();
        if (display == nullptr) return false;
        KeyCode keycode = 0;
        if (const std::uint32_t keysym = keysymOfVirtualKey(virtualKey); keysym != 0)
            keycode = XKeysymToKeycode(display, keysym);
        if (keycode == 0) keycode = keycodeOfScanCode(scanCode);
        if (keycode == 0) return false;
        XTestFakeKeyEvent(display, keycode, action == KeyAction::Down ? True : False, CurrentTime);
        XFlush(display);
        return true;
    }

    bool sendUsageKey(std::uint8_t, std::uint8_t virtualKey, KeyAction action) override
    {
        if (virtualKey == 0) return false;
        return sendKey(virtualKey, scanCodeOfVirtualKey(virtualKey), action);
    }

    bool sendButton(MouseButton button, KeyAction action) override
    {
        std::lock_guard lock(mutex_);
        Display* display = connection_.displayWithXTest();
        if (display == nullptr) return false;
        XTestFakeButtonEvent(display, xButtonOf(button), action == KeyAction::Down ? True : False, CurrentTime);
        XFlush(display);
        return true;
    }

    bool scrollHorizontally(int steps) override
    {
        if (steps == 0 || std::abs(steps) > kMaxWheelSteps) return false;
        std::lock_guard lock(mutex_);
        Display* display = connection_.displayWithXTest();
        if (display == nullptr) return false;
        const unsigned button = steps < 0 ? kButtonScrollLeft : kButtonScrollRight;
        for (int i = 0; i < std::abs(steps); ++i) {
            XTestFakeButtonEvent(display, button, True, CurrentTime);
            XTestFakeButtonEvent(display, button, False, CurrentTime);
        }
        XFlush(display);
        return true;
    }

    bool setCursorPosition(ScreenPoint point) override
    {
        std::lock_guard lock(mutex_);
        Display* display = connection_.displayWithXTest();
        if (display == nullptr) return false;
        XTestFakeMotionEvent(display, -1, point.x, point.y, CurrentTime);
        // Handled before this returns, so a click that follows through another
        // channel (uinput) lands at the new position.
        XSync(display, False);
        return true;
    }

    bool cursorPosition(ScreenPoint& point) override
    {
        std::lock_guard lock(mutex_);
        Display* display = connection_.display();
        if (display == nullptr) return false;
        Window root = 0;
        Window child = 0;
        int rootX = 0;
        int rootY = 0;
        int x = 0;
        int y = 0;
        unsigned mask = 0;
        if (!XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &x, &y, &mask))
            return false;
        point = {rootX, rootY};
        return true;
    }

    bool buttonsSwapped() override
    {
        std::lock_guard lock(mutex_);
        Display* display = connection_.display();
        if (display == nullptr) return false;
        std::array<unsigned char, 256> map{};
        const int count = XGetPointerMapping(display, map.data(), static_cast<int>(map.size()));
        return count >= 3 && map[0] == kButtonRight;
    }

    std::uint8_t virtualKeyOfScanCode(std::uint16_t scanCode) override
    {
        const std::uint8_t usKey = usVirtualKeyOfScanCode(scanCode);
        std::lock_guard lock(mutex_);
        Display* display = connection_.display();
        const KeyCode keycode = keycodeOfScanCode(scanCode);
        if (display == nullptr || keycode == 0) return usKey;
        // The key's unshifted symbol in the keyboard group in use.
        XkbStateRec state{};
        const int group = XkbGetState(display, XkbUseCoreKbd, &state) == Success ? state.group : 0;
        const std::uint8_t layoutKey =
            virtualKeyOfKeysym(static_cast<std::uint32_t>(XkbKeycodeToKeysym(display, keycode, group, 0)));
        // Left/right modifiers and keys typing symbols outside the table keep
        // their US virtual key.
        if (layoutKey == 0 || usKey == VK_LSHIFT || usKey == VK_RSHIFT || usKey == VK_LCONTROL ||
            usKey == VK_RCONTROL || usKey == VK_LMENU || usKey == VK_RMENU)
            return usKey;
        return layoutKey;
    }

    std::uint16_t scanCodeOfVirtualKey(std::uint8_t virtualKey) override
    {
        const std::uint16_t usScan = usScanCodeOfVirtualKey(virtualKey);
        const std::uint32_t keysym = keysymOfVirtualKey(virtualKey);
        std::lock_guard lock(mutex_);
        Display* display = connection_.display();
        if (display == nullptr || keysym == 0) return usScan;
        const KeyCode keycode = XKeysymToKeycode(display, keysym);
        if (keycode < kMinKeycode) return usScan;
        const std::uint16_t scan = scanCodeOfEvdevCode(keycode - kKeycodeOffset);
        return scan == 0 ? usScan : static_cast<std::uint16_t>(scan & 0xFF);
    }

    InjectionMethod method() const override { return InjectionMethod::XTest; }

private:
    static KeyCode keycodeOfScanCode(std::uint16_t scanCode)
    {
        const int evdev = evdevCodeOfScanCode(scanCode);
        if (evdev == 0 || evdev + kKeycodeOffset > kMaxKeycode) return 0;
        return static_cast<KeyCode>(evdev + kKeycodeOffset);
    }

    std::mutex mutex_;
    X11Connection connection_;
};

}  // namespace

std::unique_ptr<InputInjector> openXTestInjector(const char* displayName)
{
    return std::make_unique<X11InputInjector>(displayName);
}

}  // namespace platform

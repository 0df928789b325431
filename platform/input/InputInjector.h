#pragma once
// Puts key and mouse-button events into the system's input stream, as if typed
// or clicked by the user (keybd_event, mouse_event and MapVirtualKeyA). Two ways
// exist: XTest, which reaches the programs of one X display, and a virtual
// device made through the kernel's uinput, which reaches every program under
// X11 and Wayland alike.

#include <cstdint>
#include <memory>

namespace platform {

enum class KeyAction { Down, Up };

enum class MouseButton { Left, Right, Middle, X1, X2 };

enum class InjectionMethod { XTest, Uinput };

// "xtest" or "uinput", as ZURO_INPUT takes them and `zuroctl status` shows them.
const char* injectionMethodName(InjectionMethod method);

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

class InputInjector {
public:
    virtual ~InputInjector() = default;

    // One key event for Windows virtual key `virtualKey` (translated through the
    // current keyboard layout); `scanCode` is the key's set-1 scan code, used
    // when the layout has no key for the virtual key. False when nothing was sent.
    virtual bool sendKey(std::uint8_t virtualKey, std::uint16_t scanCode, KeyAction action) = 0;

    // One key event for the key of HID keyboard usage `usage` (page 7), which
    // `virtualKey` names in the current layout. XTest types the virtual key as
    // sendKey does; uinput presses the key at the usage's position (the
    // kernel's fixed table), whatever the layout. False when nothing was sent.
    virtual bool sendUsageKey(std::uint8_t usage, std::uint8_t virtualKey, KeyAction action) = 0;

    virtual bool sendButton(MouseButton button, KeyAction action) = 0;

    // `steps` notches of the horizontal wheel: negative left, positive right.
    virtual bool scrollHorizontally(int steps) = 0;

    virtual bool setCursorPosition(ScreenPoint point) = 0;
    // False (and `point` untouched) when the position cannot be read.
    virtual bool cursorPosition(ScreenPoint& point) = 0;

    // Whether the primary and secondary buttons are swapped (SM_SWAPBUTTON).
    virtual bool buttonsSwapped() = 0;

    // MapVirtualKeyA in the current keyboard layout: the virtual key of a set-1
    // scan code (MAPVK_VSC_TO_VK_EX, 0xE0 prefix in the high byte) and the scan
    // code of a virtual key (MAPVK_VK_TO_VSC); 0 when there is none.
    virtual std::uint8_t virtualKeyOfScanCode(std::uint16_t scanCode) = 0;
    virtual std::uint16_t scanCodeOfVirtualKey(std::uint8_t virtualKey) = 0;

    virtual InjectionMethod method() const = 0;
};

// The injector of the X display `displayName` (nullptr: $DISPLAY) through XTest.
// The display is opened at first use; without one every call returns false
// (and the key conversions fall back to the US layout).
std::unique_ptr<InputInjector> openXTestInjector(const char* displayName = nullptr);

// The monitor's injector: uinput when /dev/uinput can be opened for writing and
// the virtual device made, else XTest; ZURO_INPUT=uinput or xtest asks for one
// (XTest still when uinput cannot be had). The choice goes to the debug output.
// The cursor position, the button swap and the key conversions come from the
// X display `displayName` with either.
std::unique_ptr<InputInjector> openInputInjector(const char* displayName = nullptr);

}  // namespace platform

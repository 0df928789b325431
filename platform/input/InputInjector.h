#pragma once
// Puts key and mouse-button events into the system's input stream, as if typed
// or clicked by the user (keybd_event, mouse_event and MapVirtualKeyA).

#include <cstdint>
#include <memory>

namespace platform {

enum class KeyAction { Down, Up };

enum class MouseButton { Left, Right, Middle, X1, X2 };

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
};

// The injector of the X display `displayName` (nullptr: $DISPLAY) through XTest.
// The display is opened at first use; without one every call returns false
// (and the key conversions fall back to the US layout).
std::unique_ptr<InputInjector> openInputInjector(const char* displayName = nullptr);

}  // namespace platform

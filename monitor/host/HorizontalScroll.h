#pragma once
// Wheel tilt: finds the horizontal scroll bar of the window under the cursor
// and scrolls it the way its kind of window understands (scroll-bar messages, a
// click on the bar's arrow, arrow keys, or the web control's document).

#include "messages/MessageNumbers.h"
#include "monitor/host/ScrollTarget.h"
#include "monitor/host/WindowTreeView.h"
#include "platform/Types.h"

namespace monitor::host {

inline constexpr platform::MessageId kMessageHorizontalScroll = 0x0114;  // WM_HSCROLL
inline constexpr platform::MessageId kMessageKeyDown = 0x0100;           // WM_KEYDOWN
inline constexpr platform::MessageId kMessageKeyUp = 0x0101;             // WM_KEYUP
inline constexpr platform::WParam kScrollLineLeft = 0;
inline constexpr platform::WParam kScrollLineRight = 1;

enum class TiltDirection { Left = 1, Right = -1 };

// What scrolling does to the desktop.
class ScrollOutput {
public:
    virtual ~ScrollOutput() = default;
    virtual void postMessage(WindowId window, platform::MessageId message, platform::WParam wParam,
                             platform::LParam lParam) = 0;
    virtual void sendMessage(WindowId window, platform::MessageId message, platform::WParam wParam,
                             platform::LParam lParam) = 0;
    virtual void moveCursor(ScreenPoint point) = 0;
    // Press and release of the primary button (the right one when swapped).
    virtual void clickPrimaryButton() = 0;
};

// The web control's document scrolling; false when the document refused.
class DocumentScroller {
public:
    virtual ~DocumentScroller() = default;
    virtual bool scrollBy(WindowId window, int dx, int dy) = 0;
};

class HorizontalScroll {
public:
    HorizontalScroll(const WindowTreeView& tree, ScrollOutput& output, WindowId monitorWindow)
        : tree_(tree), output_(output), monitorWindow_(monitorWindow) {}

    // One tilt event; `count` is the active profile's TiltSpeed.
    void scroll(TiltDirection direction, int count);
    // Message 1238 (wParam count, lParam 1 for left).
    void scrollWebControl(DocumentScroller& document, int count, bool left);

private:
    const WindowTreeView& tree_;
    ScrollOutput& output_;
    WindowId monitorWindow_;
};

}  // namespace monitor::host

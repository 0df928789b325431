#pragma once
// The windows of the desktop as the horizontal-scrolling logic walks them: the
// window under the cursor, its class, parent, children and siblings, and the
// ways to scroll it sideways.

#include "platform/input/InputInjector.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// A window of the desktop (an X window id); 0 is "no window".
using DesktopWindow = std::uint64_t;

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;   // exclusive
    int bottom = 0;  // exclusive
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

enum class ScrollDirection { Left, Right };

class WindowTree {
public:
    virtual ~WindowTree() = default;

    // False (and `point` untouched) when the cursor cannot be read.
    virtual bool cursorPosition(ScreenPoint& point) = 0;

    // The deepest visible window at `point` (WindowFromPoint); 0 for none.
    virtual DesktopWindow windowAt(ScreenPoint point) = 0;
    // The visible direct child of `window` at `point` (ChildWindowFromPoint
    // with the point in screen coordinates); 0 when no child is there.
    virtual DesktopWindow childAt(DesktopWindow window, ScreenPoint point) = 0;

    // The root window, standing for the desktop window.
    virtual DesktopWindow desktopWindow() = 0;
    // Whether the desktop shell draws the desktop (its background and icons) in
    // `window`: a window of type _NET_WM_WINDOW_TYPE_DESKTOP.
    virtual bool isDesktopWindow(DesktopWindow window) = 0;
    // The class name of `window` (the class part of WM_CLASS); "" when unset.
    virtual std::string className(DesktopWindow window) = 0;
    // The parent of `window`; 0 for the desktop window and unknown windows.
    virtual DesktopWindow parent(DesktopWindow window) = 0;
    // The children of `window` in stacking order, topmost first, the order in
    // which "next window" walks them.
    virtual std::vector<DesktopWindow> children(DesktopWindow window) = 0;
    // The window's rectangle on the screen; false when it is unknown.
    virtual bool screenRect(DesktopWindow window, ScreenRect& rect) = 0;
    // Whether the window scrolls sideways by itself (the WS_HSCROLL style).
    virtual bool hasHorizontalScrollBar(DesktopWindow window) = 0;

    // Scrolls `window` sideways by `steps` steps (WM_HSCROLL with a line left or
    // right): horizontal wheel steps at the cursor. False when nothing was sent,
    // and when `window` is not under the cursor.
    virtual bool scrollWindow(DesktopWindow window, ScrollDirection direction, int steps) = 0;
    // `count` presses of the left or right arrow key for `window` (the arrow-key
    // messages and the web-control scroll). False when nothing was sent.
    virtual bool pressArrowKey(DesktopWindow window, ScrollDirection direction, int count) = 0;
};

// The window tree of the X display `displayName` (nullptr: $DISPLAY), opened at
// first use; without a display every query finds nothing.
std::unique_ptr<WindowTree> openWindowTree(const char* displayName = nullptr);

}  // namespace platform

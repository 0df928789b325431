#pragma once
// The read-only view of the desktop's windows that the horizontal scrolling
// needs: classes, styles, screen rectangles and the z-order links between
// siblings. The platform supplies the real tree; tests build small fake ones.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Types.h"

namespace monitor::host {

using WindowId = std::uint64_t;  // 0 = no window; wide enough for X window ids

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

inline constexpr std::uint32_t kStyleHorizontalScroll = 0x00100000;  // WS_HSCROLL
inline constexpr std::uint32_t kScrollBarVertical = 0x0001;          // SBS_VERT
inline constexpr std::uint32_t kScrollBarSizeBox = 0x0008;           // SBS_SIZEBOX

class WindowTreeView {
public:
    virtual ~WindowTreeView() = default;

    virtual ScreenPoint cursorPosition() const = 0;
    virtual WindowId windowAt(ScreenPoint point) const = 0;
    virtual WindowId desktopWindow() const = 0;
    // A window the desktop shell draws the desktop in (besides the root window).
    virtual bool isDesktopWindow(WindowId window) const = 0;

    // "" for a window that no longer exists.
    virtual std::string className(WindowId window) const = 0;
    virtual std::uint32_t style(WindowId window) const = 0;
    virtual ScreenRect screenRect(WindowId window) const = 0;

    virtual WindowId parent(WindowId window) const = 0;
    virtual WindowId firstChild(WindowId window) const = 0;
    // The sibling below (next) or above (previous) in z-order; 0 at the end.
    virtual WindowId nextSibling(WindowId window) const = 0;
    virtual WindowId previousSibling(WindowId window) const = 0;
    // The direct child of `window` that holds the point, 0 when none does.
    virtual WindowId childAt(WindowId window, ScreenPoint point) const = 0;
    // Every descendant, parents before their children, siblings in z-order.
    virtual std::vector<WindowId> descendants(WindowId window) const = 0;
};

}  // namespace monitor::host

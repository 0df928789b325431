// The X window tree. X windows have no scroll-bar style and take no scroll
// messages: any visible window counts as scrolling sideways by itself, and a
// scroll reaches it as horizontal wheel steps or arrow keys injected through
// XTest while it is under the cursor, the way a user would scroll it.

#include "platform/desktop/WindowTree.h"
#include "platform/input/X11Connection.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <cstdlib>
#include <mutex>

namespace platform {
namespace {

constexpr unsigned kButtonScrollLeft = 6;
constexpr unsigned kButtonScrollRight = 7;
// Bounds a walk up or down the tree, against a tree that changes meanwhile.
constexpr int kMaxDepth = 64;
constexpr int kMaxSteps = 100;
// A window names a handful of types at most; more are not read.
constexpr long kMaxWindowTypes = 32;

class X11WindowTree final : public WindowTree {
public:
    explicit X11WindowTree(const char* displayName) : connection_(displayName) {}

    bool cursorPosition(ScreenPoint& point) override
    {
        std::lock_guard lock(mutex_);
        Display* display = connection_.display();
        return display != nullptr && pointer(display, point);
    }

    DesktopWindow windowAt(ScreenPoint point) override
    {
        std::lock_guard lock(mutex_);
        Display* display = connection_.display();
        return display == nullptr ? 0 : deepestAt(display, point);
    }

    DesktopWindow childAt(DesktopWindow window, ScreenPoint point) override
    {
        std::lock_guard lock(mutex_);
        Display* display = connection_.display();
        return display == nullptr ? 0 : childContaining(display, window, point);
    }

    DesktopWindow desktopWindow() override
    {
        std::lock_guard lock(mutex_);
        Display* display = connection_.display();
        return display == nullptr ? 0 : DefaultRootWindow(display);
    }

    bool isDesktopWindow(DesktopWindow window) override
    {
        std::lock_guard lock(mutex_);
        Display* display = connection_.display();
        if (display == nullptr || window == 0) return false;
        if (windowTypeAtom_ == 0) {
            windowTypeAtom_ = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
            desktopTypeAtom_ = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DESKTOP", False);
        }
        X11ErrorTrap trap(display);
        Atom actualType = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long remaining = 0;
        unsigned char* data = nullptr;
        const int status = XGetWindowProperty(display, static_cast<Window>(window), windowTypeAtom_, 0,
                                              kMaxWindowTypes, False, XA_ATOM, &actualType, &format, &count,
                                              &remaining, &data);
        bool desktop = false;
        if (status == Success && trap.succeeded() && actualType == XA_ATOM && format == 32 && data != nullptr) {
            const auto* types = reinterpret_cast<const unsigned long*>(data);  // 32-bit items come as longs
            for (unsigned long i = 0; i < count && !desktop; ++i) desktop = types[i] == desktopTypeAtom_;
        }
        if (data != nullptr) XFree(data);
        return desktop;
    }

    std::string className(DesktopWindow window) override
    {
        std::lock_guard lock(mutex_);
        Display* display = connection_.display();
        if (display == nullptr || window == 0) return {};
        X11ErrorTrap trap(display);
        XClassHint hint{};
        std::string name;
        if (XGetClassHint(display, static_cast<Window>(window), &hint) != 0 && hint.res_class != nullptr)
            name = hint.res_class;
        if (hint.res_name != nullptr) XFree(hint.res_name);
        if (hint.res_class != nullptr) XFree(hint.res_class);
        return trap.succeeded() ? name : std::string();
    }

    DesktopWindow parent(DesktopWindow window) override
    {
        std::lock_guard lock(mutex_);
        Display* display = connection_.display();
        if (display == nullptr || window == 0) return 0;
        Window parentWindow = 0;
        queryTree(display, window, &parentWindow, nullptr);
        return parentWindow;
    }

    std::vector<DesktopWindow> children(DesktopWindow window) override
    {
        std::lock_guard lock(mutex_);
        Display* display = connection_.display();
        std::vector<DesktopWindow> result;
        if (display != nullptr && window != 0) queryTree(display, window, nullptr, &result);
        return result;
    }

    bool screenRect(DesktopWindow window, ScreenRect& rect) override
    {
        std::lock_guard lock(mutex_);
        Display* display = connection_.display();
        if (display == nullptr || window == 0) return false;
        X11ErrorTrap trap(display);
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display, static_cast<Window>(window), &attributes) == 0) return false;
        int x = 0;
        int y = 0;
        Window child = 0;
        if (!XTranslateCoordinates(display, static_cast<Window>(window), DefaultRootWindow(display), 0, 0, &x, &y,
                                   &child) ||
            !trap.succeeded())
            return false;
        rect = {x, y, x + attributes.width, y + attributes.height};
        return true;
    }

    bool hasHorizontalScrollBar(DesktopWindow window) override
    {
        std::lock_guard lock(mutex_);
        Display* display = connection_.display();
        if (display == nullptr || window == 0) return false;
        X11ErrorTrap trap(display);
        XWindowAttributes attributes{};
        return XGetWindowAttributes(display, static_cast<Window>(window), &attributes) != 0 && trap.succeeded() &&
               attributes.c_class == InputOutput && attributes.map_state == IsViewable;
    }

    bool scrollWindow(DesktopWindow window, ScrollDirection direction, int steps) override
    {
        if (steps <= 0 || steps > kMaxSteps) return false;
        std::lock_guard lock(mutex_);
        Display* display = connection_.displayWithXTest();
        if (display == nullptr || !isUnderPointer(display, window)) return false;
        const unsigned button = direction == ScrollDirection::Left ? kButtonScrollLeft : kButtonScrollRight;
        for (int i = 0; i < steps; ++i) {
            XTestFakeButtonEvent(display, button, True, CurrentTime);
            XTestFakeButtonEvent(display, button, False, CurrentTime);
        }
        XFlush(display);
        return true;
    }

    bool pressArrowKey(DesktopWindow window, ScrollDirection direction, int count) override
    {
        if (count <= 0 || count > kMaxSteps) return false;
        std::lock_guard lock(mutex_);
        Display* display = connection_.displayWithXTest();
        if (display == nullptr || !isUnderPointer(display, window)) return false;
        const KeyCode keycode = XKeysymToKeycode(display, direction == ScrollDirection::Left ? XK_Left : XK_Right);
        if (keycode == 0) return false;
        for (int i = 0; i < count; ++i) {
            XTestFakeKeyEvent(display, keycode, True, CurrentTime);
            XTestFakeKeyEvent(display, keycode, False, CurrentTime);
        }
        XFlush(display);
        return true;
    }

private:
    static bool pointer(Display* display, ScreenPoint& point)
    {
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

    static DesktopWindow childContaining(Display* display, DesktopWindow window, ScreenPoint point)
    {
        if (window == 0) return 0;
        X11ErrorTrap trap(display);
        int x = 0;
        int y = 0;
        Window child = 0;
        if (!XTranslateCoordinates(display, DefaultRootWindow(display), static_cast<Window>(window), point.x,
                                   point.y, &x, &y, &child) ||
            !trap.succeeded())
            return 0;
        return child;
    }

    static DesktopWindow deepestAt(Display* display, ScreenPoint point)
    {
        DesktopWindow window = DefaultRootWindow(display);
        for (int depth = 0; depth < kMaxDepth; ++depth) {
            const DesktopWindow child = childContaining(display, window, point);
            if (child == 0) break;
            window = child;
        }
        return window;
    }

    // Parent and children (topmost first) of `window`; false when it is gone.
    static bool queryTree(Display* display, DesktopWindow window, Window* parentWindow,
                          std::vector<DesktopWindow>* childWindows)
    {
        X11ErrorTrap trap(display);
        Window root = 0;
        Window parentOut = 0;
        Window* list = nullptr;
        unsigned count = 0;
        if (XQueryTree(display, static_cast<Window>(window), &root, &parentOut, &list, &count) == 0 ||
            !trap.succeeded()) {
            if (list != nullptr) XFree(list);
            return false;
        }
        if (parentWindow != nullptr) *parentWindow = parentOut;
        if (childWindows != nullptr && list != nullptr)
            for (unsigned i = count; i > 0; --i) childWindows->push_back(list[i - 1]);  // X lists bottom first
        if (list != nullptr) XFree(list);
        return true;
    }

    // Whether `window` is the window under the pointer or one of its ancestors,
    // so that events at the pointer reach it.
    static bool isUnderPointer(Display* display, DesktopWindow window)
    {
        ScreenPoint point;
        if (window == 0 || !pointer(display, point)) return false;
        DesktopWindow current = deepestAt(display, point);
        for (int depth = 0; depth < kMaxDepth && current != 0; ++depth) {
            if (current == window) return true;
            Window parentWindow = 0;
            if (!queryTree(display, current, &parentWindow, nullptr)) return false;
            current = parentWindow;
        }
        return false;
    }

    std::mutex mutex_;
    X11Connection connection_;
    Atom windowTypeAtom_ = 0;
    Atom desktopTypeAtom_ = 0;
};

}  // namespace

std::unique_ptr<WindowTree> openWindowTree(const char* displayName)
{
    return std::make_unique<X11WindowTree>(displayName);
}

}  // namespace platform

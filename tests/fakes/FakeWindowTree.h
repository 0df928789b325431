#pragma once
// A window tree built by the test, recording the scrolls delivered to it.
// Window 1 is the desktop; add windows with addWindow, topmost child last added
// unless placed otherwise.

#include "platform/desktop/WindowTree.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace fakes {

class FakeWindowTree : public platform::WindowTree {
public:
    static constexpr platform::DesktopWindow kDesktop = 1;

    struct Scroll {
        enum class Kind { Wheel, ArrowKey } kind = Kind::Wheel;
        platform::DesktopWindow window = 0;
        platform::ScrollDirection direction = platform::ScrollDirection::Left;
        int count = 0;
        friend bool operator==(const Scroll&, const Scroll&) = default;
    };

    FakeWindowTree() { windows_[kDesktop].rect = {0, 0, 1920, 1080}; }

    // Adds `window` as the topmost child of `parent` (below the siblings added
    // before it when `onTop` is false).
    void addWindow(platform::DesktopWindow window, platform::DesktopWindow parent, std::string className,
                   platform::ScreenRect rect, bool horizontalScrollBar = false, bool onTop = true)
    {
        Node& node = windows_[window];
        node.parent = parent;
        node.className = std::move(className);
        node.rect = rect;
        node.horizontalScrollBar = horizontalScrollBar;
        auto& siblings = windows_[parent].children;
        if (onTop)
            siblings.insert(siblings.begin(), window);
        else
            siblings.push_back(window);
    }

    platform::ScreenPoint cursor;
    bool cursorReadable = true;
    std::vector<Scroll> scrolls;
    std::set<platform::DesktopWindow> desktopWindows;  // of the desktop type

    bool cursorPosition(platform::ScreenPoint& point) override
    {
        if (!cursorReadable) return false;
        point = cursor;
        return true;
    }

    platform::DesktopWindow windowAt(platform::ScreenPoint point) override
    {
        platform::DesktopWindow window = kDesktop;
        for (platform::DesktopWindow child = childAt(window, point); child != 0; child = childAt(window, point))
            window = child;
        return window;
    }

    platform::DesktopWindow childAt(platform::DesktopWindow window, platform::ScreenPoint point) override
    {
        auto it = windows_.find(window);
        if (it == windows_.end()) return 0;
        for (platform::DesktopWindow child : it->second.children) {
            const platform::ScreenRect& r = windows_[child].rect;
            if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom) return child;
        }
        return 0;
    }

    platform::DesktopWindow desktopWindow() override { return kDesktop; }
    bool isDesktopWindow(platform::DesktopWindow window) override { return desktopWindows.count(window) != 0; }

    std::string className(platform::DesktopWindow window) override
    {
        auto it = windows_.find(window);
        return it == windows_.end() ? std::string() : it->second.className;
    }

    platform::DesktopWindow parent(platform::DesktopWindow window) override
    {
        auto it = windows_.find(window);
        return it == windows_.end() ? 0 : it->second.parent;
    }

    std::vector<platform::DesktopWindow> children(platform::DesktopWindow window) override
    {
        auto it = windows_.find(window);
        return it == windows_.end() ? std::vector<platform::DesktopWindow>() : it->second.children;
    }

    bool screenRect(platform::DesktopWindow window, platform::ScreenRect& rect) override
    {
        auto it = windows_.find(window);
        if (it == windows_.end()) return false;
        rect = it->second.rect;
        return true;
    }

    bool hasHorizontalScrollBar(platform::DesktopWindow window) override
    {
        auto it = windows_.find(window);
        return it != windows_.end() && it->second.horizontalScrollBar;
    }

    bool scrollWindow(platform::DesktopWindow window, platform::ScrollDirection direction, int steps) override
    {
        scrolls.push_back({Scroll::Kind::Wheel, window, direction, steps});
        return true;
    }

    bool pressArrowKey(platform::DesktopWindow window, platform::ScrollDirection direction, int count) override
    {
        scrolls.push_back({Scroll::Kind::ArrowKey, window, direction, count});
        return true;
    }

private:
    struct Node {
        platform::DesktopWindow parent = 0;
        std::string className;
        platform::ScreenRect rect;
        bool horizontalScrollBar = false;
        std::vector<platform::DesktopWindow> children;  // topmost first
    };
    std::map<platform::DesktopWindow, Node> windows_;
};

}  // namespace fakes

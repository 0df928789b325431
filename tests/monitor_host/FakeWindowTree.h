#pragma once
// A window tree built in a test: windows added under a parent in z-order (top
// first), each with its class, style and rectangle.

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "monitor/host/WindowTreeView.h"

namespace monitor::host::test {

class FakeWindowTree : public WindowTreeView {
public:
    struct Window {
        std::string className;
        std::uint32_t style = 0;
        ScreenRect rect;
        WindowId parent = 0;
        std::vector<WindowId> children;
    };

    FakeWindowTree() { windows_[kDesktop] = Window{"#32769", 0, {0, 0, 1920, 1080}, 0, {}}; }

    static constexpr WindowId kDesktop = 1;

    WindowId add(WindowId parent, std::string className, ScreenRect rect, std::uint32_t style = 0)
    {
        const WindowId id = next_++;
        windows_[id] = Window{std::move(className), style, rect, parent, {}};
        windows_[parent].children.push_back(id);
        return id;
    }

    ScreenPoint cursor;
    WindowId underCursor = 0;

    ScreenPoint cursorPosition() const override { return cursor; }
    WindowId windowAt(ScreenPoint) const override { return underCursor; }
    WindowId desktopWindow() const override { return kDesktop; }
    bool isDesktopWindow(WindowId w) const override { return desktopWindows.count(w) != 0; }
    std::set<WindowId> desktopWindows;  // of the desktop type
    std::string className(WindowId w) const override { return find(w) ? find(w)->className : std::string(); }
    std::uint32_t style(WindowId w) const override { return find(w) ? find(w)->style : 0; }
    ScreenRect screenRect(WindowId w) const override { return find(w) ? find(w)->rect : ScreenRect{}; }
    WindowId parent(WindowId w) const override { return find(w) ? find(w)->parent : 0; }
    WindowId firstChild(WindowId w) const override
    {
        return find(w) && !find(w)->children.empty() ? find(w)->children.front() : 0;
    }
    WindowId nextSibling(WindowId w) const override { return sibling(w, +1); }
    WindowId previousSibling(WindowId w) const override { return sibling(w, -1); }
    WindowId childAt(WindowId w, ScreenPoint p) const override
    {
        if (!find(w)) return 0;
        for (const WindowId c : find(w)->children) {
            const ScreenRect r = windows_.at(c).rect;
            if (p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom) return c;
        }
        return 0;
    }
    std::vector<WindowId> descendants(WindowId w) const override
    {
        std::vector<WindowId> out;
        if (!find(w)) return out;
        for (const WindowId c : find(w)->children) {
            out.push_back(c);
            const auto below = descendants(c);
            out.insert(out.end(), below.begin(), below.end());
        }
        return out;
    }

private:
    const Window* find(WindowId w) const
    {
        const auto it = windows_.find(w);
        return it == windows_.end() ? nullptr : &it->second;
    }
    WindowId sibling(WindowId w, int step) const
    {
        const Window* self = find(w);
        if (!self || !find(self->parent)) return 0;
        const auto& list = find(self->parent)->children;
        const auto it = std::find(list.begin(), list.end(), w);
        const auto index = (it - list.begin()) + step;
        return index >= 0 && index < static_cast<long>(list.size()) ? list[static_cast<std::size_t>(index)] : 0;
    }

    std::map<WindowId, Window> windows_;
    WindowId next_ = 2;
};

}  // namespace monitor::host::test

#include "monitor/host/PlatformScrolling.h"

#include <algorithm>
#include <cstdlib>

namespace monitor::host {
namespace {

constexpr int kMaxTreeDepth = 64;
constexpr int kPixelsPerArrowKey = 10;

platform::ScreenPoint toPlatform(ScreenPoint point) { return {point.x, point.y}; }

platform::ScrollDirection directionOfLine(platform::WParam line)
{
    return line == kScrollLineLeft ? platform::ScrollDirection::Left : platform::ScrollDirection::Right;
}

}  // namespace

ScreenPoint PlatformWindowTreeView::cursorPosition() const
{
    platform::ScreenPoint point;
    tree_.cursorPosition(point);
    return {point.x, point.y};
}

WindowId PlatformWindowTreeView::windowAt(ScreenPoint point) const
{
    return tree_.windowAt(toPlatform(point));
}

std::string PlatformWindowTreeView::className(WindowId window) const
{
    return window == 0 ? std::string() : tree_.className(window);
}

std::uint32_t PlatformWindowTreeView::style(WindowId window) const
{
    return window != 0 && tree_.hasHorizontalScrollBar(window) ? kStyleHorizontalScroll : 0;
}

ScreenRect PlatformWindowTreeView::screenRect(WindowId window) const
{
    platform::ScreenRect rect;
    if (window == 0 || !tree_.screenRect(window, rect)) return {};
    return {rect.left, rect.top, rect.right, rect.bottom};
}

WindowId PlatformWindowTreeView::parent(WindowId window) const
{
    return window == 0 ? 0 : tree_.parent(window);
}

WindowId PlatformWindowTreeView::firstChild(WindowId window) const
{
    if (window == 0) return 0;
    const auto children = tree_.children(window);
    return children.empty() ? 0 : children.front();
}

WindowId PlatformWindowTreeView::sibling(WindowId window, int step) const
{
    const WindowId owner = parent(window);
    if (owner == 0) return 0;
    const auto siblings = tree_.children(owner);
    const auto at = std::find(siblings.begin(), siblings.end(), window);
    if (at == siblings.end()) return 0;
    const auto index = (at - siblings.begin()) + step;
    return index >= 0 && index < static_cast<long>(siblings.size()) ? siblings[static_cast<std::size_t>(index)] : 0;
}

WindowId PlatformWindowTreeView::childAt(WindowId window, ScreenPoint point) const
{
    return window == 0 ? 0 : tree_.childAt(window, toPlatform(point));
}

void PlatformWindowTreeView::collect(WindowId window, int depth, std::vector<WindowId>& out) const
{
    if (depth > kMaxTreeDepth) return;
    for (const WindowId child : tree_.children(window)) {
        out.push_back(child);
        collect(child, depth + 1, out);
    }
}

std::vector<WindowId> PlatformWindowTreeView::descendants(WindowId window) const
{
    std::vector<WindowId> out;
    if (window != 0) collect(window, 0, out);
    return out;
}

void PlatformScrollOutput::postMessage(WindowId window, platform::MessageId message, platform::WParam wParam,
                                       platform::LParam lParam)
{
    switch (message) {
    case kMessageHorizontalScroll:
        // A virtual device's wheel reaches every program; XTest's goes through the window tree.
        if (injector_.method() == platform::InjectionMethod::Uinput) {
            if (isUnderCursor(window)) injector_.scrollHorizontally(wParam == kScrollLineLeft ? -1 : 1);
        } else {
            tree_.scrollWindow(window, directionOfLine(wParam), 1);
        }
        return;
    case kMessageKeyDown:  // the key-up that follows belongs to the same press
        tree_.pressArrowKey(window, wParam == 37 ? platform::ScrollDirection::Left : platform::ScrollDirection::Right,
                            1);
        return;
    case messages::kWebScroll:
        if (window == monitorWindow_)
            windows_.postMessage(static_cast<platform::WindowHandle>(window), message, wParam, lParam);
        return;
    default:
        return;
    }
}

bool PlatformScrollOutput::isUnderCursor(WindowId window) const
{
    platform::ScreenPoint cursor;
    if (window == 0 || !tree_.cursorPosition(cursor)) return false;
    WindowId at = tree_.windowAt(cursor);
    for (int depth = 0; at != 0 && depth <= kMaxTreeDepth; ++depth) {
        if (at == window) return true;
        at = tree_.parent(at);
    }
    return false;
}

void PlatformScrollOutput::sendMessage(WindowId window, platform::MessageId message, platform::WParam wParam,
                                       platform::LParam lParam)
{
    postMessage(window, message, wParam, lParam);
}

void PlatformScrollOutput::moveCursor(ScreenPoint point)
{
    injector_.setCursorPosition(toPlatform(point));
}

void PlatformScrollOutput::clickPrimaryButton()
{
    const platform::MouseButton primary =
        injector_.buttonsSwapped() ? platform::MouseButton::Right : platform::MouseButton::Left;
    injector_.sendButton(primary, platform::KeyAction::Down);
    injector_.sendButton(primary, platform::KeyAction::Up);
}

bool ArrowKeyDocumentScroller::scrollBy(WindowId window, int dx, int)
{
    const int keys = std::abs(dx) / kPixelsPerArrowKey;
    if (keys == 0) return true;
    return tree_.pressArrowKey(window, dx < 0 ? platform::ScrollDirection::Left : platform::ScrollDirection::Right,
                               keys);
}

}  // namespace monitor::host

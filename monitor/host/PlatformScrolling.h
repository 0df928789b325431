#pragma once
// Horizontal scrolling on the real desktop: the platform's window tree seen as
// the tree the scroll rules walk, and their messages delivered as the
// platform's sideways scrolling, arrow keys and clicks.

#include "monitor/host/HorizontalScroll.h"
#include "monitor/host/WindowMessenger.h"
#include "platform/desktop/WindowTree.h"
#include "platform/input/InputInjector.h"

namespace monitor::host {

class PlatformWindowTreeView : public WindowTreeView {
public:
    explicit PlatformWindowTreeView(platform::WindowTree& tree) : tree_(tree) {}

    ScreenPoint cursorPosition() const override;
    WindowId windowAt(ScreenPoint point) const override;
    WindowId desktopWindow() const override { return tree_.desktopWindow(); }
    bool isDesktopWindow(WindowId window) const override { return window != 0 && tree_.isDesktopWindow(window); }
    std::string className(WindowId window) const override;
    std::uint32_t style(WindowId window) const override;
    ScreenRect screenRect(WindowId window) const override;
    WindowId parent(WindowId window) const override;
    WindowId firstChild(WindowId window) const override;
    WindowId nextSibling(WindowId window) const override { return sibling(window, +1); }
    WindowId previousSibling(WindowId window) const override { return sibling(window, -1); }
    WindowId childAt(WindowId window, ScreenPoint point) const override;
    std::vector<WindowId> descendants(WindowId window) const override;

private:
    WindowId sibling(WindowId window, int step) const;
    void collect(WindowId window, int depth, std::vector<WindowId>& out) const;

    platform::WindowTree& tree_;
};

class PlatformScrollOutput : public ScrollOutput {
public:
    PlatformScrollOutput(platform::WindowTree& tree, platform::InputInjector& injector, WindowMessenger& windows,
                         WindowId monitorWindow)
        : tree_(tree), injector_(injector), windows_(windows), monitorWindow_(monitorWindow) {}

    void postMessage(WindowId window, platform::MessageId message, platform::WParam wParam,
                     platform::LParam lParam) override;
    void sendMessage(WindowId window, platform::MessageId message, platform::WParam wParam,
                     platform::LParam lParam) override;
    void moveCursor(ScreenPoint point) override;
    void clickPrimaryButton() override;

private:
    // `window` or one of its children is the window under the cursor.
    bool isUnderCursor(WindowId window) const;

    platform::WindowTree& tree_;
    platform::InputInjector& injector_;
    WindowMessenger& windows_;
    WindowId monitorWindow_;
};

// The web control scrolls by arrow keys, one per ten pixels.
class ArrowKeyDocumentScroller : public DocumentScroller {
public:
    explicit ArrowKeyDocumentScroller(platform::WindowTree& tree) : tree_(tree) {}
    bool scrollBy(WindowId window, int dx, int dy) override;

private:
    platform::WindowTree& tree_;
};

}  // namespace monitor::host

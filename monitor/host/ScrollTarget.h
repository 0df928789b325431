#pragma once
// Which window a wheel tilt scrolls: the window kinds by class name and the
// search for the horizontal scroll bar H that belongs to the window under the
// cursor.

#include "monitor/host/WindowTreeView.h"

namespace monitor::host {

enum class WindowKind {
    Plain = 0,         // also web controls ("Internet Explorer_Server")
    WordDocument = 1,
    Spreadsheet = 2,
    Pane = 3,
    Drawing = 4,
    WebEditor = 5,
    DatabaseGrid = 6,
    DirectUi = 7,
    Browser,           // kind 0 with the browser flag
};

WindowKind windowKindOfClass(const std::string& className);

class ScrollTargetFinder {
public:
    ScrollTargetFinder(const WindowTreeView& tree, ScreenPoint cursor) : tree_(tree), cursor_(cursor) {}

    // H for the window under the cursor, 0 when it has none.
    WindowId findHorizontalBar(WindowId window) const;

    bool passesHorizontalBarTest(WindowId window) const;
    WindowId siblingSearch(WindowId start, int depth = 0) const;

private:
    WindowId avlScrollBarChild(WindowId sibling) const;
    bool isDesktopIconView(WindowId window) const;
    bool isOnDesktop(WindowId window) const;
    WindowId barWithinPane(WindowId pane) const;

    const WindowTreeView& tree_;
    ScreenPoint cursor_;
};

}  // namespace monitor::host

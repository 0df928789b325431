#include "monitor/host/ScrollTarget.h"

#include <string_view>

namespace monitor::host {
namespace {

// The tree may change while it is walked; these bound a walk that loops.
constexpr int kMaxSiblingWalk = 4096;
constexpr int kMaxSearchDepth = 32;
constexpr int kPaneMargin = 25;

bool isScrollBarClass(std::string_view name)
{
    return name == "ScrollBar" || name == "NUIScrollbar";
}

bool isPaneWithOuterBars(std::string_view name)
{
    return name == "paneClassDC" || name == "VISIOG" || name == "DirectUIHWND";
}

}  // namespace

WindowKind windowKindOfClass(const std::string& name)
{
    if (name == "_WwG" || name == "AVL_AVView") return WindowKind::WordDocument;
    if (name == "EXCEL7") return WindowKind::Spreadsheet;
    if (name == "paneClassDC") return WindowKind::Pane;
    if (name == "VISIOG" || name == "PSViewC" || name == "EditControl") return WindowKind::Drawing;
    if (name == "FrontPageEditorDocumentView") return WindowKind::WebEditor;
    if (name == "OGrid" || name == "OFormSub" || name == "OPrtPrevPage") return WindowKind::DatabaseGrid;
    if (name == "DirectUIHWND") return WindowKind::DirectUi;
    if (name == "MozillaWindowClass") return WindowKind::Browser;
    return WindowKind::Plain;
}

bool ScrollTargetFinder::passesHorizontalBarTest(WindowId window) const
{
    if (window == 0) return false;
    const std::string name = tree_.className(window);
    if (name == "Internet Explorer_Server") return true;
    if (isScrollBarClass(name)) {
        const ScreenRect rect = tree_.screenRect(window);
        return rect.width() > rect.height() && rect.right > cursor_.x;
    }
    return (tree_.style(window) & kStyleHorizontalScroll) != 0;
}

WindowId ScrollTargetFinder::avlScrollBarChild(WindowId sibling) const
{
    if (tree_.className(sibling) != "AVL_AVScrollBar") return 0;
    const WindowId child = tree_.firstChild(sibling);
    if (child == 0 || tree_.className(child) != "ScrollBar") return 0;
    if ((tree_.style(child) & (kScrollBarVertical | kScrollBarSizeBox)) != 0) return 0;
    return child;
}

WindowId ScrollTargetFinder::siblingSearch(WindowId start, int depth) const
{
    if (start == 0 || depth > kMaxSearchDepth) return 0;

    int steps = 0;
    for (WindowId s = tree_.nextSibling(start); s != 0 && steps < kMaxSiblingWalk; s = tree_.nextSibling(s), ++steps) {
        if (const WindowId bar = avlScrollBarChild(s)) return bar;
        if (isScrollBarClass(tree_.className(s)) && passesHorizontalBarTest(s)) return s;
    }

    steps = 0;
    for (WindowId s = tree_.previousSibling(start); s != 0 && steps < kMaxSiblingWalk;
         s = tree_.previousSibling(s), ++steps) {
        if (const WindowId bar = avlScrollBarChild(s)) return bar;
        const std::string name = tree_.className(s);
        if (name == "ScrollBar" && passesHorizontalBarTest(s)) return s;
        if (name == "AfxWnd70" || name == "AfxWnd42") {
            const WindowId child = tree_.firstChild(s);
            if (child == 0) continue;
            if (passesHorizontalBarTest(child)) return child;
            if (const WindowId bar = siblingSearch(child, depth + 1)) return bar;
        }
    }
    return 0;
}

bool ScrollTargetFinder::isDesktopIconView(WindowId window) const
{
    if (tree_.className(window) != "SysListView32") return false;
    int steps = 0;
    for (WindowId up = tree_.parent(window); up != 0 && steps < kMaxSiblingWalk; up = tree_.parent(up), ++steps) {
        if (tree_.className(up) == "Progman") return true;
    }
    return false;
}

// The desktop itself, or a window inside one the desktop shell draws the desktop
// in (its icons): tilting there scrolls nothing.
bool ScrollTargetFinder::isOnDesktop(WindowId window) const
{
    const WindowId root = tree_.desktopWindow();
    int steps = 0;
    for (WindowId up = window; up != 0 && steps < kMaxSearchDepth; up = tree_.parent(up), ++steps) {
        if (up == root) return up == window;
        if (tree_.isDesktopWindow(up)) return true;
    }
    return false;
}

WindowId ScrollTargetFinder::barWithinPane(WindowId pane) const
{
    const WindowId owner = tree_.parent(pane);
    if (owner == 0) return 0;
    const ScreenRect area = tree_.screenRect(pane);
    for (const WindowId candidate : tree_.descendants(owner)) {
        if (!isScrollBarClass(tree_.className(candidate)) || !passesHorizontalBarTest(candidate)) continue;
        const ScreenRect rect = tree_.screenRect(candidate);
        if (rect.left >= area.left - kPaneMargin && rect.right <= area.right + kPaneMargin) return candidate;
    }
    return 0;
}

WindowId ScrollTargetFinder::findHorizontalBar(WindowId window) const
{
    if (window == 0 || isOnDesktop(window) || isDesktopIconView(window)) return 0;

    WindowId c = tree_.childAt(window, cursor_);
    if (c == 0) c = window;
    const std::string cName = tree_.className(c);

    WindowId h = 0;
    if (cName == "MozillaWindowClass")
        h = tree_.parent(c);
    else if (passesHorizontalBarTest(c))
        h = c;

    if (h == 0 && cName != "ScrollBar") {
        const WindowId child = tree_.firstChild(c);
        if (child != 0) h = passesHorizontalBarTest(child) ? child : siblingSearch(child);
        if (h == 0) h = siblingSearch(c);
    }
    if (h == 0 && isPaneWithOuterBars(cName)) h = barWithinPane(c);
    return h;
}

}  // namespace monitor::host

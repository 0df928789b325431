#include <gtest/gtest.h>

#include <vector>

#include "FakeWindowTree.h"
#include "monitor/host/HorizontalScroll.h"

namespace monitor::host {
namespace {

using test::FakeWindowTree;

struct Recorded {
    char kind;  // 'P' post, 'S' send, 'M' move, 'C' click
    WindowId window;
    platform::MessageId message;
    platform::WParam wParam;
    platform::LParam lParam;
    bool operator==(const Recorded&) const = default;
};

struct RecordingOutput : ScrollOutput {
    std::vector<Recorded> calls;
    std::vector<ScreenPoint> moves;
    void postMessage(WindowId w, platform::MessageId m, platform::WParam wp, platform::LParam lp) override
    {
        calls.push_back({'P', w, m, wp, lp});
    }
    void sendMessage(WindowId w, platform::MessageId m, platform::WParam wp, platform::LParam lp) override
    {
        calls.push_back({'S', w, m, wp, lp});
    }
    void moveCursor(ScreenPoint p) override
    {
        calls.push_back({'M', 0, 0, 0, 0});
        moves.push_back(p);
    }
    void clickPrimaryButton() override { calls.push_back({'C', 0, 0, 0, 0}); }
};

constexpr WindowId kMonitor = 900;
constexpr auto HS = kMessageHorizontalScroll;

class HorizontalScrollTest : public ::testing::Test {
protected:
    FakeWindowTree tree;
    RecordingOutput out;
    HorizontalScroll scroller{tree, out, kMonitor};

    void pointAt(WindowId w, ScreenPoint p = {100, 100})
    {
        tree.underCursor = w;
        tree.cursor = p;
    }
};

TEST_F(HorizontalScrollTest, DesktopAndItsIconViewDoNothing)
{
    const WindowId progman = tree.add(FakeWindowTree::kDesktop, "Progman", {0, 0, 1920, 1080}, kStyleHorizontalScroll);
    const WindowId view = tree.add(progman, "SHELLDLL_DefView", {0, 0, 1920, 1080});
    const WindowId icons = tree.add(view, "SysListView32", {0, 0, 1920, 1080}, kStyleHorizontalScroll);
    pointAt(icons);
    scroller.scroll(TiltDirection::Left, 3);
    pointAt(FakeWindowTree::kDesktop);
    scroller.scroll(TiltDirection::Right, 3);

    // A desktop drawn by the shell in a window of the desktop type, icons as its children.
    const WindowId shell = tree.add(FakeWindowTree::kDesktop, "desktop_window", {0, 0, 1920, 1080},
                                    kStyleHorizontalScroll);
    tree.desktopWindows.insert(shell);
    const WindowId icon = tree.add(shell, "icon", {10, 10, 74, 74}, kStyleHorizontalScroll);
    pointAt(shell);
    scroller.scroll(TiltDirection::Left, 3);
    pointAt(icon, {20, 20});
    scroller.scroll(TiltDirection::Right, 3);
    EXPECT_TRUE(out.calls.empty());

    // A window of another type above the desktop still scrolls.
    const WindowId editor = tree.add(FakeWindowTree::kDesktop, "gedit", {0, 0, 500, 500}, kStyleHorizontalScroll);
    pointAt(editor);
    scroller.scroll(TiltDirection::Left, 1);
    EXPECT_EQ(out.calls.size(), 1u);
}

TEST_F(HorizontalScrollTest, PlainWindowWithBarScrollsItselfLeftPostedRightSent)
{
    const WindowId w = tree.add(FakeWindowTree::kDesktop, "Notepad", {0, 0, 500, 500}, kStyleHorizontalScroll);
    pointAt(w);
    scroller.scroll(TiltDirection::Left, 2);
    scroller.scroll(TiltDirection::Right, 1);
    scroller.scroll(TiltDirection::Right, 0);
    const std::vector<Recorded> expected{{'P', w, HS, kScrollLineLeft, 0},
                                         {'P', w, HS, kScrollLineLeft, 0},
                                         {'S', w, HS, kScrollLineRight, 0}};
    EXPECT_EQ(out.calls, expected);
}

TEST_F(HorizontalScrollTest, DocumentKindScrollsThroughParentNamingTheBar)
{
    const WindowId frame = tree.add(FakeWindowTree::kDesktop, "OpusApp", {0, 0, 800, 600});
    const WindowId doc = tree.add(frame, "_WwG", {0, 0, 800, 600}, kStyleHorizontalScroll);
    pointAt(doc);
    scroller.scroll(TiltDirection::Right, 2);
    const Recorded one{'P', frame, HS, kScrollLineRight, static_cast<platform::LParam>(doc)};
    EXPECT_EQ(out.calls, (std::vector<Recorded>{one, one}));
}

TEST_F(HorizontalScrollTest, SpreadsheetClicksTheArrowOfTheSiblingBarAndReturns)
{
    const WindowId frame = tree.add(FakeWindowTree::kDesktop, "XLDESK", {0, 0, 800, 600});
    const WindowId sheet = tree.add(frame, "EXCEL7", {0, 0, 800, 580});
    tree.add(frame, "ScrollBar", {780, 0, 800, 580});    // vertical: fails the test
    tree.add(frame, "ScrollBar", {0, 580, 90, 600});     // right edge left of the cursor
    const WindowId bar = tree.add(frame, "ScrollBar", {0, 580, 780, 600});
    pointAt(sheet, {300, 200});
    scroller.scroll(TiltDirection::Left, 3);
    ASSERT_EQ(out.moves.size(), 2u);
    EXPECT_EQ(out.moves[0].x, 5);
    EXPECT_EQ(out.moves[0].y, 585);
    EXPECT_EQ(out.moves[1].x, 300);
    EXPECT_EQ(out.moves[1].y, 200);
    const std::vector<char> kinds{'M', 'C', 'C', 'C', 'M'};
    std::vector<char> seen;
    for (const auto& c : out.calls) seen.push_back(c.kind);
    EXPECT_EQ(seen, kinds);

    out.calls.clear();
    out.moves.clear();
    scroller.scroll(TiltDirection::Right, 1);
    ASSERT_EQ(out.moves.size(), 2u);
    EXPECT_EQ(out.moves[0].x, tree.screenRect(bar).right - 5);
}

TEST_F(HorizontalScrollTest, SiblingSearchRules)
{
    const WindowId frame = tree.add(FakeWindowTree::kDesktop, "Frame", {0, 0, 800, 600});
    const WindowId afx = tree.add(frame, "AfxWnd42", {0, 0, 800, 600});
    tree.add(afx, "Inner", {0, 0, 800, 600});
    const WindowId afxBar = tree.add(afx, "ScrollBar", {0, 580, 800, 600});
    const WindowId avlVertical = tree.add(frame, "AVL_AVScrollBar", {780, 0, 800, 600});
    tree.add(avlVertical, "ScrollBar", {780, 0, 800, 600}, kScrollBarVertical);
    const WindowId start = tree.add(frame, "Pane", {0, 0, 780, 580});
    const ScrollTargetFinder finder(tree, {100, 100});

    // Before the start only the AfxWnd's children hold a bar: its first child
    // fails, the sibling search from it finds the bar.
    EXPECT_EQ(finder.siblingSearch(start), afxBar);

    // A horizontal bar inside an AVL_AVScrollBar after the start wins.
    const WindowId avl = tree.add(frame, "AVL_AVScrollBar", {0, 580, 780, 600});
    const WindowId avlBar = tree.add(avl, "ScrollBar", {0, 580, 780, 600});
    EXPECT_EQ(finder.siblingSearch(start), avlBar);
}

TEST_F(HorizontalScrollTest, PaneFindsBarAmongItsParentsDescendantsWithinMargin)
{
    const WindowId frame = tree.add(FakeWindowTree::kDesktop, "Frame", {0, 0, 1000, 700});
    const WindowId pane = tree.add(frame, "paneClassDC", {100, 100, 600, 500});
    const WindowId holder = tree.add(frame, "Holder", {0, 0, 1000, 700});
    tree.add(holder, "ScrollBar", {50, 500, 700, 520});   // right edge beyond 600 + 25
    const WindowId bar = tree.add(holder, "NUIScrollbar", {80, 500, 620, 520});
    pointAt(pane, {200, 200});
    EXPECT_EQ(ScrollTargetFinder(tree, tree.cursor).findHorizontalBar(pane), bar);
    scroller.scroll(TiltDirection::Left, 1);
    EXPECT_EQ(out.calls, (std::vector<Recorded>{{'P', holder, HS, kScrollLineLeft, static_cast<platform::LParam>(bar)}}));
}

TEST_F(HorizontalScrollTest, BrowserGetsArrowKeysAtItsParent)
{
    const WindowId top = tree.add(FakeWindowTree::kDesktop, "MozillaWindowClass", {0, 0, 800, 600});
    const WindowId content = tree.add(top, "MozillaWindowClass", {0, 0, 800, 600});
    pointAt(content);
    scroller.scroll(TiltDirection::Right, 1);
    const std::vector<Recorded> expected{{'P', top, kMessageKeyDown, 39, 0x014D0001},
                                         {'P', top, kMessageKeyUp, 39, 0xC14D0001}};
    EXPECT_EQ(out.calls, expected);
}

struct FailingDocument : DocumentScroller {
    int calls = 0;
    bool scrollBy(WindowId, int, int) override { return ++calls, false; }
};

TEST_F(HorizontalScrollTest, WebControlGoesThroughMessage1238EvenWithSpeedZero)
{
    const WindowId web = tree.add(FakeWindowTree::kDesktop, "Internet Explorer_Server", {0, 0, 800, 600});
    pointAt(web);
    scroller.scroll(TiltDirection::Left, 0);
    EXPECT_EQ(out.calls, (std::vector<Recorded>{{'P', kMonitor, messages::kWebScroll, 0, 1}}));

    out.calls.clear();
    FailingDocument document;
    scroller.scrollWebControl(document, 0, true);
    EXPECT_EQ(document.calls, 1);
    EXPECT_TRUE(out.calls.empty());
    scroller.scrollWebControl(document, 2, false);
    EXPECT_EQ(out.calls, (std::vector<Recorded>{{'S', web, HS, kScrollLineRight, 0}, {'S', web, HS, kScrollLineRight, 0}}));
}

}  // namespace
}  // namespace monitor::host

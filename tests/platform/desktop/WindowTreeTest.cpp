// Runs under an X server (Xvfb) against small windows the test creates.

#include "platform/desktop/ForegroundProgram.h"
#include "platform/desktop/WindowTree.h"

// gtest before Xlib, whose macros (None, Bool) would break gtest's headers.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace platform {
namespace {

class WindowTreeOnX : public testing::Test {
protected:
    void SetUp() override
    {
        display_ = XOpenDisplay(nullptr);
        if (display_ == nullptr) GTEST_SKIP() << "no X display";
        // frame (100,100) 300x200 holding two overlapping children, "Upper" on top.
        frame_ = createWindow(DefaultRootWindow(display_), 100, 100, 300, 200, "Frame");
        lower_ = createWindow(frame_, 0, 0, 100, 100, "Lower");
        upper_ = createWindow(frame_, 50, 0, 100, 100, "Upper");
        XSelectInput(display_, upper_, ButtonPressMask | KeyPressMask);
        XMapSubwindows(display_, frame_);
        XMapWindow(display_, frame_);
        XSync(display_, False);
        tree_ = openWindowTree();
    }

    void TearDown() override
    {
        if (display_ == nullptr) return;
        XDestroyWindow(display_, frame_);
        XCloseDisplay(display_);
    }

    Window createWindow(Window parent, int x, int y, unsigned width, unsigned height, const char* className)
    {
        const Window window = XCreateSimpleWindow(display_, parent, x, y, width, height, 0, 0, 0);
        std::string name = className;
        XClassHint hint{name.data(), name.data()};
        XSetClassHint(display_, window, &hint);
        return window;
    }

    void movePointer(int x, int y)
    {
        XWarpPointer(display_, 0, DefaultRootWindow(display_), 0, 0, 0, 0, x, y);
        XSync(display_, False);
    }

    // The buttons of the next `count` button presses on our windows.
    std::vector<unsigned> buttonPresses(std::size_t count)
    {
        std::vector<unsigned> buttons;
        while (buttons.size() < count) {
            if (XPending(display_) == 0) {
                pollfd fd{ConnectionNumber(display_), POLLIN, 0};
                if (poll(&fd, 1, 1000) <= 0) break;
            }
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == ButtonPress) buttons.push_back(event.xbutton.button);
        }
        return buttons;
    }

    Display* display_ = nullptr;
    Window frame_ = 0;
    Window lower_ = 0;
    Window upper_ = 0;
    std::unique_ptr<WindowTree> tree_;
};

TEST_F(WindowTreeOnX, WalksClassesParentsAndStackingOrder)
{
    EXPECT_EQ(tree_->className(frame_), "Frame");
    EXPECT_EQ(tree_->className(upper_), "Upper");
    EXPECT_EQ(tree_->parent(lower_), frame_);
    EXPECT_EQ(tree_->parent(frame_), tree_->desktopWindow());
    EXPECT_EQ(tree_->parent(tree_->desktopWindow()), 0u);
    EXPECT_EQ(tree_->children(frame_), (std::vector<DesktopWindow>{upper_, lower_}));

    ScreenRect rect;
    ASSERT_TRUE(tree_->screenRect(upper_, rect));
    EXPECT_EQ(rect, (ScreenRect{150, 100, 250, 200}));
    EXPECT_TRUE(tree_->hasHorizontalScrollBar(upper_));
}

TEST_F(WindowTreeOnX, FindsTheTopmostWindowAtAPoint)
{
    EXPECT_EQ(tree_->windowAt({175, 150}), upper_);  // where both children overlap
    EXPECT_EQ(tree_->windowAt({110, 150}), lower_);
    EXPECT_EQ(tree_->windowAt({300, 250}), frame_);
    EXPECT_EQ(tree_->childAt(frame_, {175, 150}), upper_);
    EXPECT_EQ(tree_->childAt(frame_, {300, 250}), 0u);
    movePointer(180, 120);
    ScreenPoint point;
    ASSERT_TRUE(tree_->cursorPosition(point));
    EXPECT_EQ(point, (ScreenPoint{180, 120}));
}

TEST_F(WindowTreeOnX, ScrollReachesOnlyTheWindowUnderThePointer)
{
    movePointer(180, 120);
    EXPECT_TRUE(tree_->scrollWindow(upper_, ScrollDirection::Left, 2));
    EXPECT_TRUE(tree_->scrollWindow(frame_, ScrollDirection::Right, 1));  // an ancestor of it
    EXPECT_EQ(buttonPresses(3), (std::vector<unsigned>{6, 6, 7}));
    EXPECT_FALSE(tree_->scrollWindow(lower_, ScrollDirection::Left, 1));
    EXPECT_FALSE(tree_->scrollWindow(upper_, ScrollDirection::Left, 0));
}

TEST_F(WindowTreeOnX, WindowsOfTheDesktopTypeAreTheDesktop)
{
    const Atom type = XInternAtom(display_, "_NET_WM_WINDOW_TYPE", False);
    const long types[] = {static_cast<long>(XInternAtom(display_, "_NET_WM_WINDOW_TYPE_NORMAL", False)),
                          static_cast<long>(XInternAtom(display_, "_NET_WM_WINDOW_TYPE_DESKTOP", False))};
    EXPECT_FALSE(tree_->isDesktopWindow(frame_));
    XChangeProperty(display_, frame_, type, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(types), 1);  // normal only
    XSync(display_, False);
    EXPECT_FALSE(tree_->isDesktopWindow(frame_));
    XChangeProperty(display_, frame_, type, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(types), 2);
    XSync(display_, False);
    EXPECT_TRUE(tree_->isDesktopWindow(frame_));
    EXPECT_FALSE(tree_->isDesktopWindow(upper_));  // a child carries no type of its own
    EXPECT_FALSE(tree_->isDesktopWindow(0));
}

TEST_F(WindowTreeOnX, QueriesOnAVanishedWindowFindNothing)
{
    const Window gone = createWindow(DefaultRootWindow(display_), 0, 0, 10, 10, "Gone");
    XDestroyWindow(display_, gone);
    XSync(display_, False);
    EXPECT_EQ(tree_->className(gone), "");
    EXPECT_EQ(tree_->parent(gone), 0u);
    EXPECT_TRUE(tree_->children(gone).empty());
    ScreenRect rect;
    EXPECT_FALSE(tree_->screenRect(gone, rect));
    EXPECT_FALSE(tree_->isDesktopWindow(gone));
}

TEST_F(WindowTreeOnX, ForegroundProcessIsTheActiveWindowsPid)
{
    const Window root = DefaultRootWindow(display_);
    const Atom active = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
    const Atom pidAtom = XInternAtom(display_, "_NET_WM_PID", False);
    auto foreground = openForegroundProgram();
    XDeleteProperty(display_, root, active);
    XSync(display_, False);
    EXPECT_EQ(foreground->foregroundProcess(), 0u);

    const long pid = ::getpid();
    XChangeProperty(display_, frame_, pidAtom, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pid), 1);
    const long window = static_cast<long>(frame_);
    XChangeProperty(display_, root, active, XA_WINDOW, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&window), 1);
    XSync(display_, False);
    EXPECT_EQ(foreground->foregroundProcess(), static_cast<ProcessId>(pid));

    // An active window without a pid, or one that no longer exists.
    XDeleteProperty(display_, frame_, pidAtom);
    XSync(display_, False);
    EXPECT_EQ(foreground->foregroundProcess(), 0u);
    XDeleteProperty(display_, root, active);
    XSync(display_, False);
}

TEST(WindowTreeWithoutDisplay, FindsNothing)
{
    auto tree = openWindowTree(":97");  // no server there
    EXPECT_EQ(tree->windowAt({1, 1}), 0u);
    EXPECT_EQ(tree->desktopWindow(), 0u);
    EXPECT_EQ(tree->className(1), "");
    EXPECT_FALSE(tree->scrollWindow(1, ScrollDirection::Left, 1));
    EXPECT_EQ(openForegroundProgram(":97")->foregroundProcess(), 0u);
}

}  // namespace
}  // namespace platform

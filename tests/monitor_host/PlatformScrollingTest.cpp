#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitor/host/PlatformScrolling.h"
#include "tests/fakes/FakeWindowTree.h"
#include "tests/fakes/RecordingInjector.h"

namespace monitor::host {
namespace {

using Scroll = fakes::FakeWindowTree::Scroll;
using platform::ScrollDirection;

struct NoWindows : WindowMessenger {
    int posts = 0;
    platform::WindowHandle findWindow(std::string_view) override { return 0; }
    bool postMessage(platform::WindowHandle, platform::MessageId, platform::WParam, platform::LParam) override
    {
        return ++posts, true;
    }
};

class PlatformScrollingTest : public ::testing::Test {
protected:
    fakes::FakeWindowTree desktop;
    fakes::RecordingInjector injector;
    NoWindows windows;
    PlatformWindowTreeView view{desktop};
    PlatformScrollOutput output{desktop, injector, windows, 900};
    HorizontalScroll scroller{view, output, 900};
};

TEST_F(PlatformScrollingTest, SpreadsheetClicksThePrimaryButtonOnTheSiblingBarsArrow)
{
    desktop.addWindow(10, fakes::FakeWindowTree::kDesktop, "XLDESK", {0, 0, 800, 600});
    desktop.addWindow(11, 10, "EXCEL7", {0, 0, 800, 580});
    desktop.addWindow(12, 10, "ScrollBar", {0, 580, 780, 600}, false, false);
    desktop.cursor = {300, 200};
    injector.setCursor({300, 200});
    injector.swapped = true;
    scroller.scroll(TiltDirection::Right, 2);
    EXPECT_EQ(injector.log(), (std::vector<std::string>{"move 775,585", "button down right", "button up right",
                                                        "button down right", "button up right", "move 300,200"}));
}

TEST_F(PlatformScrollingTest, WheelStepsForWindowsAndArrowKeysForTheBrowser)
{
    desktop.addWindow(20, fakes::FakeWindowTree::kDesktop, "gedit", {0, 0, 400, 400}, true);
    desktop.addWindow(30, fakes::FakeWindowTree::kDesktop, "MozillaWindowClass", {500, 0, 900, 400});
    desktop.addWindow(31, 30, "MozillaWindowClass", {500, 0, 900, 400});
    desktop.cursor = {100, 100};
    scroller.scroll(TiltDirection::Right, 2);
    desktop.cursor = {600, 100};
    scroller.scroll(TiltDirection::Left, 1);
    const std::vector<Scroll> expected{{Scroll::Kind::Wheel, 20, ScrollDirection::Right, 1},
                                       {Scroll::Kind::Wheel, 20, ScrollDirection::Right, 1},
                                       {Scroll::Kind::ArrowKey, 30, ScrollDirection::Left, 1}};
    EXPECT_EQ(desktop.scrolls, expected);
}

TEST_F(PlatformScrollingTest, VirtualDeviceScrollsWithItsWheelOnlyTheWindowUnderTheCursor)
{
    injector.injectionMethod = platform::InjectionMethod::Uinput;
    desktop.addWindow(20, fakes::FakeWindowTree::kDesktop, "gedit", {0, 0, 400, 400}, true);
    desktop.cursor = {100, 100};
    scroller.scroll(TiltDirection::Left, 2);
    scroller.scroll(TiltDirection::Right, 1);
    // Found under the cursor, then covered before the scroll is sent.
    output.postMessage(20, kMessageHorizontalScroll, kScrollLineRight, 0);
    desktop.addWindow(21, fakes::FakeWindowTree::kDesktop, "other", {0, 0, 400, 400});
    output.postMessage(20, kMessageHorizontalScroll, kScrollLineRight, 0);
    EXPECT_EQ(injector.log(), (std::vector<std::string>{"hscroll -1", "hscroll -1", "hscroll 1", "hscroll 1"}));
    EXPECT_TRUE(desktop.scrolls.empty());
}

}  // namespace
}  // namespace monitor::host

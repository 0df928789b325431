// Runs under an X server (Xvfb): injected events are observed as XInput2 raw
// events on the root window, which report every device event the server sees.

#include "platform/input/InputInjector.h"
#include "platform/input/VirtualKeys.h"

// gtest before Xlib, whose macros (None, Bool) would break gtest's headers.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <poll.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace platform {
namespace {

class RawEventObserver {
public:
    RawEventObserver() : display_(XOpenDisplay(nullptr))
    {
        if (display_ == nullptr) return;
        int event = 0;
        int error = 0;
        int major = 2;
        int minor = 0;
        if (!XQueryExtension(display_, "XInputExtension", &opcode_, &event, &error) ||
            XIQueryVersion(display_, &major, &minor) != Success)
            return;
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(bits, XI_RawKeyPress);
        XISetMask(bits, XI_RawKeyRelease);
        XISetMask(bits, XI_RawButtonPress);
        XISetMask(bits, XI_RawButtonRelease);
        XIEventMask mask{XIAllMasterDevices, sizeof(bits), bits};
        XISelectEvents(display_, DefaultRootWindow(display_), &mask, 1);
        XSync(display_, False);
        ready_ = true;
    }
    ~RawEventObserver()
    {
        if (display_ != nullptr) XCloseDisplay(display_);
    }

    bool ready() const { return ready_; }
    Display* display() const { return display_; }

    // The next `count` raw events as "key down 38", "button up 9"; fewer when
    // the server sends none for a second.
    std::vector<std::string> take(std::size_t count)
    {
        std::vector<std::string> events;
        while (events.size() < count) {
            if (XPending(display_) == 0) {
                pollfd fd{ConnectionNumber(display_), POLLIN, 0};
                if (poll(&fd, 1, 1000) <= 0) break;
            }
            XEvent event;
            XNextEvent(display_, &event);
            XGenericEventCookie* cookie = &event.xcookie;
            if (cookie->type != GenericEvent || cookie->extension != opcode_ || !XGetEventData(display_, cookie))
                continue;
            const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
            events.push_back(describe(cookie->evtype) + " " + std::to_string(raw->detail));
            XFreeEventData(display_, cookie);
        }
        return events;
    }

private:
    static std::string describe(int type)
    {
        switch (type) {
        case XI_RawKeyPress: return "key down";
        case XI_RawKeyRelease: return "key up";
        case XI_RawButtonPress: return "button down";
        default: return "button up";
        }
    }

    Display* display_;
    int opcode_ = 0;
    bool ready_ = false;
};

class XTestInjection : public testing::Test {
protected:
    void SetUp() override
    {
        if (!observer_.ready()) GTEST_SKIP() << "no X display with XInput2";
    }

    std::string keycodeOf(std::uint32_t keysym)
    {
        return std::to_string(XKeysymToKeycode(observer_.display(), keysym));
    }

    RawEventObserver observer_;
    std::unique_ptr<InputInjector> injector_ = openXTestInjector();
};

TEST_F(XTestInjection, KeysArriveAsTheLayoutsKeycodes)
{
    ASSERT_TRUE(injector_->sendKey('A', 0x1E, KeyAction::Down));
    ASSERT_TRUE(injector_->sendKey('A', 0x1E, KeyAction::Up));
    ASSERT_TRUE(injector_->sendKey(VK_CONTROL, 0x1D, KeyAction::Down));
    ASSERT_TRUE(injector_->sendKey(VK_CONTROL, 0x1D, KeyAction::Up));
    EXPECT_EQ(observer_.take(4), (std::vector<std::string>{"key down " + keycodeOf('a'), "key up " + keycodeOf('a'),
                                                            "key down " + keycodeOf(0xFFE3),
                                                            "key up " + keycodeOf(0xFFE3)}));
}

TEST_F(XTestInjection, KeyWithoutKeysymFallsBackToItsScanCode)
{
    // 0xFF is no virtual key; scan code 0x1E is the A key, X keycode 30 + 8.
    ASSERT_TRUE(injector_->sendKey(0xFF, 0x1E, KeyAction::Down));
    ASSERT_TRUE(injector_->sendKey(0xFF, 0x1E, KeyAction::Up));
    EXPECT_EQ(observer_.take(2), (std::vector<std::string>{"key down 38", "key up 38"}));
    EXPECT_FALSE(injector_->sendKey(0xFF, 0, KeyAction::Down));
}

TEST_F(XTestInjection, ButtonsIncludingSideButtonsAndHorizontalWheel)
{
    ASSERT_TRUE(injector_->sendButton(MouseButton::X1, KeyAction::Down));
    ASSERT_TRUE(injector_->sendButton(MouseButton::X1, KeyAction::Up));
    ASSERT_TRUE(injector_->sendButton(MouseButton::X2, KeyAction::Down));
    ASSERT_TRUE(injector_->sendButton(MouseButton::X2, KeyAction::Up));
    ASSERT_TRUE(injector_->sendButton(MouseButton::Middle, KeyAction::Down));
    ASSERT_TRUE(injector_->sendButton(MouseButton::Middle, KeyAction::Up));
    ASSERT_TRUE(injector_->scrollHorizontally(-1));
    ASSERT_TRUE(injector_->scrollHorizontally(2));
    EXPECT_EQ(observer_.take(12),
              (std::vector<std::string>{"button down 8", "button up 8", "button down 9", "button up 9",
                                        "button down 2", "button up 2", "button down 6", "button up 6",
                                        "button down 7", "button up 7", "button down 7", "button up 7"}));
    EXPECT_FALSE(injector_->scrollHorizontally(0));
}

TEST_F(XTestInjection, CursorMovesWhereAsked)
{
    ASSERT_TRUE(injector_->setCursorPosition({123, 45}));
    ScreenPoint point;
    ASSERT_TRUE(injector_->cursorPosition(point));
    EXPECT_EQ(point, (ScreenPoint{123, 45}));
    EXPECT_FALSE(injector_->buttonsSwapped());
}

TEST_F(XTestInjection, ScanCodeConversionsFollowTheServersKeymap)
{
    EXPECT_EQ(injector_->virtualKeyOfScanCode(0x1E), 'A');
    EXPECT_EQ(injector_->virtualKeyOfScanCode(0x2A), VK_LSHIFT);
    EXPECT_EQ(injector_->scanCodeOfVirtualKey('A'), 0x1E);
    EXPECT_EQ(injector_->scanCodeOfVirtualKey(VK_RIGHT), 0x4D);
}

TEST(InputInjectorWithoutDisplay, EveryCallFailsQuietly)
{
    auto injector = openXTestInjector(":97");  // no server there
    EXPECT_FALSE(injector->sendKey('A', 0x1E, KeyAction::Down));
    EXPECT_FALSE(injector->sendButton(MouseButton::Left, KeyAction::Down));
    EXPECT_FALSE(injector->scrollHorizontally(1));
    ScreenPoint point{7, 8};
    EXPECT_FALSE(injector->cursorPosition(point));
    EXPECT_EQ(point, (ScreenPoint{7, 8}));
    // Key conversions still answer, from the US keyboard.
    EXPECT_EQ(injector->virtualKeyOfScanCode(0x15), 'Y');
    EXPECT_EQ(injector->scanCodeOfVirtualKey('Y'), 0x15);
}

}  // namespace
}  // namespace platform

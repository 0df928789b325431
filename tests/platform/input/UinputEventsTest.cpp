// The virtual device's event frames, its declared keys, and the choice between
// uinput and XTest.

#include "platform/input/InjectorChoice.h"
#include "platform/input/UinputDevice.h"
#include "platform/input/UinputEvents.h"
#include "platform/input/VirtualKeys.h"
#include "platform/keyboard/UsageKeyCodes.h"

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

#include <algorithm>
#include <cstdlib>

namespace platform {
namespace {

using Events = std::vector<InputEventRecord>;
constexpr InputEventRecord kSyn{EV_SYN, SYN_REPORT, 0};

TEST(UinputEvents, AKeyAClickAndAWheelStepAreEachOneFrame)
{
    EXPECT_EQ(keyEvents(KEY_A, KeyAction::Down), (Events{{EV_KEY, KEY_A, 1}, kSyn}));
    EXPECT_EQ(keyEvents(KEY_A, KeyAction::Up), (Events{{EV_KEY, KEY_A, 0}, kSyn}));
    EXPECT_TRUE(keyEvents(0, KeyAction::Down).empty());

    EXPECT_EQ(buttonEvents(MouseButton::Right, KeyAction::Down), (Events{{EV_KEY, BTN_RIGHT, 1}, kSyn}));
    EXPECT_EQ(buttonEvents(MouseButton::X1, KeyAction::Up), (Events{{EV_KEY, BTN_SIDE, 0}, kSyn}));
    EXPECT_EQ(buttonEvents(MouseButton::X2, KeyAction::Down), (Events{{EV_KEY, BTN_EXTRA, 1}, kSyn}));

    EXPECT_EQ(horizontalWheelEvents(-2, true),
              (Events{{EV_REL, REL_HWHEEL_HI_RES, -120}, {EV_REL, REL_HWHEEL, -1}, kSyn,
                      {EV_REL, REL_HWHEEL_HI_RES, -120}, {EV_REL, REL_HWHEEL, -1}, kSyn}));
    EXPECT_EQ(horizontalWheelEvents(1, false), (Events{{EV_REL, REL_HWHEEL, 1}, kSyn}));
    EXPECT_TRUE(horizontalWheelEvents(0, true).empty());
    EXPECT_TRUE(horizontalWheelEvents(kMaxWheelSteps + 1, true).empty());
}

// A key the device did not declare would be dropped by the kernel without a word.
TEST(UinputEvents, TheDeviceDeclaresEveryKeyItCanWrite)
{
    const std::vector<int> declared = declaredKeyCodes();
    const auto isDeclared = [&](int code) { return std::binary_search(declared.begin(), declared.end(), code); };
    for (int usage = 0; usage <= 0xFF; ++usage) {
        const int code = evdevKeyCodeOfUsage(static_cast<std::uint8_t>(usage));
        if (code != 0) EXPECT_TRUE(isDeclared(code)) << "usage " << usage;
    }
    for (const std::uint8_t key : {VK_MEDIA_PLAY_PAUSE, VK_VOLUME_UP, VK_LWIN, VK_RIGHT, VK_RCONTROL})
        EXPECT_TRUE(isDeclared(evdevCodeOfScanCode(usExtendedScanCodeOfVirtualKey(key)))) << int{key};
    for (const int button : {BTN_LEFT, BTN_RIGHT, BTN_MIDDLE, BTN_SIDE, BTN_EXTRA}) EXPECT_TRUE(isDeclared(button));
    EXPECT_FALSE(isDeclared(0));
}

TEST(InjectorChoice, ZuroInputForcesOneAndAnythingElseLeavesTheChoice)
{
    EXPECT_EQ(injectorRequestOf("uinput").forced, InjectionMethod::Uinput);
    EXPECT_EQ(injectorRequestOf("XTest").forced, InjectionMethod::XTest);
    EXPECT_FALSE(injectorRequestOf(nullptr).forced);
    EXPECT_TRUE(injectorRequestOf("").recognised);
    const InjectorRequest unknown = injectorRequestOf("evdev");
    EXPECT_FALSE(unknown.forced);
    EXPECT_FALSE(unknown.recognised);

    EXPECT_TRUE(kernelHasHighResolutionWheel("6.1.0-57-amd64"));
    EXPECT_TRUE(kernelHasHighResolutionWheel("5.0.0"));
    EXPECT_FALSE(kernelHasHighResolutionWheel("4.19.0-26-amd64"));
    EXPECT_FALSE(kernelHasHighResolutionWheel(""));
}

TEST(InjectorChoice, WithoutUinputTheDeviceIsNotMadeAndXTestIsUsed)
{
    std::string error;
    EXPECT_EQ(UinputDevice::create("/nonexistent/uinput", error), nullptr);
    EXPECT_NE(error.find("/nonexistent/uinput"), std::string::npos);

    setenv(kInjectorVariable, "xtest", 1);
    const auto injector = openInputInjector(":97531");  // no display there either
    unsetenv(kInjectorVariable);
    ASSERT_NE(injector, nullptr);
    EXPECT_EQ(injector->method(), InjectionMethod::XTest);
}

}  // namespace
}  // namespace platform

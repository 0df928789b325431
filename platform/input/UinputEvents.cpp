#include "platform/input/UinputEvents.h"

#include <linux/input-event-codes.h>

#include <algorithm>
#include <cstdlib>

#include "platform/input/VirtualKeys.h"
#include "platform/keyboard/UsageKeyCodes.h"

namespace platform {
namespace {

constexpr InputEventRecord kSynReport{EV_SYN, SYN_REPORT, 0};

constexpr std::int32_t pressValue(KeyAction action)
{
    return action == KeyAction::Down ? 1 : 0;
}

}  // namespace

std::vector<InputEventRecord> keyEvents(int keyCode, KeyAction action)
{
    if (keyCode <= 0 || keyCode > KEY_MAX) return {};
    return {{EV_KEY, static_cast<std::uint16_t>(keyCode), pressValue(action)}, kSynReport};
}

int buttonCode(MouseButton button)
{
    switch (button) {
    case MouseButton::Left: return BTN_LEFT;
    case MouseButton::Right: return BTN_RIGHT;
    case MouseButton::Middle: return BTN_MIDDLE;
    case MouseButton::X1: return BTN_SIDE;
    case MouseButton::X2: return BTN_EXTRA;
    }
    return BTN_LEFT;
}

std::vector<InputEventRecord> buttonEvents(MouseButton button, KeyAction action)
{
    return keyEvents(buttonCode(button), action);
}

std::vector<InputEventRecord> horizontalWheelEvents(int steps, bool highResolution)
{
    if (steps == 0 || std::abs(steps) > kMaxWheelSteps) return {};
    const std::int32_t notch = steps < 0 ? -1 : 1;
    std::vector<InputEventRecord> events;
    for (int i = 0; i < std::abs(steps); ++i) {
        if (highResolution) events.push_back({EV_REL, REL_HWHEEL_HI_RES, notch * kHighResolutionStep});
        events.push_back({EV_REL, REL_HWHEEL, notch});
        events.push_back(kSynReport);
    }
    return events;
}

std::vector<int> declaredKeyCodes()
{
    std::vector<int> codes;
    for (int usage = 0; usage <= 0xFF; ++usage)
        codes.push_back(evdevKeyCodeOfUsage(static_cast<std::uint8_t>(usage)));
    for (int scan = 0; scan <= 0xFF; ++scan) {
        codes.push_back(evdevCodeOfScanCode(static_cast<std::uint16_t>(scan)));
        codes.push_back(evdevCodeOfScanCode(static_cast<std::uint16_t>(kExtendedScanPrefix | scan)));
    }
    for (const MouseButton button :
         {MouseButton::Left, MouseButton::Right, MouseButton::Middle, MouseButton::X1, MouseButton::X2})
        codes.push_back(buttonCode(button));
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    codes.erase(std::remove(codes.begin(), codes.end(), 0), codes.end());
    return codes;
}

}  // namespace platform

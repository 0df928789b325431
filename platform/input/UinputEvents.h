#pragma once
// The input events the virtual device writes for one key, one button or wheel
// steps, each frame closed by SYN_REPORT as a real device closes its reports;
// and the key codes and axes the device declares.

#include <cstdint>
#include <vector>

#include "platform/input/InputInjector.h"

namespace platform {

struct InputEventRecord {
    std::uint16_t type = 0;
    std::uint16_t code = 0;
    std::int32_t value = 0;
    friend bool operator==(const InputEventRecord&, const InputEventRecord&) = default;
};

// A wheel step of a high-resolution wheel, in 1/120 of a notch.
inline constexpr std::int32_t kHighResolutionStep = 120;
// The most wheel steps one call writes, so a wrong count cannot flood the input stream.
inline constexpr int kMaxWheelSteps = 100;

// Key down (1) or up (0); empty for key code 0.
std::vector<InputEventRecord> keyEvents(int keyCode, KeyAction action);

std::vector<InputEventRecord> buttonEvents(MouseButton button, KeyAction action);

// One frame per notch of the horizontal wheel (negative left, positive right),
// with the high-resolution value beside the classic one when `highResolution`.
// Empty for 0 steps or more than kMaxWheelSteps.
std::vector<InputEventRecord> horizontalWheelEvents(int steps, bool highResolution);

// BTN_LEFT, BTN_RIGHT, BTN_MIDDLE, BTN_SIDE (X1, back) and BTN_EXTRA (X2, forward).
int buttonCode(MouseButton button);

// Every key and button code the injector can write: the keys of the HID usage
// table, those of the set-1 scan codes (media and volume keys) and the five buttons.
std::vector<int> declaredKeyCodes();

}  // namespace platform

#pragma once
// The mouse's event types and the table that routes each, with its value
// conditions, to its handler. Events outside a condition are ignored silently.

#include <cstdint>

#include "monitor/dispatch/DispatchContext.h"
#include "monitor/dispatch/EventWord.h"

namespace monitor::dispatch {

namespace event_type {
inline constexpr std::uint16_t kWheelTilt = 0x1000;
inline constexpr std::uint16_t kVolume = 0x1B00;
inline constexpr std::uint16_t kProfile = 0x2000;
inline constexpr std::uint16_t kPadtune = 0x3000;
inline constexpr std::uint16_t kLaunchProgram = 0x6000;
inline constexpr std::uint16_t kButtonPress = 0x8000;
inline constexpr std::uint16_t kButton = 0x9000;
inline constexpr std::uint16_t kOpenConfiguration = 0xA000;
inline constexpr std::uint16_t kCpiLevel = 0xB000;
inline constexpr std::uint16_t kSensitivity = 0xC000;
inline constexpr std::uint16_t kPollingRate = 0xD000;
inline constexpr std::uint16_t kOnScreen = 0xE000;
inline constexpr std::uint16_t kMedia = 0xF000;
inline constexpr std::uint16_t kColorDatabase = 0xFD00;
inline constexpr std::uint16_t kMacroRequest = 0xFE00;
inline constexpr std::uint16_t kInterDeviceKey = 0xFF00;
// The statistics types the library forwards; 0xE800, 0xE900, 0xEB00 and 0xEC00 never come.
inline constexpr std::uint16_t kStatistics[] = {0xE100, 0xE200, 0xE300, 0xE400, 0xE500, 0xE600,
                                                0xE700, 0xEA00, 0xED00, 0xEE00, 0xEF00};
}  // namespace event_type

void dispatchMouseEvent(DispatchContext& context, MouseEvent event);

}  // namespace monitor::dispatch

#pragma once
// Event codes the mouse sends in its event report (report 3: 3, 0, code, value
// low byte, value high byte), and the values they carry.

#include <cstdint>

namespace mousesim::event {

inline constexpr std::uint8_t kTilt = 0x10;            // value 1 right, 255 left
inline constexpr std::uint8_t kVolume = 0x1B;          // value 1 up, 255 down
inline constexpr std::uint8_t kProfile = 0x20;         // value = profile + 1
inline constexpr std::uint8_t kProgramLaunch = 0x60;   // value = button + 1
inline constexpr std::uint8_t kButtonAction = 0x90;    // low byte button + 1, high byte 1 on release
inline constexpr std::uint8_t kOpenDriver = 0xA0;      // value 1
inline constexpr std::uint8_t kCpiLevel = 0xB0;        // value = level + 1
inline constexpr std::uint8_t kSensitivity = 0xC0;     // low byte sensitivity, high byte second axis
inline constexpr std::uint8_t kMedia = 0xF0;           // low byte function code, high byte 1 on release
inline constexpr std::uint8_t kParleyKey = 0xFF;       // low byte button + 1, high byte 1 on release
// Click statistics of physical buttons 0-6 use codes 0xE1-0xE7.
inline constexpr std::uint8_t kFirstClickStatistics = 0xE1;
inline constexpr std::uint8_t kClickStatisticsButtons = 7;

inline constexpr std::uint8_t kReleasedFlag = 1;
inline constexpr std::uint8_t kTiltRight = 1;
inline constexpr std::uint8_t kTiltLeft = 255;
inline constexpr std::uint8_t kVolumeUp = 1;
inline constexpr std::uint8_t kVolumeDown = 255;

}  // namespace mousesim::event

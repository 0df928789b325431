#pragma once
// The button function codes as the mouse's firmware knows them (byte 3 + 3k of
// the button table). Codes not listed are carried out by the mouse as ordinary
// mouse or keyboard input and reported to nobody.

#include <cstdint>

namespace mousesim::function {

inline constexpr std::uint8_t kShortcut = 5;
inline constexpr std::uint8_t kTiltLeft = 9;
inline constexpr std::uint8_t kTiltRight = 10;
inline constexpr std::uint8_t kProgramLaunch = 15;
inline constexpr std::uint8_t kProfileCycle = 16;
inline constexpr std::uint8_t kProfileUp = 17;
inline constexpr std::uint8_t kProfileDown = 18;
inline constexpr std::uint8_t kCpiCycle = 20;
inline constexpr std::uint8_t kCpiUp = 21;
inline constexpr std::uint8_t kCpiDown = 22;
inline constexpr std::uint8_t kSensitivityCycle = 23;
inline constexpr std::uint8_t kSensitivityUp = 24;
inline constexpr std::uint8_t kSensitivityDown = 25;
inline constexpr std::uint8_t kOpenDriver = 27;
inline constexpr std::uint8_t kFirstMedia = 32;   // 32-39: player, tracks, mute, volume
inline constexpr std::uint8_t kMute = 37;
inline constexpr std::uint8_t kVolumeUp = 38;
inline constexpr std::uint8_t kVolumeDown = 39;
inline constexpr std::uint8_t kLastMedia = 39;
inline constexpr std::uint8_t kMacro = 48;
inline constexpr std::uint8_t kTimer = 49;
inline constexpr std::uint8_t kStopTimer = 50;
inline constexpr std::uint8_t kDualkey = 65;
inline constexpr std::uint8_t kFirstParley = 81;  // 81-84: keys acting on other devices
inline constexpr std::uint8_t kLastParley = 84;

}  // namespace mousesim::function

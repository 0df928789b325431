#pragma once
// Parley command numbers that the mouse's inter-device keys send and that the
// Parley software sends back to change the mouse (commands 4-10 are the window's).

#include <cstdint>

namespace monitor::dispatch::parley_command {

inline constexpr std::uint8_t kKeyToAll = 140;       // on/off to every device
inline constexpr std::uint8_t kLockToAll = 141;      // inter-device lock, every device
inline constexpr std::uint8_t kKeyToDevice = 245;    // on/off to one device
inline constexpr std::uint8_t kLockToDevice = 246;   // inter-device lock, one device
// 247-251 select profile 1-5 (command - 246).
inline constexpr std::uint8_t kFirstProfileSelect = 247;
inline constexpr std::uint8_t kLastProfileSelect = 251;
inline constexpr std::uint8_t kProfileSelectBase = 246;

}  // namespace monitor::dispatch::parley_command

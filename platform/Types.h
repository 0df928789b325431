#pragma once
// Basic types of the message layer. They keep the Win32 shapes the programs are
// written in, at widths that survive 64-bit processes and crossing process bounds.

#include <cstdint>

namespace platform {

// Names one window in every process of the user; 0 is "no window".
using WindowHandle = std::uint32_t;
using MessageId = std::uint32_t;
using WParam = std::uint64_t;
using LParam = std::int64_t;
using LResult = std::int64_t;

// System message numbers the programs exchange, with their Win32 values.
inline constexpr MessageId WM_DESTROY = 0x0002;
inline constexpr MessageId WM_CLOSE = 0x0010;
inline constexpr MessageId WM_QUIT = 0x0012;
inline constexpr MessageId WM_SETTINGCHANGE = 0x001A;
inline constexpr MessageId WM_WININICHANGE = 0x001A;
inline constexpr MessageId WM_COPYDATA = 0x004A;
inline constexpr MessageId WM_COMMAND = 0x0111;
inline constexpr MessageId WM_TIMER = 0x0113;
inline constexpr MessageId WM_POWERBROADCAST = 0x0218;
inline constexpr MessageId WM_DEVICECHANGE = 0x0219;
inline constexpr MessageId WM_USER = 0x0400;
inline constexpr MessageId WM_APP = 0x8000;

// Numbers handed out for registered message names.
inline constexpr MessageId kFirstRegisteredMessage = 0xC000;
inline constexpr MessageId kLastRegisteredMessage = 0xFFFF;

}  // namespace platform

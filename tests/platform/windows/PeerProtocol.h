#pragma once
// What the peer program (WindowPeer.cpp) does with each message the tests send it.

#include <cstddef>
#include <cstdint>

#include "platform/Types.h"

namespace peer {

using platform::MessageId;
using platform::WM_APP;

// Returns wParam * 3 + lParam.
inline constexpr MessageId kEcho = WM_APP + 1;
// Posts kPostedBack(wParam, the peer's handle) to the window in lParam.
inline constexpr MessageId kPostBack = WM_APP + 2;
inline constexpr MessageId kPostedBack = WM_APP + 3;
// Writes "hanging" to its output, then never returns.
inline constexpr MessageId kHang = WM_APP + 4;
// Returns 1 and ends the peer's event loop.
inline constexpr MessageId kQuit = WM_APP + 5;
// Sends kEcho(wParam, 0) to the window in lParam and returns that result + 1.
inline constexpr MessageId kSendBack = WM_APP + 6;
// Broadcast by the tests; answered with kAnnounceAck(the peer's handle) posted to lParam.
inline constexpr MessageId kAnnounce = WM_APP + 7;
inline constexpr MessageId kAnnounceAck = WM_APP + 8;
// Copy data is answered with copy data of the reversed payload and dwData + 1,
// sent to the sender; the call returns payloadChecksum of what arrived.

inline std::int64_t payloadChecksum(const std::uint8_t* data, std::size_t size)
{
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (std::size_t i = 0; i < size; ++i) {
        hash ^= data[i];
        hash *= 16777619u;
    }
    return static_cast<std::int64_t>(hash) + static_cast<std::int64_t>(size);
}

}  // namespace peer

#pragma once
// The three shapes every single-report operation takes, each holding the device
// for its whole length so the other thread's reports cannot come in between.

#include <chrono>
#include <cstdint>
#include <span>

#include "monitor/protocol/DeviceLink.h"

namespace monitor::protocol {

// Writes `report`, then runs the ready handshake with `handshakeDelay`. A failed
// write skips the handshake.
bool writeReport(DeviceLink& link, std::span<const std::uint8_t> report,
                 std::chrono::milliseconds handshakeDelay);

// Zero-fills `buffer`, puts `reportId` in byte 0 and reads it. True only when the
// read succeeded and the answer carries the same report ID.
bool readReport(DeviceLink& link, std::uint8_t reportId, std::span<std::uint8_t> buffer);

// Select request (profile, item), its handshake, then the read of `reportId`.
// Nothing is read when the select or its handshake failed, since the read would
// then answer for whatever was selected before.
bool selectAndRead(DeviceLink& link, std::uint8_t profile, std::uint8_t item, std::uint8_t reportId,
                   std::span<std::uint8_t> buffer);

}  // namespace monitor::protocol

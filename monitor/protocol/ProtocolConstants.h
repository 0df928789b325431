#pragma once
// Report numbers, lengths, handshake delays and codes of the mouse's feature
// collection, named once for every encoder and sequence.

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace monitor::protocol {

using std::chrono::milliseconds;

namespace report {
inline constexpr std::uint8_t kSelectOrStatus = 4;  // write: select request; read: status
inline constexpr std::uint8_t kActiveProfile = 5;
inline constexpr std::uint8_t kProfileSettings = 6;
inline constexpr std::uint8_t kButtonTable = 7;
inline constexpr std::uint8_t kMacro = 8;
inline constexpr std::uint8_t kFirmware = 9;        // read: version; write: restore defaults
inline constexpr std::uint8_t kSensor = 12;         // write: capture request; read: image
inline constexpr std::uint8_t kHostPresence = 14;
inline constexpr std::uint8_t kTracking = 15;
inline constexpr std::uint8_t kParleyState = 16;
inline constexpr std::uint8_t kColorChunk = 26;
}  // namespace report

namespace length {
inline constexpr std::size_t kSelect = 3;
inline constexpr std::size_t kStatus = 3;
inline constexpr std::size_t kActiveProfile = 3;
inline constexpr std::size_t kProfileSettings = 31;
inline constexpr std::size_t kButtonTable = 59;
inline constexpr std::size_t kMacro = 2082;
inline constexpr std::size_t kFirmware = 6;
inline constexpr std::size_t kSensorRequest = 4;
inline constexpr std::size_t kSensorImage = 1028;
inline constexpr std::size_t kHostPresence = 3;
inline constexpr std::size_t kTracking = 6;
inline constexpr std::size_t kParleyState = 16;
inline constexpr std::size_t kColorChunk = 1029;
}  // namespace length

// The first pause of the ready handshake after each write.
namespace handshake_delay {
inline constexpr milliseconds kSelect{100};
inline constexpr milliseconds kActiveProfile{100};
inline constexpr milliseconds kProfileSettings{100};
inline constexpr milliseconds kButtonTable{500};
inline constexpr milliseconds kMacro{500};
inline constexpr milliseconds kRestoreDefaults{100};
inline constexpr milliseconds kSensorCapture{0};  // after a fixed sleep of its own
inline constexpr milliseconds kHostPresence{100};
inline constexpr milliseconds kTracking{100};
inline constexpr milliseconds kParleyState{100};
inline constexpr milliseconds kColorChunk{300};
}  // namespace handshake_delay

namespace device_status {
inline constexpr std::uint8_t kReady = 1;
inline constexpr std::uint8_t kBusy = 3;
}  // namespace device_status

// Byte 2 of a select request: what the next read of report 6, 7 or 8 returns.
// A device button number 0-17 selects the macro of that button.
namespace select_item {
inline constexpr std::uint8_t kProfileSettings = 0x80;
inline constexpr std::uint8_t kButtonTable = 0x90;
}  // namespace select_item

// The pause the sequences take between two reports.
inline constexpr milliseconds kPauseBetweenReports{100};

// The two function codes the protocol treats apart from the others.
inline constexpr std::uint8_t kFunctionCodeKeyCombination = 5;
inline constexpr std::uint8_t kFunctionCodeMacro = 48;

inline constexpr int kDeviceButtonCount = 18;

}  // namespace monitor::protocol

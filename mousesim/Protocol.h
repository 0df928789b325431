#pragma once
// The mouse's side of its HID protocol: report numbers, lengths, fixed bytes and
// the codes it answers with. Every protocol number of the simulator lives here.

#include <cstddef>
#include <cstdint>

namespace mousesim {

inline constexpr std::size_t kProfileCount = 5;
// Buttons 0-8 are the physical buttons with their normal functions; entries 9-17
// hold the functions of buttons 0-8 while a Dualkey button is held.
inline constexpr std::size_t kDeviceButtonCount = 18;
inline constexpr std::size_t kPhysicalButtonCount = 9;
inline constexpr std::size_t kDualkeyLayerOffset = 9;

namespace report {
inline constexpr std::uint8_t kEvent = 3;
inline constexpr std::uint8_t kSelect = 4;  // write: select request; read: status
inline constexpr std::uint8_t kActiveProfile = 5;
inline constexpr std::uint8_t kProfileSettings = 6;
inline constexpr std::uint8_t kButtonTable = 7;
inline constexpr std::uint8_t kMacro = 8;
inline constexpr std::uint8_t kFirmwareVersion = 9;  // write: restore defaults
inline constexpr std::uint8_t kSensor = 12;
inline constexpr std::uint8_t kHostPresence = 14;
inline constexpr std::uint8_t kTracking = 15;
inline constexpr std::uint8_t kParleyState = 16;
inline constexpr std::uint8_t kColorDatabase = 26;
inline constexpr std::uint8_t kUpdateCommand = 27;
inline constexpr std::uint8_t kUpdateStatus = 28;
}  // namespace report

namespace length {
inline constexpr std::size_t kEvent = 5;
inline constexpr std::size_t kSelect = 3;
inline constexpr std::size_t kStatus = 3;
inline constexpr std::size_t kActiveProfile = 3;
inline constexpr std::size_t kProfileSettings = 31;
inline constexpr std::size_t kButtonTable = 59;
inline constexpr std::size_t kMacro = 2082;
inline constexpr std::size_t kFirmwareVersion = 6;
inline constexpr std::size_t kSensorRequest = 4;
inline constexpr std::size_t kSensorImage = 1028;
inline constexpr std::size_t kHostPresence = 3;
inline constexpr std::size_t kTracking = 6;
inline constexpr std::size_t kParleyState = 16;
inline constexpr std::size_t kColorDatabase = 1029;
inline constexpr std::size_t kUpdateCommand = 1026;
inline constexpr std::size_t kUpdateStatus = 3;
}  // namespace length

// Reports whose byte 1 carries their own length, and the macro report's 16-bit
// length in bytes 1-2.
inline constexpr std::uint8_t kMacroLengthLow = 0x22;
inline constexpr std::uint8_t kMacroLengthHigh = 0x08;

namespace select {
inline constexpr std::uint8_t kProfileSettings = 0x80;
inline constexpr std::uint8_t kButtonTable = 0x90;
}  // namespace select

// Byte 1 of the status report (report 4).
namespace status {
inline constexpr std::uint8_t kReady = 1;
inline constexpr std::uint8_t kFailed = 2;
inline constexpr std::uint8_t kBusy = 3;
}  // namespace status

// Byte 1 of the update status report (report 28).
namespace updateStatus {
inline constexpr std::uint8_t kSuccess = 1;
inline constexpr std::uint8_t kFailed = 2;
inline constexpr std::uint8_t kBusy = 3;
inline constexpr std::uint8_t kRepeat = 4;
}  // namespace updateStatus

// Byte 1 of the update command report (report 27).
namespace updateCommand {
inline constexpr std::uint8_t kStart = 0x00;
inline constexpr std::uint8_t kSize = 0x01;
inline constexpr std::uint8_t kPrepare = 0x02;
inline constexpr std::uint8_t kBlockHeader = 0x03;
inline constexpr std::uint8_t kBlockData = 0x04;
inline constexpr std::uint8_t kFinish = 0x0F;
inline constexpr std::uint8_t kPrepareMark = 0xEC;  // byte 4 of prepare
}  // namespace updateCommand

inline constexpr std::size_t kFirmwareBlockSize = 1024;
inline constexpr std::size_t kFirmwareMaxBlocks = 200;
inline constexpr std::size_t kFirmwareMaxSize = kFirmwareBlockSize * kFirmwareMaxBlocks;

// The only accepted restore-defaults command and sensor-capture request.
inline constexpr std::uint8_t kRestoreDefaults[length::kFirmwareVersion] = {0x09, 0x06, 0x0B, 0x00, 0x00, 0x00};
inline constexpr std::uint8_t kSensorCaptureRequest[length::kSensorRequest] = {0x0C, 0x03, 0x01, 0x00};

inline constexpr std::size_t kSensorImageOffset = 3;
inline constexpr std::size_t kSensorImageSide = 30;

// Tracking report: 0xFF in a field means "leave as it is".
inline constexpr std::uint8_t kTrackingNoChange = 0xFF;
inline constexpr std::uint8_t kCalibrationDiscard = 0;
inline constexpr std::uint8_t kCalibrationKeep = 1;
inline constexpr std::uint8_t kMaxPadtuneLevel = 3;

inline constexpr std::size_t kColorDatabaseMaxChunks = 256;

inline constexpr std::size_t kMacroMaxEvents = 500;

}  // namespace mousesim

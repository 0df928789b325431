#pragma once
// The sensor picture stored as "Wave/sensorImage.bmp" for the calibration window:
// turned to rows, each row mirrored and padded to 32 bytes, every byte rotated
// left by two bits.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "monitor/protocol/SensorCapture.h"
#include "settings/InstallFolder.h"

namespace monitor::protocol {

inline constexpr char kSensorImageFile[] = "Wave/sensorImage.bmp";
inline constexpr std::size_t kSensorRowStride = 32;
inline constexpr std::size_t kSensorRowsSize = kSensorRowStride * kSensorImageSide;  // 960

// Row r, column x of the file holds the mouse's pixel of column 29 - x, row r;
// the two padding bytes of each row are zero. Not yet rotated.
std::array<std::uint8_t, kSensorRowsSize> sensorImageRows(const SensorImage& image);

// The 8-bit rotation: bits 7 and 6 come round to bits 1 and 0.
constexpr std::uint8_t rotateLeftByTwo(std::uint8_t value)
{
    return static_cast<std::uint8_t>((value << 2) | (value >> 6));
}

// Writes the rows after the bitmap's headers, then reads them back and rotates
// every byte in place. A file too short to hold the rows gets the headers of a
// 30 x 30 grey bitmap first; a file that cannot be opened is skipped (false).
bool storeSensorImage(const std::string& path, const SensorImage& image);

bool storeSensorImage(const settings::InstallFolder& folder, const SensorImage& image);

}  // namespace monitor::protocol

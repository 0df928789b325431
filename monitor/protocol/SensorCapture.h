#pragma once
// Report 12: the Padtune calibration's picture of the surface under the sensor,
// 30 x 30 pixels, column after column.

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>

#include "monitor/protocol/DeviceLink.h"
#include "monitor/protocol/ProtocolConstants.h"

namespace monitor::protocol {

inline constexpr int kSensorImageSide = 30;
inline constexpr std::size_t kSensorPixelCount = kSensorImageSide * kSensorImageSide;
// The mouse needs this long to take the picture before it answers the handshake,
// and this long again before the picture can be read.
inline constexpr std::chrono::milliseconds kSensorCaptureTime{2000};
inline constexpr std::chrono::milliseconds kSensorImageSettleTime{500};

#pragma pack(push, 1)
struct SensorCaptureRequestWire {
    std::uint8_t ReportId;
    std::uint8_t Length;   // 3, though four bytes are sent
    std::uint8_t Command;  // 1: capture
    std::uint8_t Zero;
};

struct SensorImageWire {
    std::uint8_t ReportId;
    std::uint8_t Unused[2];
    std::uint8_t Pixels[kSensorPixelCount];  // pixel (column c, row r) at c * 30 + r
    std::uint8_t Tail[length::kSensorImage - 3 - kSensorPixelCount];
};
#pragma pack(pop)

static_assert(sizeof(SensorCaptureRequestWire) == length::kSensorRequest);
static_assert(offsetof(SensorCaptureRequestWire, Command) == 2);
static_assert(sizeof(SensorImageWire) == length::kSensorImage);
static_assert(offsetof(SensorImageWire, Pixels) == 3);

// The pixels as the mouse sends them, column after column.
using SensorImage = std::array<std::uint8_t, kSensorPixelCount>;

std::array<std::uint8_t, length::kSensorRequest> encodeSensorCaptureRequest();
SensorImage decodeSensorImage(std::span<const std::uint8_t, length::kSensorImage> report);

struct SensorCapture {
    bool imageRead = false;
    SensorImage image{};  // all zero when the read failed
};

// The request; when it was taken, the capture time and the handshake; then the
// settle time and the read. The device is held throughout.
SensorCapture captureSensorImage(DeviceLink& link);

}  // namespace monitor::protocol

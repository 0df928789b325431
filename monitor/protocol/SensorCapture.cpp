#include "monitor/protocol/SensorCapture.h"

#include "monitor/protocol/ReadyHandshake.h"
#include "monitor/protocol/ReportExchange.h"
#include "monitor/protocol/WireBytes.h"

namespace monitor::protocol {
namespace {

constexpr std::uint8_t kSensorRequestLengthByte = 3;
constexpr std::uint8_t kSensorCaptureCommand = 1;

}  // namespace

std::array<std::uint8_t, length::kSensorRequest> encodeSensorCaptureRequest()
{
    SensorCaptureRequestWire wire{};
    wire.ReportId = report::kSensor;
    wire.Length = kSensorRequestLengthByte;
    wire.Command = kSensorCaptureCommand;
    return toBytes(wire);
}

SensorImage decodeSensorImage(std::span<const std::uint8_t, length::kSensorImage> report)
{
    const auto wire = fromBytes<SensorImageWire>(report);
    SensorImage image{};
    std::copy(std::begin(wire.Pixels), std::end(wire.Pixels), image.begin());
    return image;
}

SensorCapture captureSensorImage(DeviceLink& link)
{
    const auto held = link.device.exclusive();
    SensorCapture capture;
    if (link.device.setFeature(encodeSensorCaptureRequest())) {
        link.pauser.sleep(kSensorCaptureTime);
        waitUntilReady(link, handshake_delay::kSensorCapture);
    }
    link.pauser.sleep(kSensorImageSettleTime);
    std::array<std::uint8_t, length::kSensorImage> answer{};
    if (readReport(link, report::kSensor, answer)) {
        capture.imageRead = true;
        capture.image = decodeSensorImage(answer);
    }
    return capture;
}

}  // namespace monitor::protocol

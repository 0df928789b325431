#include "mousesim/DeviceDescriptor.h"

#include <utility>

#include "mousesim/Protocol.h"

namespace mousesim {
namespace {

// Short items of the HID report descriptor: prefix byte, then 1 or 2 data bytes.
constexpr std::uint8_t kUsagePage16 = 0x06;
constexpr std::uint8_t kUsage8 = 0x09;
constexpr std::uint8_t kCollection = 0xA1;
constexpr std::uint8_t kApplication = 0x01;
constexpr std::uint8_t kEndCollection = 0xC0;
constexpr std::uint8_t kReportId = 0x85;
constexpr std::uint8_t kLogicalMinimum8 = 0x15;
constexpr std::uint8_t kLogicalMaximum16 = 0x26;
constexpr std::uint8_t kReportSize8 = 0x75;
constexpr std::uint8_t kReportCount16 = 0x96;
constexpr std::uint8_t kInput = 0x81;
constexpr std::uint8_t kFeature = 0xB1;
constexpr std::uint8_t kDataVariableAbsolute = 0x02;

// Feature reports by ID, at their longest (report ID byte included).
constexpr std::pair<std::uint8_t, std::size_t> kFeatureReports[] = {
    {report::kSelect, length::kSelect},
    {report::kActiveProfile, length::kActiveProfile},
    {report::kProfileSettings, length::kProfileSettings},
    {report::kButtonTable, length::kButtonTable},
    {report::kMacro, length::kMacro},
    {report::kFirmwareVersion, length::kFirmwareVersion},
    {report::kSensor, length::kSensorImage},
    {report::kHostPresence, length::kHostPresence},
    {report::kTracking, length::kTracking},
    {report::kParleyState, length::kParleyState},
    {report::kColorDatabase, length::kColorDatabase},
    {report::kUpdateCommand, length::kUpdateCommand},
    {report::kUpdateStatus, length::kUpdateStatus},
};

void put16(std::vector<std::uint8_t>& d, std::uint8_t prefix, std::size_t value) {
    d.insert(d.end(), {prefix, static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>(value >> 8)});
}

void openCollection(std::vector<std::uint8_t>& d, std::uint16_t usagePage) {
    put16(d, kUsagePage16, usagePage);
    d.insert(d.end(), {kUsage8, static_cast<std::uint8_t>(kCollectionUsage), kCollection, kApplication});
    d.insert(d.end(), {kLogicalMinimum8, 0x00});
    put16(d, kLogicalMaximum16, 0xFF);
    d.insert(d.end(), {kReportSize8, 8});
}

void byteReport(std::vector<std::uint8_t>& d, std::uint8_t id, std::size_t length, std::uint8_t mainItem) {
    d.insert(d.end(), {kReportId, id});
    put16(d, kReportCount16, length - 1);
    d.insert(d.end(), {kUsage8, static_cast<std::uint8_t>(kCollectionUsage), mainItem, kDataVariableAbsolute});
}

}  // namespace

std::vector<std::uint8_t> eventCollectionDescriptor() {
    std::vector<std::uint8_t> d;
    openCollection(d, kEventUsagePage);
    byteReport(d, report::kEvent, length::kEvent, kInput);
    d.push_back(kEndCollection);
    return d;
}

std::vector<std::uint8_t> featureCollectionDescriptor() {
    std::vector<std::uint8_t> d;
    openCollection(d, kFeatureUsagePage);
    for (const auto& [id, length] : kFeatureReports) byteReport(d, id, length, kFeature);
    d.push_back(kEndCollection);
    return d;
}

std::vector<std::uint8_t> combinedDescriptor() {
    std::vector<std::uint8_t> d = eventCollectionDescriptor();
    const std::vector<std::uint8_t> feature = featureCollectionDescriptor();
    d.insert(d.end(), feature.begin(), feature.end());
    return d;
}

std::optional<std::size_t> featureReportLength(std::uint8_t reportId) {
    for (const auto& [id, length] : kFeatureReports)
        if (id == reportId) return length;
    return std::nullopt;
}

}  // namespace mousesim

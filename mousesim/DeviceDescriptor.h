#pragma once
// How the mouse describes itself on the bus: its USB identity and the HID
// report descriptors of its two top-level collections, the event collection
// (input report 3) and the feature collection (every feature report at its
// full length).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace mousesim {

inline constexpr std::uint16_t kVendorId = 0x1E7D;
inline constexpr std::uint16_t kProductId = 0x2DC2;
inline constexpr std::uint16_t kDeviceVersion = 0x0100;
inline constexpr std::uint16_t kEventUsagePage = 0x000A;
inline constexpr std::uint16_t kFeatureUsagePage = 0x000B;
inline constexpr std::uint16_t kCollectionUsage = 0x0000;

std::vector<std::uint8_t> eventCollectionDescriptor();
std::vector<std::uint8_t> featureCollectionDescriptor();
// Both collections in one descriptor, as one interface carrying both.
std::vector<std::uint8_t> combinedDescriptor();
// The length the feature collection gives report `reportId` (report ID byte
// included); nothing for a report it does not have.
std::optional<std::size_t> featureReportLength(std::uint8_t reportId);

}  // namespace mousesim

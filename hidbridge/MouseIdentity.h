#pragma once
// Which devices and collections are the mouse's.

#include <cstdint>
#include <optional>

#include "hidbridge/DeviceBackend.h"

namespace hidbridge {

inline constexpr std::uint16_t kMouseVendorId = 0x1E7D;
inline constexpr std::uint16_t kMouseVendorIdAlternate = 0xFFFF;
inline constexpr std::uint16_t kMouseProductId = 0x2DC2;
inline constexpr std::uint16_t kEventUsagePage = 0x000A;
inline constexpr std::uint16_t kFeatureUsagePage = 0x000B;
inline constexpr std::uint16_t kCollectionUsage = 0x0000;

enum class CollectionRole { Event, Feature };

// The capabilities of the device's collection in that role, when the device is
// the mouse and has such a collection.
inline std::optional<CollectionCaps> matchCollection(const DeviceInfo& device, CollectionRole role)
{
    if (device.vendorId != kMouseVendorId && device.vendorId != kMouseVendorIdAlternate) return std::nullopt;
    if (device.productId != kMouseProductId) return std::nullopt;
    const std::uint16_t page = role == CollectionRole::Event ? kEventUsagePage : kFeatureUsagePage;
    for (const CollectionCaps& caps : device.collections) {
        if (caps.usagePage == page && caps.usage == kCollectionUsage) return caps;
    }
    return std::nullopt;
}

}  // namespace hidbridge

#pragma once
// Reads a HID report descriptor the way the HID class driver sees it: one entry
// per top-level collection, with its usage and the byte lengths of its input,
// output and feature reports (report ID byte included, as HidP_GetCaps gives).
// A descriptor that is malformed in any way yields no collections, so it can
// never match the mouse.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace hidbridge {

struct CollectionCaps {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint16_t inputReportLength = 0;
    std::uint16_t outputReportLength = 0;
    std::uint16_t featureReportLength = 0;
};

std::vector<CollectionCaps> parseReportDescriptor(const std::uint8_t* data, std::size_t size);

}  // namespace hidbridge

#pragma once
// The devices of the inter-device feature (Parley) that registered with the
// monitor by copy-data, kept for the button page through DeviceInfo.ini.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "settings/DeviceList.h"

namespace monitor::app {

// The table and DeviceInfo.ini hold the same number of devices.
inline constexpr std::size_t kParleyTableCapacity = settings::kMaxParleyDevices;
inline constexpr std::size_t kParleyRegistrationSize = 64;

// The UTF-16 name of a registration (up to its first NUL) as UTF-8, cut at a
// character boundary so that it fits the name field with its NUL. Units that
// are no character (lone surrogates) become U+FFFD.
std::string parleyNameFromUtf16(std::span<const std::uint8_t> utf16le, std::size_t maxBytes);

// The record a 64-byte registration describes; false for any other size.
bool decodeParleyRegistration(std::span<const std::uint8_t> payload, settings::ParleyDevice& device);

class ParleyDeviceTable {
public:
    enum class Outcome { Added, Replaced, Full };

    // A device with a known product ID replaces its entry in place; a new one is
    // appended while fewer than 100 are kept, else ignored.
    Outcome registerDevice(const settings::ParleyDevice& device);
    // Removes the entry of `productId`, the later ones moving up; false when none.
    bool remove(std::uint16_t productId);
    void clear() { devices_.clear(); }

    const settings::ParleyDeviceList& devices() const { return devices_; }

private:
    settings::ParleyDeviceList devices_;
};

}  // namespace monitor::app

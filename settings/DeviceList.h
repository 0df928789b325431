#pragma once
// The other devices of the inter-device feature (Parley) that announced
// themselves to the monitor, and their file DeviceInfo.ini.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>
#include <vector>

#include "settings/InstallFolder.h"

namespace settings {

inline constexpr std::size_t kParleyDeviceNameSize = 20;
inline constexpr int kParleyCpiCount = 5;
// The monitor keeps up to this many devices; a larger `Count` in the file is not trusted.
inline constexpr int kMaxParleyDevices = 100;

#pragma pack(push, 1)
struct ParleyDevice {
    std::uint16_t Vid = 0;
    std::uint16_t Pid = 0;  // recognises a device again
    char Name[kParleyDeviceNameSize] = {};
    std::int32_t Cpi[kParleyCpiCount] = {};
};
#pragma pack(pop)

static_assert(sizeof(ParleyDevice) == 44);
static_assert(offsetof(ParleyDevice, Vid) == 0);
static_assert(offsetof(ParleyDevice, Pid) == 2);
static_assert(offsetof(ParleyDevice, Name) == 4);
static_assert(offsetof(ParleyDevice, Cpi) == 24);
static_assert(std::is_trivially_copyable_v<ParleyDevice> && std::is_standard_layout_v<ParleyDevice>);

using ParleyDeviceList = std::vector<ParleyDevice>;

// Replaces the device with the same PID, or appends it. False when the list is
// full and the device new.
bool announceDevice(ParleyDeviceList& devices, const ParleyDevice& device);

// Rewrites DeviceInfo.ini with exactly the devices of the list.
bool writeDeviceList(const InstallFolder& folder, const ParleyDeviceList& devices);

// The devices of DeviceInfo.ini; a missing file or a `Count` below 1 gives none.
ParleyDeviceList readDeviceList(const InstallFolder& folder);

}  // namespace settings

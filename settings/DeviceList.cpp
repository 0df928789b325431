#include "settings/DeviceList.h"

#include <algorithm>
#include <string>

#include "platform/ini/IniBatch.h"
#include "settings/FixedText.h"

namespace settings {
namespace {

constexpr char kSettingSection[] = "Setting";

std::string deviceSection(int index)
{
    return "Device" + std::to_string(index);
}

std::string cpiKey(int index)
{
    return "CPI " + std::to_string(index);
}

}  // namespace

bool announceDevice(ParleyDeviceList& devices, const ParleyDevice& device)
{
    const auto known = std::find_if(devices.begin(), devices.end(),
                                    [&](const ParleyDevice& entry) { return entry.Pid == device.Pid; });
    if (known != devices.end()) {
        *known = device;
        return true;
    }
    if (devices.size() >= static_cast<std::size_t>(kMaxParleyDevices))
        return false;
    devices.push_back(device);
    return true;
}

bool writeDeviceList(const InstallFolder& folder, const ParleyDeviceList& devices)
{
    platform::ini::IniBatch file(folder.deviceInfoIni());
    for (const std::string& section : file.sectionNames())
        file.deleteSection(section);
    file.writeInt(kSettingSection, "Count", static_cast<int>(devices.size()));
    for (std::size_t i = 0; i < devices.size(); ++i) {
        const ParleyDevice& device = devices[i];
        const std::string section = deviceSection(static_cast<int>(i));
        file.writeInt(section, "VID", device.Vid);
        file.writeInt(section, "PID", device.Pid);
        file.writeString(section, "Name", fieldText(device.Name));
        for (int c = 0; c < kParleyCpiCount; ++c)
            file.writeInt(section, cpiKey(c), device.Cpi[c]);
    }
    return file.commit();
}

ParleyDeviceList readDeviceList(const InstallFolder& folder)
{
    const platform::ini::IniBatch file(folder.deviceInfoIni(), false);
    const int count = std::clamp(file.readInt(kSettingSection, "Count", -1), 0, kMaxParleyDevices);
    ParleyDeviceList devices(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        ParleyDevice& device = devices[static_cast<std::size_t>(i)];
        const std::string section = deviceSection(i);
        device.Vid = static_cast<std::uint16_t>(file.readInt(section, "VID", 0));
        device.Pid = static_cast<std::uint16_t>(file.readInt(section, "PID", 0));
        setFieldText(device.Name, file.readString(section, "Name"));
        for (int c = 0; c < kParleyCpiCount; ++c)
            device.Cpi[c] = file.readInt(section, cpiKey(c), 0);
    }
    return devices;
}

}  // namespace settings

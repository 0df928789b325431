#include "settings/PointerRegistry.h"

#include <optional>
#include <string>

#include "platform/ini/PrivateProfile.h"
#include "platform/registry/RegistryStore.h"
#include "settings/ProfileFields.h"

namespace settings {

const std::array<AccelerationRow, kAccelerationRowCount> kAccelerationTable = {{
    {0, 0, 0},
    {1, 13, 0}, {1, 12, 0}, {1, 11, 0}, {1, 10, 0}, {1, 9, 0},
    {1, 8, 0}, {1, 7, 0}, {1, 6, 0}, {1, 5, 0}, {1, 4, 0},
    {2, 4, 13}, {2, 4, 12}, {2, 4, 11}, {2, 4, 10}, {2, 4, 9},
    {2, 4, 8}, {2, 4, 7}, {2, 4, 6}, {2, 4, 5},
}};

namespace {

constexpr std::size_t kRegistryValueBytes = 80;
constexpr int kWholeScreenLines = -1;
constexpr int kDefaultScrollLines = 3;

std::optional<platform::RegistryKey> openKey(const char* path)
{
    if (auto key = platform::RegistryKey::open(path))
        return key;
    return platform::RegistryKey::openOrCreate(path);
}

std::optional<int> readNumber(const platform::RegistryKey& key, const char* name)
{
    const std::optional<std::string> text = key.readString(name, kRegistryValueBytes);
    if (!text)
        return std::nullopt;
    return platform::ini::parseInt(*text, 0);
}

void writeNumber(platform::RegistryKey& key, const char* name, int value)
{
    key.writeString(name, std::to_string(value));
}

void readInto(const platform::RegistryKey& key, const char* name, std::int32_t& field)
{
    if (const std::optional<int> value = readNumber(key, name))
        field = *value;
}

}  // namespace

int accelerationRowOf(const ProfileRecord& profile)
{
    if (profile.AccelerationFlag == 0)
        return 0;
    if (profile.Acceleration < 0)
        return 0;
    if (profile.Acceleration >= kAccelerationRowCount)
        return kAccelerationRowCount - 1;
    return profile.Acceleration;
}

int accelerationRowMatching(int speed, int threshold1, int threshold2)
{
    // Speed 0 turns acceleration off whatever thresholds are left behind.
    if (speed == 0)
        return 0;
    int match = -1;
    for (int row = 0; row < kAccelerationRowCount; ++row) {
        const AccelerationRow& entry = kAccelerationTable[static_cast<std::size_t>(row)];
        if (entry.speed == speed && entry.threshold1 >= threshold1 && entry.threshold2 >= threshold2)
            match = row;
    }
    return match;
}

int profileToRegistry(const ProfileRecord& profile)
{
    std::optional<platform::RegistryKey> mouse = openKey(kMouseKey);
    if (!mouse)
        return -1;
    // The registry is the desktop's: a value no page could have set (a damaged
    // file) goes there as the default, and so never comes back into a profile.
    writeNumber(*mouse, "DoubleClickSpeed", usableValue(profile, &ProfileRecord::DbleClickSpeed));
    writeNumber(*mouse, "MouseSensitivity", usableValue(profile, &ProfileRecord::MouseSpeed));
    writeNumber(*mouse, "MouseTrails", usableValue(profile, &ProfileRecord::MouseTrails));
    const AccelerationRow& row = kAccelerationTable[static_cast<std::size_t>(accelerationRowOf(profile))];
    writeNumber(*mouse, "MouseSpeed", row.speed);
    writeNumber(*mouse, "MouseThreshold1", row.threshold1);
    writeNumber(*mouse, "MouseThreshold2", row.threshold2);

    std::optional<platform::RegistryKey> desktop = openKey(kDesktopKey);
    if (!desktop)
        return -1;
    writeNumber(*desktop, "WheelScrollLines",
                profile.ScrollWheelFlag == 1 ? kWholeScreenLines
                                             : usableValue(profile, &ProfileRecord::ScrollWheelSpeed));
    writeNumber(*desktop, "WheelScrollChars", usableValue(profile, &ProfileRecord::TiltSpeed));
    return 1;
}

int registryToProfile(ProfileRecord& profile)
{
    const std::optional<platform::RegistryKey> mouse = openKey(kMouseKey);
    if (!mouse)
        return 0;
    readInto(*mouse, "DoubleClickSpeed", profile.DbleClickSpeed);
    readInto(*mouse, "MouseSensitivity", profile.MouseSpeed);
    readInto(*mouse, "MouseTrails", profile.MouseTrails);

    const std::optional<int> speed = readNumber(*mouse, "MouseSpeed");
    const std::optional<int> threshold1 = readNumber(*mouse, "MouseThreshold1");
    const std::optional<int> threshold2 = readNumber(*mouse, "MouseThreshold2");
    if (speed && threshold1 && threshold2) {
        const int row = accelerationRowMatching(*speed, *threshold1, *threshold2);
        if (row >= 0)
            profile.Acceleration = row;
        profile.AccelerationFlag = profile.Acceleration != 0 ? 1 : 0;
    }

    const std::optional<platform::RegistryKey> desktop = openKey(kDesktopKey);
    if (!desktop)
        return -1;
    if (const std::optional<int> lines = readNumber(*desktop, "WheelScrollLines")) {
        if (*lines == kWholeScreenLines) {
            profile.ScrollWheelFlag = 1;
            if (profile.ScrollWheelSpeed < 1 || profile.ScrollWheelSpeed > 10)
                profile.ScrollWheelSpeed = kDefaultScrollLines;
        } else {
            profile.ScrollWheelSpeed = *lines;
            profile.ScrollWheelFlag = 0;
        }
    }
    readInto(*desktop, "WheelScrollChars", profile.TiltSpeed);
    return 1;
}

}  // namespace settings

#pragma once
// The mouse's own memory: per profile the settings record, the button table and
// one macro per device button, plus the device-wide values. Records keep the
// bytes the host sent, in the mouse's order (colour as red, green, blue).

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "mousesim/Protocol.h"

namespace mousesim {

// Bytes 3-30 of the settings report.
struct ProfileSettings {
    std::uint8_t xySynchronous = 0;
    std::uint8_t sensitivityFirst = 0;   // report byte 4
    std::uint8_t sensitivity = 0;        // report byte 5, the value the host reads back
    std::uint8_t cpiEnabledMask = 0;     // bit i: CPI level i selectable
    std::uint8_t cpiLevelX[5] = {};      // units of 50 CPI
    std::uint8_t cpiIndex = 0;
    std::uint8_t cpiLevelY[5] = {};
    std::uint8_t angleFlags = 0;
    std::uint8_t pollingRate = 0;
    std::uint8_t lightOn = 0;
    std::uint8_t colorSource = 0;
    std::uint8_t colorFlow = 0;
    std::uint8_t effectType = 0;
    std::uint8_t effectSpeed = 0;
    std::uint8_t colorIndex = 0;         // 0xFF: custom colour
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t angleSnap = 0;
    std::uint8_t sensorAlignment = 0;

    bool operator==(const ProfileSettings&) const = default;
};
static_assert(sizeof(ProfileSettings) == 28);
static_assert(offsetof(ProfileSettings, cpiLevelX) == 4);
static_assert(offsetof(ProfileSettings, cpiIndex) == 9);
static_assert(offsetof(ProfileSettings, cpiLevelY) == 10);
static_assert(offsetof(ProfileSettings, angleFlags) == 15);
static_assert(offsetof(ProfileSettings, colorIndex) == 22);
static_assert(offsetof(ProfileSettings, red) == 23);
static_assert(offsetof(ProfileSettings, sensorAlignment) == 27);

// Three bytes per device button in the button table.
struct ButtonEntry {
    std::uint8_t code = 0;
    std::uint8_t modifiers = 0;  // shortcuts only
    std::uint8_t key = 0;        // shortcuts only

    bool operator==(const ButtonEntry&) const = default;
};
static_assert(sizeof(ButtonEntry) == 3);

using ButtonTable = std::array<ButtonEntry, kDeviceButtonCount>;
static_assert(sizeof(ButtonTable) == 54);

// Bytes 5-2079 of the macro report.
struct MacroBody {
    std::uint8_t loopCount = 0;
    std::uint8_t deviceName[24] = {};
    std::uint8_t setName[24] = {};
    std::uint8_t macroName[24] = {};
    std::uint8_t eventCount[2] = {};  // little-endian
    std::uint8_t events[kMacroMaxEvents * 4] = {};

    bool operator==(const MacroBody&) const = default;
};
static_assert(sizeof(MacroBody) == 2075);
static_assert(offsetof(MacroBody, deviceName) == 1);
static_assert(offsetof(MacroBody, setName) == 25);
static_assert(offsetof(MacroBody, macroName) == 49);
static_assert(offsetof(MacroBody, eventCount) == 73);
static_assert(offsetof(MacroBody, events) == 75);

struct ProfileMemory {
    ProfileSettings settings;
    ButtonTable buttons{};
    // One slot per device button; empty until the host writes a macro there.
    std::vector<std::optional<MacroBody>> macros = std::vector<std::optional<MacroBody>>(kDeviceButtonCount);

    bool operator==(const ProfileMemory&) const = default;
};

struct MouseMemory {
    std::array<ProfileMemory, kProfileCount> profiles;
    std::uint8_t activeProfile = 0;
    std::uint8_t padtuneLevel = 0;
    std::uint8_t trackControl = 0;
    std::uint8_t firmwareVersion = 0;

    bool operator==(const MouseMemory&) const = default;
};

}  // namespace mousesim

#include "mousesim/FactoryState.h"

#include <array>

namespace mousesim {
namespace {

// CPI levels 400, 800, 1600, 3200 and 5000 in the mouse's units of 50 CPI.
constexpr std::uint8_t kFactoryCpiLevels[5] = {8, 16, 32, 64, 100};
constexpr std::uint8_t kAllCpiLevels = 0x1F;
constexpr std::uint8_t kFactoryCpiIndex = 1;
constexpr std::uint8_t kFactorySensitivity = 6;
constexpr std::uint8_t kFactoryPollingRate = 3;
constexpr std::uint8_t kFactoryEffectSpeed = 2;
constexpr std::uint8_t kFactoryAngleSnap = 2;
constexpr std::uint8_t kFactorySensorAlignment = 30;

struct FactoryLighting {
    std::uint8_t colorFlow;
    std::uint8_t effectType;
    std::uint8_t colorIndex;
    std::uint8_t red, green, blue;
};

constexpr std::array<FactoryLighting, kProfileCount> kFactoryLighting = {{
    {1, 2, 7, 250, 0, 0},
    {0, 1, 0, 0, 100, 250},
    {0, 1, 7, 250, 0, 0},
    {0, 1, 11, 0, 250, 0},
    {0, 1, 15, 0, 0, 250},
}};

// Function codes of device buttons 0-17: click, menu, universal scrolling,
// forward, Dualkey, scroll up, scroll down, CPI up, CPI down, then the Dualkey
// layer: backward, forward, mute, disabled, free, volume up, volume down,
// profile up, profile down.
constexpr std::array<std::uint8_t, kDeviceButtonCount> kFactoryButtonCodes = {
    1, 2, 3, 7, 65, 13, 14, 21, 22, 8, 7, 37, 6, 0, 38, 39, 17, 18};

ProfileSettings factorySettings(std::size_t profile) {
    const FactoryLighting& light = kFactoryLighting[profile];
    ProfileSettings s;
    s.xySynchronous = 0;
    s.sensitivityFirst = kFactorySensitivity;
    s.sensitivity = kFactorySensitivity;
    s.cpiEnabledMask = kAllCpiLevels;
    for (std::size_t i = 0; i < 5; ++i) {
        s.cpiLevelX[i] = kFactoryCpiLevels[i];
        s.cpiLevelY[i] = kFactoryCpiLevels[i];
    }
    s.cpiIndex = kFactoryCpiIndex;
    s.angleFlags = 0;
    s.pollingRate = kFactoryPollingRate;
    s.lightOn = 1;
    s.colorSource = 0;
    s.colorFlow = light.colorFlow;
    s.effectType = light.effectType;
    s.effectSpeed = kFactoryEffectSpeed;
    s.colorIndex = light.colorIndex;
    s.red = light.red;
    s.green = light.green;
    s.blue = light.blue;
    s.angleSnap = kFactoryAngleSnap;
    s.sensorAlignment = kFactorySensorAlignment;
    return s;
}

}  // namespace

ProfileMemory factoryProfile(std::size_t profile) {
    ProfileMemory p;
    p.settings = factorySettings(profile < kProfileCount ? profile : 0);
    for (std::size_t k = 0; k < kDeviceButtonCount; ++k) p.buttons[k].code = kFactoryButtonCodes[k];
    return p;
}

MouseMemory factoryMemory() {
    MouseMemory m;
    restoreFactoryProfiles(m);
    m.padtuneLevel = 0;
    m.trackControl = 0;
    m.firmwareVersion = kFactoryFirmwareVersion;
    return m;
}

void restoreFactoryProfiles(MouseMemory& memory) {
    for (std::size_t p = 0; p < kProfileCount; ++p) memory.profiles[p] = factoryProfile(p);
    memory.activeProfile = 0;
}

}  // namespace mousesim

#include "mousesim/ProfileReports.h"

#include <cstring>

#include "mousesim/Checksum.h"
#include "mousesim/Protocol.h"

namespace mousesim {
namespace {

// Settings report byte positions.
constexpr std::size_t kSettingsProfile = 2;
constexpr std::size_t kXySynchronous = 3;
constexpr std::size_t kSensitivityFirst = 4;
constexpr std::size_t kSensitivity = 5;
constexpr std::size_t kCpiEnabled = 6;
constexpr std::size_t kCpiLevelX = 7;
constexpr std::size_t kCpiIndex = 12;
constexpr std::size_t kCpiLevelY = 13;
constexpr std::size_t kAngleFlags = 18;
constexpr std::size_t kPollingRate = 19;
constexpr std::size_t kLightOn = 20;
constexpr std::size_t kColorSource = 21;
constexpr std::size_t kColorFlow = 22;
constexpr std::size_t kEffectType = 23;
constexpr std::size_t kEffectSpeed = 24;
constexpr std::size_t kColorIndex = 25;
constexpr std::size_t kRed = 26;
constexpr std::size_t kSecondColor = 27;  // blue when written, green when read
constexpr std::size_t kThirdColor = 28;   // green when written, blue when read
constexpr std::size_t kAngleSnap = 29;
constexpr std::size_t kSensorAlignment = 30;

// Button table.
constexpr std::size_t kTableProfile = 2;
constexpr std::size_t kTableFirstEntry = 3;

// Macro report.
constexpr std::size_t kMacroProfile = 3;
constexpr std::size_t kMacroButton = 4;
constexpr std::size_t kMacroBodyOffset = 5;
static_assert(kMacroBodyOffset + sizeof(MacroBody) + 2 == length::kMacro);

bool validProfile(std::uint8_t profile) { return profile < kProfileCount; }

}  // namespace

std::optional<ReceivedSettings> decodeSettingsReport(std::span<const std::uint8_t> r) {
    if (r.size() != length::kProfileSettings || r[0] != report::kProfileSettings ||
        r[1] != length::kProfileSettings || !validProfile(r[kSettingsProfile]))
        return std::nullopt;
    ReceivedSettings out;
    out.profile = r[kSettingsProfile];
    ProfileSettings& s = out.settings;
    s.xySynchronous = r[kXySynchronous];
    s.sensitivityFirst = r[kSensitivityFirst];
    s.sensitivity = r[kSensitivity];
    s.cpiEnabledMask = r[kCpiEnabled];
    for (std::size_t i = 0; i < 5; ++i) {
        s.cpiLevelX[i] = r[kCpiLevelX + i];
        s.cpiLevelY[i] = r[kCpiLevelY + i];
    }
    s.cpiIndex = r[kCpiIndex];
    s.angleFlags = r[kAngleFlags];
    s.pollingRate = r[kPollingRate];
    s.lightOn = r[kLightOn];
    s.colorSource = r[kColorSource];
    s.colorFlow = r[kColorFlow];
    s.effectType = r[kEffectType];
    s.effectSpeed = r[kEffectSpeed];
    s.colorIndex = r[kColorIndex];
    s.red = r[kRed];
    s.blue = r[kSecondColor];
    s.green = r[kThirdColor];
    s.angleSnap = r[kAngleSnap];
    s.sensorAlignment = r[kSensorAlignment];
    return out;
}

Bytes encodeSettingsReport(std::uint8_t profile, const ProfileSettings& s) {
    Bytes r(length::kProfileSettings, 0);
    r[0] = report::kProfileSettings;
    r[1] = length::kProfileSettings;
    r[kSettingsProfile] = profile;
    r[kXySynchronous] = s.xySynchronous;
    r[kSensitivityFirst] = s.sensitivityFirst;
    r[kSensitivity] = s.sensitivity;
    r[kCpiEnabled] = s.cpiEnabledMask;
    for (std::size_t i = 0; i < 5; ++i) {
        r[kCpiLevelX + i] = s.cpiLevelX[i];
        r[kCpiLevelY + i] = s.cpiLevelY[i];
    }
    r[kCpiIndex] = s.cpiIndex;
    r[kAngleFlags] = s.angleFlags;
    r[kPollingRate] = s.pollingRate;
    r[kLightOn] = s.lightOn;
    r[kColorSource] = s.colorSource;
    r[kColorFlow] = s.colorFlow;
    r[kEffectType] = s.effectType;
    r[kEffectSpeed] = s.effectSpeed;
    r[kColorIndex] = s.colorIndex;
    r[kRed] = s.red;
    r[kSecondColor] = s.green;
    r[kThirdColor] = s.blue;
    r[kAngleSnap] = s.angleSnap;
    r[kSensorAlignment] = s.sensorAlignment;
    return r;
}

std::optional<ReceivedButtonTable> decodeButtonTableReport(std::span<const std::uint8_t> r) {
    if (r.size() != length::kButtonTable || r[0] != report::kButtonTable || r[1] != length::kButtonTable ||
        !validProfile(r[kTableProfile]) || !trailingChecksumMatches(r))
        return std::nullopt;
    ReceivedButtonTable out;
    out.profile = r[kTableProfile];
    for (std::size_t k = 0; k < kDeviceButtonCount; ++k) {
        const std::size_t at = kTableFirstEntry + 3 * k;
        out.buttons[k] = ButtonEntry{r[at], r[at + 1], r[at + 2]};
    }
    return out;
}

Bytes encodeButtonTableReport(std::uint8_t profile, const ButtonTable& buttons) {
    Bytes r(length::kButtonTable, 0);
    r[0] = report::kButtonTable;
    r[1] = length::kButtonTable;
    r[kTableProfile] = profile;
    for (std::size_t k = 0; k < kDeviceButtonCount; ++k) {
        const std::size_t at = kTableFirstEntry + 3 * k;
        r[at] = buttons[k].code;
        r[at + 1] = buttons[k].modifiers;
        r[at + 2] = buttons[k].key;
    }
    storeTrailingChecksum(r);
    return r;
}

std::uint16_t macroEventCount(const MacroBody& body) {
    return static_cast<std::uint16_t>(body.eventCount[0] | (body.eventCount[1] << 8));
}

std::optional<ReceivedMacro> decodeMacroReport(std::span<const std::uint8_t> r) {
    if (r.size() != length::kMacro || r[0] != report::kMacro || r[1] != kMacroLengthLow ||
        r[2] != kMacroLengthHigh || !validProfile(r[kMacroProfile]) || r[kMacroButton] >= kDeviceButtonCount ||
        !trailingChecksumMatches(r))
        return std::nullopt;
    ReceivedMacro out;
    out.profile = r[kMacroProfile];
    out.button = r[kMacroButton];
    std::memcpy(&out.body, r.data() + kMacroBodyOffset, sizeof(MacroBody));
    if (macroEventCount(out.body) > kMacroMaxEvents) return std::nullopt;
    return out;
}

Bytes encodeMacroReport(std::uint8_t profile, std::uint8_t button, const MacroBody& body) {
    Bytes r(length::kMacro, 0);
    r[0] = report::kMacro;
    r[1] = kMacroLengthLow;
    r[2] = kMacroLengthHigh;
    r[kMacroProfile] = profile;
    r[kMacroButton] = button;
    std::memcpy(r.data() + kMacroBodyOffset, &body, sizeof(MacroBody));
    storeTrailingChecksum(r);
    return r;
}

}  // namespace mousesim

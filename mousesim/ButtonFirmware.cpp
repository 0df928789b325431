#include "mousesim/ButtonFirmware.h"

#include "mousesim/EventCodes.h"
#include "mousesim/FunctionCodes.h"

namespace mousesim {
namespace {

constexpr std::uint8_t kCpiLevels = 5;
constexpr std::uint8_t kMinSensitivity = 1;
constexpr std::uint8_t kMaxSensitivity = 11;

std::uint8_t buttonNumberValue(std::uint8_t entry) { return static_cast<std::uint8_t>(entry + 1); }

bool isButtonAction(std::uint8_t code) {
    return code == function::kMacro || code == function::kShortcut || code == function::kTimer ||
           code == function::kStopTimer;
}

bool isMedia(std::uint8_t code) { return code >= function::kFirstMedia && code <= function::kLastMedia; }
bool isParley(std::uint8_t code) { return code >= function::kFirstParley && code <= function::kLastParley; }

bool levelEnabled(std::uint8_t mask, int level) { return level >= 0 && level < kCpiLevels && (mask >> level) & 1; }

std::optional<std::uint8_t> lowestEnabledAbove(std::uint8_t mask, int level) {
    for (int i = level + 1; i < kCpiLevels; ++i)
        if (levelEnabled(mask, i)) return static_cast<std::uint8_t>(i);
    return std::nullopt;
}

std::optional<std::uint8_t> highestEnabledBelow(std::uint8_t mask, int level) {
    for (int i = level - 1; i >= 0; --i)
        if (levelEnabled(mask, i)) return static_cast<std::uint8_t>(i);
    return std::nullopt;
}

}  // namespace

ButtonFirmware::ButtonFirmware(MouseMemory& memory) : memory_(memory) {}

const ButtonEntry& ButtonFirmware::entryOfActiveProfile(std::uint8_t entry) const {
    return memory_.profiles[memory_.activeProfile % kProfileCount].buttons[entry];
}

bool ButtonFirmware::isHeld(std::uint8_t physicalButton) const {
    return physicalButton < kPhysicalButtonCount && held_[physicalButton].has_value();
}

bool ButtonFirmware::dualkeyHeld() const {
    for (const auto& h : held_)
        if (h && h->code == function::kDualkey) return true;
    return false;
}

void ButtonFirmware::releaseAll() { held_.fill(std::nullopt); }

ButtonFirmware::Outcome ButtonFirmware::press(std::uint8_t button) {
    Outcome out;
    if (button >= kDeviceButtonCount) return out;
    const bool directLayer = button >= kDualkeyLayerOffset;
    const auto physical = static_cast<std::uint8_t>(directLayer ? button - kDualkeyLayerOffset : button);
    if (held_[physical]) return out;
    const auto entry = static_cast<std::uint8_t>(
        directLayer || !dualkeyHeld() ? button : button + kDualkeyLayerOffset);
    out.handled = true;
    const std::uint8_t code = entryOfActiveProfile(entry).code;
    held_[physical] = HeldButton{entry, code};
    pressFunction(entry, code, out);
    if (physical < event::kClickStatisticsButtons)
        out.events.push_back(makeEventReport(static_cast<std::uint8_t>(event::kFirstClickStatistics + physical), 1));
    return out;
}

ButtonFirmware::Outcome ButtonFirmware::release(std::uint8_t button) {
    Outcome out;
    if (button >= kDeviceButtonCount) return out;
    const auto physical =
        static_cast<std::uint8_t>(button >= kDualkeyLayerOffset ? button - kDualkeyLayerOffset : button);
    if (!held_[physical]) return out;
    const HeldButton pressed = *held_[physical];
    held_[physical].reset();
    out.handled = true;
    releaseFunction(pressed.entry, pressed.code, out);
    return out;
}

void ButtonFirmware::pressFunction(std::uint8_t entry, std::uint8_t code, Outcome& out) {
    if (isButtonAction(code)) {
        out.events.push_back(makeEventReport(event::kButtonAction, buttonNumberValue(entry), 0));
    } else if (code == function::kProgramLaunch) {
        out.events.push_back(makeEventReport(event::kProgramLaunch, buttonNumberValue(entry), 0));
    } else if (isMedia(code)) {
        out.events.push_back(makeEventReport(event::kMedia, code, 0));
        if (code == function::kVolumeUp) out.events.push_back(makeEventReport(event::kVolume, event::kVolumeUp, 0));
        if (code == function::kVolumeDown)
            out.events.push_back(makeEventReport(event::kVolume, event::kVolumeDown, 0));
    } else if (isParley(code)) {
        out.events.push_back(makeEventReport(event::kParleyKey, buttonNumberValue(entry), 0));
    } else if (code == function::kTiltLeft) {
        out.events.push_back(makeEventReport(event::kTilt, event::kTiltLeft, 0));
    } else if (code == function::kTiltRight) {
        out.events.push_back(makeEventReport(event::kTilt, event::kTiltRight, 0));
    } else if (code == function::kOpenDriver) {
        out.events.push_back(makeEventReport(event::kOpenDriver, 1));
    } else if (code == function::kProfileCycle || code == function::kProfileUp || code == function::kProfileDown) {
        stepProfile(code, out);
    } else if (code == function::kCpiCycle || code == function::kCpiUp || code == function::kCpiDown) {
        stepCpiLevel(code, out);
    } else if (code == function::kSensitivityCycle || code == function::kSensitivityUp ||
               code == function::kSensitivityDown) {
        stepSensitivity(code, out);
    }
}

void ButtonFirmware::releaseFunction(std::uint8_t entry, std::uint8_t code, Outcome& out) {
    if (isButtonAction(code)) {
        out.events.push_back(makeEventReport(event::kButtonAction, buttonNumberValue(entry), event::kReleasedFlag));
    } else if (isMedia(code)) {
        out.events.push_back(makeEventReport(event::kMedia, code, event::kReleasedFlag));
    } else if (isParley(code)) {
        out.events.push_back(makeEventReport(event::kParleyKey, buttonNumberValue(entry), event::kReleasedFlag));
    }
}

void ButtonFirmware::stepProfile(std::uint8_t code, Outcome& out) {
    const std::size_t current = memory_.activeProfile % kProfileCount;
    const std::size_t next = code == function::kProfileDown ? (current + kProfileCount - 1) % kProfileCount
                                                            : (current + 1) % kProfileCount;
    memory_.activeProfile = static_cast<std::uint8_t>(next);
    out.memoryChanged = true;
    out.events.push_back(makeEventReport(event::kProfile, static_cast<std::uint16_t>(next + 1)));
}

void ButtonFirmware::stepCpiLevel(std::uint8_t code, Outcome& out) {
    ProfileSettings& s = memory_.profiles[memory_.activeProfile % kProfileCount].settings;
    const std::uint8_t mask = s.cpiEnabledMask;
    const auto lowest = lowestEnabledAbove(mask, -1);
    if (!lowest) return;
    const int current = s.cpiIndex;
    std::uint8_t next;
    if (code == function::kCpiDown) {
        next = highestEnabledBelow(mask, current).value_or(*lowest);
    } else {
        const auto above = lowestEnabledAbove(mask, current);
        const std::uint8_t fallback = code == function::kCpiCycle ? *lowest : *highestEnabledBelow(mask, kCpiLevels);
        next = above.value_or(fallback);
    }
    s.cpiIndex = next;
    out.memoryChanged = true;
    out.events.push_back(makeEventReport(event::kCpiLevel, static_cast<std::uint16_t>(next + 1)));
}

void ButtonFirmware::stepSensitivity(std::uint8_t code, Outcome& out) {
    ProfileSettings& s = memory_.profiles[memory_.activeProfile % kProfileCount].settings;
    int value = s.sensitivity;
    if (value < kMinSensitivity) value = kMinSensitivity - 1;  // so up and cycle land on the minimum
    if (value > kMaxSensitivity) value = kMaxSensitivity + 1;
    int next;
    if (code == function::kSensitivityDown) {
        next = value > kMinSensitivity ? value - 1 : kMinSensitivity;
    } else if (code == function::kSensitivityUp) {
        next = value < kMaxSensitivity ? value + 1 : kMaxSensitivity;
    } else {
        next = value < kMaxSensitivity ? value + 1 : kMinSensitivity;
    }
    const auto sensitivity = static_cast<std::uint8_t>(next);
    s.sensitivity = sensitivity;
    s.sensitivityFirst = sensitivity;
    out.memoryChanged = true;
    const std::uint8_t second = s.xySynchronous == 1 ? sensitivity : 0;
    out.events.push_back(makeEventReport(event::kSensitivity, sensitivity, second));
}

}  // namespace mousesim

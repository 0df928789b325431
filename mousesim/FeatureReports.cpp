#include "mousesim/FeatureReports.h"

#include <algorithm>

#include "mousesim/Checksum.h"
#include "mousesim/FactoryState.h"

namespace mousesim {
namespace {

constexpr std::size_t kSelectProfile = 1;
constexpr std::size_t kSelectItem = 2;
constexpr std::size_t kProfileByte = 2;  // active-profile report
constexpr std::size_t kPresenceFlag = 2;
constexpr std::uint8_t kMaxPresenceFlag = 1;
constexpr std::size_t kPadtuneLevel = 2;
constexpr std::size_t kTrackControl = 3;
constexpr std::size_t kCalibrationDecision = 5;
constexpr std::size_t kChunkIndex = 1;
constexpr std::size_t kVersionByte = 2;
constexpr std::size_t kUpdateToolVersionByte = 3;

bool isItemSelectable(std::uint8_t item) {
    return item == select::kProfileSettings || item == select::kButtonTable || item < kDeviceButtonCount;
}

bool lengthByteMatches(std::span<const std::uint8_t> r, std::size_t expected) {
    return r.size() == expected && r[1] == expected;
}

// A texture that changes with every capture, as a real surface image would.
std::uint8_t sensorPixel(std::size_t x, std::size_t y, std::uint32_t capture) {
    std::uint32_t v = static_cast<std::uint32_t>(x * 31 + y * 17) ^ (capture * 2654435761u);
    v ^= v >> 13;
    v *= 0x5bd1e995u;
    v ^= v >> 15;
    return static_cast<std::uint8_t>(v);
}

}  // namespace

FeatureReports::FeatureReports(MouseMemory& memory, FirmwareFlash& flash)
    : memory_(memory), flash_(flash), colorChunks_(kColorDatabaseMaxChunks, false) {}

void FeatureReports::resetSession() {
    session_ = SessionState{};
    std::fill(colorChunks_.begin(), colorChunks_.end(), false);
    flash_.reset();
}

FeatureReports::SetResult FeatureReports::set(std::span<const std::uint8_t> r) {
    if (r.empty()) return {};
    SetResult result;
    switch (r[0]) {
        case report::kSelect: result.accepted = setSelect(r); break;
        case report::kActiveProfile: result = {setActiveProfile(r), true}; break;
        case report::kProfileSettings: result = {setProfileSettings(r), true}; break;
        case report::kButtonTable: result = {setButtonTable(r), true}; break;
        case report::kMacro: result = {setMacro(r), true}; break;
        case report::kFirmwareVersion: result = {setRestoreDefaults(r), true}; break;
        case report::kSensor: result.accepted = setSensorCapture(r); break;
        case report::kHostPresence: result.accepted = setHostPresence(r); break;
        case report::kTracking: result = {setTracking(r), true}; break;
        case report::kParleyState: result.accepted = setParleyState(r); break;
        case report::kColorDatabase: result.accepted = setColorDatabaseChunk(r); break;
        case report::kUpdateCommand: return setUpdateCommand(r);
        default: break;
    }
    if (!result.accepted) {
        result.memoryChanged = false;
        session_.status = status::kFailed;
    } else {
        session_.status = status::kReady;
    }
    return result;
}

bool FeatureReports::setSelect(std::span<const std::uint8_t> r) {
    if (r.size() != length::kSelect || r[kSelectProfile] >= kProfileCount || !isItemSelectable(r[kSelectItem]))
        return false;
    session_.selection = Selection{r[kSelectProfile], r[kSelectItem]};
    return true;
}

bool FeatureReports::setActiveProfile(std::span<const std::uint8_t> r) {
    if (!lengthByteMatches(r, length::kActiveProfile) || r[kProfileByte] >= kProfileCount) return false;
    memory_.activeProfile = r[kProfileByte];
    return true;
}

bool FeatureReports::setProfileSettings(std::span<const std::uint8_t> r) {
    const auto received = decodeSettingsReport(r);
    if (!received) return false;
    memory_.profiles[received->profile].settings = received->settings;
    return true;
}

bool FeatureReports::setButtonTable(std::span<const std::uint8_t> r) {
    const auto received = decodeButtonTableReport(r);
    if (!received) return false;
    memory_.profiles[received->profile].buttons = received->buttons;
    return true;
}

bool FeatureReports::setMacro(std::span<const std::uint8_t> r) {
    const auto received = decodeMacroReport(r);
    if (!received) return false;
    memory_.profiles[received->profile].macros[received->button] = received->body;
    return true;
}

bool FeatureReports::setRestoreDefaults(std::span<const std::uint8_t> r) {
    if (!std::equal(r.begin(), r.end(), std::begin(kRestoreDefaults), std::end(kRestoreDefaults))) return false;
    restoreFactoryProfiles(memory_);
    return true;
}

bool FeatureReports::setSensorCapture(std::span<const std::uint8_t> r) {
    if (!std::equal(r.begin(), r.end(), std::begin(kSensorCaptureRequest), std::end(kSensorCaptureRequest)))
        return false;
    ++session_.sensorCaptures;
    session_.calibrationPending = true;
    return true;
}

bool FeatureReports::setHostPresence(std::span<const std::uint8_t> r) {
    if (!lengthByteMatches(r, length::kHostPresence) || r[kPresenceFlag] > kMaxPresenceFlag) return false;
    session_.hostPresence = r[kPresenceFlag];
    return true;
}

bool FeatureReports::setTracking(std::span<const std::uint8_t> r) {
    if (!lengthByteMatches(r, length::kTracking) || r[kPadtuneLevel] > kMaxPadtuneLevel) return false;
    const std::uint8_t decision = r[kCalibrationDecision];
    if (decision != kCalibrationKeep && decision != kCalibrationDiscard && decision != kTrackingNoChange)
        return false;
    memory_.padtuneLevel = r[kPadtuneLevel];
    if (r[kTrackControl] != kTrackingNoChange) memory_.trackControl = r[kTrackControl];
    if (decision != kTrackingNoChange && session_.calibrationPending) {
        if (decision == kCalibrationKeep) ++session_.calibrationsKept;
        session_.calibrationPending = false;
    }
    return true;
}

bool FeatureReports::setParleyState(std::span<const std::uint8_t> r) {
    if (!lengthByteMatches(r, length::kParleyState)) return false;
    std::array<std::uint8_t, length::kParleyState> state{};
    std::copy(r.begin(), r.end(), state.begin());
    session_.parleyState = state;
    return true;
}

bool FeatureReports::setColorDatabaseChunk(std::span<const std::uint8_t> r) {
    if (r.size() != length::kColorDatabase || !trailingChecksumMatches(r)) return false;
    const std::size_t index = static_cast<std::size_t>(r[kChunkIndex] | (r[kChunkIndex + 1] << 8));
    if (index >= kColorDatabaseMaxChunks) return false;
    if (!colorChunks_[index]) {
        colorChunks_[index] = true;
        ++session_.colorChunksReceived;
    }
    return true;
}

FeatureReports::SetResult FeatureReports::setUpdateCommand(std::span<const std::uint8_t> r) {
    const FirmwareFlash::Outcome outcome = flash_.command(r, memory_.firmwareVersion);
    if (!outcome.accepted) return {};
    if (!outcome.newFirmwareVersion) return {true, false};
    memory_.firmwareVersion = *outcome.newFirmwareVersion;
    return {true, true};
}

std::optional<Bytes> FeatureReports::get(std::uint8_t reportId) const {
    const std::uint8_t profile = session_.selection.profile;
    switch (reportId) {
        case report::kSelect: return statusReport();
        case report::kActiveProfile: return activeProfileReport();
        case report::kProfileSettings: return encodeSettingsReport(profile, memory_.profiles[profile].settings);
        case report::kButtonTable: return encodeButtonTableReport(profile, memory_.profiles[profile].buttons);
        case report::kMacro: return macroReport();
        case report::kFirmwareVersion: return firmwareVersionReport();
        case report::kSensor: return sensorImageReport();
        case report::kTracking: return trackingReport();
        case report::kUpdateStatus: return Bytes{report::kUpdateStatus, flash_.status(), 0};
        default: return std::nullopt;
    }
}

Bytes FeatureReports::statusReport() const { return Bytes{report::kSelect, session_.status, 0}; }

Bytes FeatureReports::activeProfileReport() const {
    return Bytes{report::kActiveProfile, static_cast<std::uint8_t>(length::kActiveProfile), memory_.activeProfile};
}

std::optional<Bytes> FeatureReports::macroReport() const {
    const Selection& s = session_.selection;
    if (s.item >= kDeviceButtonCount) return std::nullopt;
    const auto& stored = memory_.profiles[s.profile].macros[s.item];
    return encodeMacroReport(s.profile, s.item, stored ? *stored : MacroBody{});
}

Bytes FeatureReports::firmwareVersionReport() const {
    Bytes r(length::kFirmwareVersion, 0);
    r[0] = report::kFirmwareVersion;
    r[1] = static_cast<std::uint8_t>(length::kFirmwareVersion);
    r[kVersionByte] = memory_.firmwareVersion;
    r[kUpdateToolVersionByte] = memory_.firmwareVersion;
    return r;
}

Bytes FeatureReports::sensorImageReport() const {
    Bytes r(length::kSensorImage, 0);
    r[0] = report::kSensor;
    if (session_.sensorCaptures == 0) return r;
    for (std::size_t y = 0; y < kSensorImageSide; ++y)
        for (std::size_t x = 0; x < kSensorImageSide; ++x)
            r[kSensorImageOffset + y * kSensorImageSide + x] = sensorPixel(x, y, session_.sensorCaptures);
    return r;
}

Bytes FeatureReports::trackingReport() const {
    Bytes r(length::kTracking, 0);
    r[0] = report::kTracking;
    r[1] = static_cast<std::uint8_t>(length::kTracking);
    r[kPadtuneLevel] = memory_.padtuneLevel;
    r[kTrackControl] = memory_.trackControl;
    return r;
}

}  // namespace mousesim

// libFuzzer target: the mouse's feature reports. The first byte chooses a
// report; the rest is either what the mouse answers (decoded into a settings
// block) or the bytes of a profile record as a damaged file might hold it
// (encoded for the mouse). Nothing may crash or overflow, an index the mouse
// sends stays in range, and what the encoders checksum decodes again.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>

#include "monitor/protocol/ButtonTableReport.h"
#include "monitor/protocol/Checksum.h"
#include "monitor/protocol/FirmwareReport.h"
#include "monitor/protocol/MacroOnRequest.h"
#include "monitor/protocol/MacroReport.h"
#include "monitor/protocol/ParleyStateReport.h"
#include "monitor/protocol/ReportCodec.h"
#include "monitor/protocol/SensorCapture.h"
#include "monitor/protocol/SlotMap.h"
#include "monitor/protocol/TrackingReport.h"
#include "settings/SettingsBlock.h"

namespace {

using namespace monitor::protocol;

// The payload as a report of N bytes, zero-padded; with `sealed`, the last two
// bytes hold the right checksum, so decoding gets past it.
template <std::size_t N>
std::array<std::uint8_t, N> reportOf(std::span<const std::uint8_t> payload, bool sealed = false)
{
    std::array<std::uint8_t, N> report{};
    std::copy_n(payload.begin(), std::min(N, payload.size()), report.begin());
    if (sealed) storeChecksum(report);
    return report;
}

void expect(bool condition)
{
    if (!condition) std::abort();
}

void decodeReports(std::uint8_t choice, std::span<const std::uint8_t> payload)
{
    auto block = std::make_unique<settings::SettingsBlock>();
    settings::ProfileRecord& profile = block->Profiles[0];
    const bool sealed = (choice & 0x80) != 0;
    switch (choice & 0x07) {
    case 0:
        if (decodeActiveProfile(reportOf<length::kActiveProfile>(payload), *block))
            expect(settings::isValidProfileIndex(block->CurrentProfile));
        break;
    case 1: {
        decodeProfileSettings(reportOf<length::kProfileSettings>(payload), profile);
        const auto again = encodeProfileSettings(0, profile);
        expect(again[0] == report::kProfileSettings);
        break;
    }
    case 2:
        if (decodeButtonTable(reportOf<length::kButtonTable>(payload, sealed), profile))
            expect(checksumMatches(encodeButtonTable(0, profile)));
        break;
    case 3: {
        settings::ButtonAssignment& slot = profile.MacroKeyInfo[0];
        if (decodeMacro(reportOf<length::kMacro>(payload, sealed), slot)) {
            expect(slot.MacroEventCount <= settings::kMaxMacroEvents);
            const auto again = encodeMacro(0, 0, slot);
            expect(again && checksumMatches(*again));
        }
        break;
    }
    case 4: decodeFirmwareVersion(reportOf<length::kFirmware>(payload)); break;
    case 5: decodeSensorImage(reportOf<length::kSensorImage>(payload)); break;
    case 6: decodeTracking(reportOf<length::kTracking>(payload), *block); break;
    default: {
        // Report 16 is only written: from the Parley side's state and commands.
        AmbientLightState state;
        std::copy_n(payload.begin(), std::min(sizeof state.bytes, payload.size()), state.bytes);
        expect(encodeAmbientLight(state)[0] == report::kParleyState);
        const std::uint8_t a = payload.size() > 0 ? payload[0] : 0;
        encodeParleyState(a, a ^ 0x55, a ^ 0xAA);
        break;
    }
    }
}

// A profile record as a damaged file might leave it, every field any value.
void encodeRecord(std::span<const std::uint8_t> payload)
{
    auto profile = std::make_unique<settings::ProfileRecord>();
    std::memcpy(profile.get(), payload.data(), std::min(sizeof *profile, payload.size()));
    const std::uint8_t number = payload.empty() ? 0 : payload[0];
    encodeProfileSettings(number, *profile);
    expect(checksumMatches(encodeButtonTable(number, *profile)));
    for (int slot = 0; slot < settings::kButtonSlotCount; ++slot) {
        const auto button = deviceButtonOfSlot(slot);
        if (!button) continue;
        if (const auto macro = encodeMacro(number, static_cast<std::uint8_t>(*button), profile->MacroKeyInfo[slot]))
            expect(checksumMatches(*macro));
    }
    encodeTracking(profile->Sensitivity, profile->Cpi_X);
    if (const auto target = macroRequestTarget(profile->CpiLevel_X[0])) {
        expect(settings::isValidProfileIndex(target->profile));
        expect(target->slot >= 0 && target->slot < settings::kButtonSlotCount);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::span<const std::uint8_t> payload(data + 1, size - 1);
    if ((data[0] & 0x40) != 0)
        encodeRecord(payload);
    else
        decodeReports(data[0], payload);
    return 0;
}

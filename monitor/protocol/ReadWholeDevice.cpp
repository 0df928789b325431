#include "monitor/protocol/ReadWholeDevice.h"

#include "monitor/protocol/DeviceOperations.h"
#include "monitor/protocol/ProtocolConstants.h"
#include "monitor/protocol/SlotMap.h"
#include "platform/system/DebugOutput.h"
#include "settings/ChangeFlags.h"

namespace monitor::protocol {
namespace {

bool pause(DeviceLink& link)
{
    return abortablePause(link.pauser, kPauseBetweenReports, link.abort);
}

enum class Attempts { Read, Failed, Aborted };

// Up to `attempts` tries of `read`, each followed by the pause.
template <typename Read>
Attempts readWithRetries(DeviceLink& link, int attempts, Read read)
{
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const bool done = read();
        if (!pause(link))
            return Attempts::Aborted;
        if (done)
            return Attempts::Read;
    }
    return Attempts::Failed;
}

// A table refused (its checksum, most often) is asked for again; one that never
// arrives leaves that profile's buttons as they were.
bool readButtonTables(DeviceLink& link, settings::SettingsBlock& block)
{
    for (int profile = 0; profile < settings::kProfileCount; ++profile) {
        int attempt = 0;
        const Attempts result = readWithRetries(link, kButtonTableReadAttempts, [&] {
            if (readButtonTable(link, block, profile))
                return true;
            platform::debugPrintf("ReadWholeDevice: button table of profile %d refused (attempt %d of %d)\n", profile,
                                  ++attempt, kButtonTableReadAttempts);
            return false;
        });
        if (result == Attempts::Aborted)
            return false;
        if (result == Attempts::Failed)
            platform::debugPrintf("ReadWholeDevice: profile %d keeps its buttons\n", profile);
    }
    return true;
}

void readMacros(DeviceLink& link, settings::SettingsBlock& block)
{
    for (int profile = 0; profile < settings::kProfileCount; ++profile) {
        for (int slot = 0; slot < settings::kButtonSlotCount; ++slot) {
            if (!deviceButtonOfSlot(slot) ||
                block.Profiles[profile].MacroKeyInfo[slot].FunctionCode != kFunctionCodeMacro)
                continue;
            const Attempts result = readWithRetries(link, kMacroReadAttempts,
                                                    [&] { return readMacro(link, block, profile, slot); });
            if (result != Attempts::Read)
                return;
        }
    }
}

}  // namespace

bool readWholeDevice(DeviceLink& link, settings::SettingsBlock& block, const settings::InstallFolder& folder)
{
    readFirmwareVersion(link, folder);
    if (!pause(link))
        return false;
    readActiveProfile(link, block);
    if (!pause(link))
        return false;
    for (int profile = 0; profile < settings::kProfileCount; ++profile) {
        readProfileSettings(link, block, profile);
        if (!pause(link))
            return false;
    }
    if (!readButtonTables(link, block))
        return false;
    readMacros(link, block);

    const bool trackingRead = readTracking(link, block);
    settings::clearChangeFlags(block);
    return trackingRead;
}

}  // namespace monitor::protocol

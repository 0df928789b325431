#include "Commands.h"

#include <cstdio>

#include "ExitStatus.h"
#include "ProfileSummary.h"
#include "SettingsOutput.h"
#include "messages/MessageNumbers.h"
#include "option/core/ApplyChanges.h"
#include "option/core/ButtonEditing.h"
#include "option/core/DeviceStatus.h"
#include "option/core/ProfileEditing.h"
#include "option/core/ProfileFiles.h"
#include "option/core/ResetDefaults.h"
#include "option/core/StatisticsReset.h"
#include "platform/keyboard/KeyboardLayout.h"
#include "settings/FixedText.h"

namespace zuroctl {
namespace {

using option::core::ApplicationCore;

int refuse(const std::string& message)
{
    std::fprintf(stderr, "zuroctl: %s\n", message.c_str());
    return kRefused;
}

int usage(const std::string& message)
{
    std::fprintf(stderr, "zuroctl: %s\n", message.c_str());
    return kUsageError;
}

// The profile a command works on: the one given, else the one being edited.
std::optional<int> chosenProfile(const ApplicationCore& core, std::optional<int> given, std::string& refusal)
{
    if (!given && !settings::isValidProfileIndex(core.blocks.working->CurrentProfile)) {
        refusal = "no active profile is known (CurrentProfile=" + std::to_string(core.blocks.working->CurrentProfile) +
                  "): give the profile, 0 to 4";
        return std::nullopt;
    }
    const int profile = given.value_or(core.blocks.working->CurrentProfile);
    if (!settings::isValidProfileIndex(profile)) {
        refusal = "profile " + std::to_string(profile) + " refused: allowed 0 to 4";
        return std::nullopt;
    }
    return profile;
}

// `done` is what a change the mouse took is reported as.
int report(const option::core::ApplyOutcome& outcome, const char* done)
{
    if (!outcome.filesWritten) {
        std::fprintf(stderr, "zuroctl: the configuration files could not be written\n");
        return kFailed;
    }
    if (outcome.result != option::core::ApplyResult::Taken && !outcome.markedPending) {
        // Unmarked, the files would be overwritten by the monitor's next read of the mouse.
        std::fprintf(stderr, "zuroctl: saved, but the change could not be marked for the mouse; the monitor's next "
                             "read of the mouse may undo it\n");
        return kFailed;
    }
    switch (outcome.result) {
    case option::core::ApplyResult::Taken:
        std::printf("%s\n", done);
        return kSuccess;
    case option::core::ApplyResult::NoMonitor:
        std::printf("saved; the monitor is not running, it sends the change to the mouse when it starts\n");
        return kSuccess;
    case option::core::ApplyResult::NotTaken:
        break;
    }
    std::fprintf(stderr, "zuroctl: saved, but the mouse did not take the change; the monitor sends it when the mouse "
                         "is back or the monitor starts again\n");
    return kNotTaken;
}

int apply(ApplicationCore& core)
{
    return report(option::core::applyChanges(core, messages::kApplyChanges), "applied");
}

}  // namespace

int runStatus(ApplicationCore& core)
{
    const option::core::DeviceStatus status = option::core::readDeviceStatus(core);
    std::printf("monitor: %s\nmouse: %s\n", status.monitorRunning ? "running" : "not running",
                status.mousePresent ? "present" : "absent");
    if (!status.inputInjector.empty())
        std::printf("input: %s\n", status.inputInjector.c_str());
    std::printf("firmware: %s\nactive profile: %d\n", status.firmwareVersion.c_str(), status.activeProfile);
    return kSuccess;
}

int runShow(ApplicationCore& core, std::optional<int> given, ShowFormat format)
{
    std::string refusal;
    const std::optional<int> profile = chosenProfile(core, given, refusal);
    if (!profile)
        return refuse(refusal);
    const std::unique_ptr<platform::KeyboardLayout> layout = platform::openKeyboardLayout();
    const settings::SettingsBlock& block = *core.blocks.working;
    const std::string text = format == ShowFormat::Json   ? profileAsJson(block, *profile, *layout)
                             : format == ShowFormat::Keys ? profileAsText(block, *profile, *layout)
                                                          : profileSummary(block, *profile, *layout);
    std::fputs(text.c_str(), stdout);
    return kSuccess;
}

int runSet(ApplicationCore& core, std::optional<int> given, const Arguments& assignments)
{
    if (assignments.empty())
        return usage("set needs KEY=VALUE");
    for (const std::string& assignment : assignments) {
        const std::size_t equals = assignment.find('=');
        if (equals == std::string::npos)
            return usage("\"" + assignment + "\" is not KEY=VALUE");
        if (!option::core::findSettingField(assignment.substr(0, equals)))
            return usage(assignment.substr(0, equals) + ": no such setting");
    }
    std::string refusal;
    const std::optional<int> profile = chosenProfile(core, given, refusal);
    if (!profile)
        return refuse(refusal);
    for (const std::string& assignment : assignments) {
        const std::size_t equals = assignment.find('=');
        // The working block is dropped unapplied on any refusal: all or nothing.
        if (!option::core::setSettingField(*core.blocks.working, *profile, assignment.substr(0, equals),
                                           assignment.substr(equals + 1), refusal))
            return refuse(refusal);
    }
    return apply(core);
}

int runButton(ApplicationCore& core, std::optional<int> given, int slot, const Arguments& function)
{
    std::string refusal;
    const std::optional<int> profile = chosenProfile(core, given, refusal);
    if (!profile)
        return refuse(refusal);
    const std::unique_ptr<platform::KeyboardLayout> layout = platform::openKeyboardLayout();
    settings::FunctionChoice choice;
    if (!option::core::parseFunctionChoice(core, function, *layout, choice, refusal) ||
        !option::core::assignButton(core, *profile, slot, choice, refusal))
        return refuse(refusal);
    return apply(core);
}

int runProfileSelect(ApplicationCore& core, int profile)
{
    if (!option::core::selectProfile(*core.blocks.working, profile))
        return refuse("profile " + std::to_string(profile) + " refused: allowed 0 to 4");
    return apply(core);
}

int runProfileImport(ApplicationCore& core, std::optional<int> given, const std::string& file)
{
    std::string error;
    const std::optional<int> slot = chosenProfile(core, given, error);
    if (!slot)
        return refuse(error);
    if (!option::core::loadProfileIntoEditedSlot(core, *slot, file, error)) {
        std::fprintf(stderr, "zuroctl: %s\n", error.c_str());
        return kFailed;
    }
    return apply(core);
}

int runProfileExport(ApplicationCore& core, std::optional<int> given, const std::string& file)
{
    std::string error;
    const std::optional<int> slot = chosenProfile(core, given, error);
    if (!slot)
        return refuse(error);
    if (!option::core::saveSlotToProfileFile(core, *slot, file, error)) {
        std::fprintf(stderr, "zuroctl: %s\n", error.c_str());
        return kFailed;
    }
    std::printf("saved profile %d to %s\n", *slot, file.c_str());
    return kSuccess;
}

int runReset(ApplicationCore& core)
{
    return report(option::core::resetToDefaults(core), "defaults restored");
}

int runStats(ApplicationCore& core, bool reset)
{
    if (reset) {
        const option::core::StatisticsResetOutcome outcome = option::core::resetStatistics(core);
        if (!outcome.written) {
            std::fprintf(stderr, "zuroctl: config.ini could not be written\n");
            return kFailed;
        }
    }
    const settings::InfoData& info = core.blocks.working->InfoData;
    for (int i = 0; i < settings::kCounterCount; ++i)
        std::printf("counter%d=%d\n", i, info.Counters[i]);
    for (int i = 0; i < settings::kTrophyCount; ++i)
        std::printf("trophy%d=%d\n", i + 1, info.TrophyFlags[i]);
    std::printf("trophy13=%d\nlast trophy=%d\n", info.AllTrophiesFlag, info.LastTrophy);
    return kSuccess;
}

int runMacroList(const ApplicationCore& core)
{
    for (const settings::MacroSet& set : core.macros.sets)
        for (const settings::MacroRecord& macro : set.macros)
            std::printf("%s\t%s\t%d events\t%d loops\n", set.name.c_str(),
                        std::string(settings::fieldText(macro.Name)).c_str(), macro.EventCount, macro.LoopCount);
    return kSuccess;
}

int runTimerList(const ApplicationCore& core)
{
    for (const settings::TimerRecord& timer : core.timers)
        std::printf("%s\t%d s\n", std::string(settings::fieldText(timer.Name)).c_str(), timer.Seconds);
    return kSuccess;
}

}  // namespace zuroctl

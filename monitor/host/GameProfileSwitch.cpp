#include "monitor/host/GameProfileSwitch.h"

#include <cctype>

#include "settings/FixedText.h"

namespace monitor::host {
namespace {

constexpr std::uint32_t kWatchPeriodMs = 2000;

std::string_view trimSpaces(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

}  // namespace

std::string_view fileNameOfPath(std::string_view path)
{
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

int profileOfGame(const settings::SettingsBlock& block, std::string_view exeFile)
{
    if (exeFile.empty()) return -1;
    for (int slot = 0; slot < settings::kProfileCount; ++slot) {
        const settings::ProfileRecord& profile = block.Profiles[slot];
        for (const std::string_view game :
             {settings::fieldText(profile.GameFile0), settings::fieldText(profile.GameFile1),
              settings::fieldText(profile.GameFile2)}) {
            const std::string_view path = trimSpaces(game);
            if (!path.empty() && equalIgnoringCase(fileNameOfPath(path), exeFile)) return slot;
        }
    }
    return -1;
}

void GameProfileSwitch::startWatching()
{
    timers_.setTimer(kTimerGameWatch, kWatchPeriodMs);
}

void GameProfileSwitch::stopWatching()
{
    timers_.killTimer(kTimerGameWatch);
}

std::string GameProfileSwitch::foregroundExeFile()
{
    const platform::ProcessId id = foreground_.foregroundProcess();
    if (id == 0) return {};
    for (const platform::ProcessEntry& entry : processes_.snapshot()) {
        if (entry.processId == id) return std::string(fileNameOfPath(entry.exeFile));
    }
    return {};
}

void GameProfileSwitch::watchTick()
{
    const settings::SettingsBlock& block = services_.block();
    int target = profileOfGame(block, foregroundExeFile());
    const bool gameInFront = target >= 0;
    if (!gameInFront) {
        // No switching back while the user edits settings.
        if (services_.applicationWindowExists()) return;
        target = block.WindowsProfile;
        if (!settings::isValidProfileIndex(target)) return;
    }
    if (target == block.CurrentProfile) return;

    const int previous = block.CurrentProfile;
    if (!makeProfileActive(services_, target)) return;
    if (gameInFront)
        feedback_.announceProfile(previous);
    else
        feedback_.announceWindowsProfile(previous);
}

}  // namespace monitor::host

#include "option/core/TimerDialogs.h"

#include <algorithm>

#include "settings/FixedText.h"
#include "settings/StoreNames.h"

namespace option::core {
namespace {

std::optional<std::string_view> acceptableName(std::string_view name)
{
    const std::string_view trimmed = settings::trimSpaces(name);
    if (trimmed.empty() || trimmed.size() > kMaxTimerNameLength)
        return std::nullopt;
    return trimmed;
}

int boundedSeconds(int seconds)
{
    return std::clamp(seconds, kMinTimerSeconds, kMaxTimerSeconds);
}

int listedTimers(const settings::TimerStore& timers)
{
    return std::min(static_cast<int>(timers.size()), settings::kMaxTimers);
}

}  // namespace

bool canCreateTimer(const settings::TimerStore& timers)
{
    return static_cast<int>(timers.size()) < settings::kMaxTimers;
}

bool timerNameTaken(const settings::TimerStore& timers, std::string_view name, int exceptIndex)
{
    for (int i = 0; i < static_cast<int>(timers.size()); ++i)
        if (i != exceptIndex && settings::sameStoreName(settings::fieldText(timers[i].Name), name))
            return true;
    return false;
}

std::optional<settings::TimerRecord> newTimer(const settings::TimerStore& timers, std::string_view name,
                                              int seconds)
{
    const std::optional<std::string_view> trimmed = acceptableName(name);
    if (!trimmed || !canCreateTimer(timers) || timerNameTaken(timers, *trimmed))
        return std::nullopt;
    settings::TimerRecord timer;
    timer.Seconds = boundedSeconds(seconds);
    settings::setFieldText(timer.Name, *trimmed);
    return timer;
}

TimerListEditing::TimerListEditing(settings::TimerStore& timers) : timers_(timers)
{
    current_ = timers_.empty() ? -1 : 0;
}

std::vector<std::string> TimerListEditing::menuNames() const
{
    std::vector<std::string> names;
    for (int i = 0; i < listedTimers(timers_); ++i)
        names.emplace_back(settings::fieldText(timers_[i].Name));
    return names;
}

bool TimerListEditing::choose(int command)
{
    const int index = command - kFirstCommand;
    if (index < 0 || index >= listedTimers(timers_))
        return false;
    current_ = index;
    return true;
}

std::string TimerListEditing::currentName() const
{
    if (current_ < 0)
        return {};
    return std::string(settings::fieldText(timers_[current_].Name).substr(0, kMaxTimerNameLength));
}

int TimerListEditing::currentSeconds() const
{
    return current_ < 0 ? kFirstTimerSeconds : boundedSeconds(timers_[current_].Seconds);
}

TimerListEditing::SaveResult TimerListEditing::save(std::string_view name, int seconds)
{
    const std::optional<std::string_view> trimmed = acceptableName(name);
    if (current_ < 0 || !trimmed || timerNameTaken(timers_, *trimmed, current_))
        return SaveResult::Refused;
    settings::TimerRecord& timer = timers_[current_];
    timer.Seconds = boundedSeconds(seconds);
    if (settings::sameStoreName(settings::fieldText(timer.Name), *trimmed))
        return SaveResult::SecondsOnly;
    settings::setFieldText(timer.Name, *trimmed);
    return SaveResult::Saved;
}

bool TimerListEditing::removeCurrent()
{
    if (current_ < 0)
        return false;
    timers_.erase(timers_.begin() + current_);
    current_ = timers_.empty() ? -1 : std::min(current_, static_cast<int>(timers_.size()) - 1);
    return true;
}

}  // namespace option::core

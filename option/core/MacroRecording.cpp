#include "option/core/MacroRecording.h"

#include <algorithm>

#include "option/core/KeySequenceEditing.h"
#include "settings/KeyUsageTable.h"

namespace option::core {
namespace {

constexpr std::uint32_t kLongestDelay = 65535;

bool repeats(const KeyMessage& message, const KeyMessage& previous)
{
    return message.virtualKey == previous.virtualKey && message.released == previous.released;
}

}  // namespace

void MacroRecording::start(const settings::MacroRecord& macro, int insertAt, bool delays)
{
    stop();
    const int count = eventCount(macro);
    events_.assign(macro.Events, macro.Events + count);
    insertAt_ = std::clamp(insertAt, 0, count);
    delays_ = delays;
    lastInserted_ = -1;
    previousMessage_.reset();
    previousCaptureTime_.reset();
    recording_ = true;
    capturing_ = keys_.install(*this);
}

void MacroRecording::startEmpty(bool delays)
{
    start(settings::MacroRecord{}, 0, delays);
}

void MacroRecording::stop()
{
    if (capturing_)
        keys_.remove();
    capturing_ = false;
    recording_ = false;
    previousCaptureTime_.reset();
}

void MacroRecording::writeTo(settings::MacroRecord& macro) const
{
    std::fill(std::begin(macro.Events), std::end(macro.Events), settings::MacroEvent{});
    std::copy(events_.begin(), events_.end(), macro.Events);
    macro.EventCount = static_cast<std::int32_t>(events_.size());
}

void MacroRecording::keyMessage(const KeyMessage& message)
{
    if (!recording_)
        return;
    const bool repeated = previousMessage_ && repeats(message, *previousMessage_);
    previousMessage_ = message;
    if (repeated)
        return;
    const std::uint8_t usage = settings::recordedUsage(message.virtualKey, message.scanCode);
    if (usage == 0)
        return;
    if (static_cast<int>(events_.size()) >= settings::kMaxMacroEvents) {
        stop();
        return;
    }
    if (previousCaptureTime_ && delays_ && insertAt_ > 0) {
        const std::uint32_t elapsed = message.timeMs - *previousCaptureTime_;
        events_[insertAt_ - 1].DelayMs = static_cast<std::uint16_t>(std::min(elapsed, kLongestDelay));
    }
    const settings::MacroEvent event{usage,
                                     message.released ? settings::kMacroActionRelease : settings::kMacroActionPress, 0};
    events_.insert(events_.begin() + insertAt_, event);
    lastInserted_ = insertAt_;
    ++insertAt_;
    previousCaptureTime_ = message.timeMs;
    if (static_cast<int>(events_.size()) >= settings::kMaxMacroEvents)
        stop();
}

}  // namespace option::core

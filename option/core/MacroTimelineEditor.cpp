#include "option/core/MacroTimelineEditor.h"

#include <algorithm>

#include "settings/KeyUsageTable.h"

namespace option::core {

void MacroTimelineEditor::load(const settings::MacroRecord& macro)
{
    cancelCapture();
    bars_ = barsFromMacro(macro);
    selected_ = -1;
    view_.scrollRowsTo(0, static_cast<int>(bars_.size()));
}

void MacroTimelineEditor::selectRow(int row)
{
    selected_ = view_.barAtRow(row, static_cast<int>(bars_.size()));
}

int MacroTimelineEditor::latestTime() const
{
    int latest = 0;
    for (const TimelineBar& bar : bars_)
        latest = std::max({latest, bar.start, bar.end});
    return latest;
}

bool MacroTimelineEditor::add()
{
    if (capturing_ || static_cast<int>(bars_.size()) >= kMaxTimelineBars)
        return false;
    TimelineBar bar;
    int at = static_cast<int>(bars_.size());
    if (selected_ >= 0 && selected_ < static_cast<int>(bars_.size())) {
        at = selected_;
        bar.start = bars_[at].start;
        bar.end = bars_[at].end;
    } else if (!bars_.empty()) {
        bar.start = bars_.back().start;
        bar.end = bars_.back().end;
    }
    bars_.insert(bars_.begin() + at, bar);
    selected_ = at;
    capturedBar_ = at;
    capturing_ = true;
    // Without the keyboard no key would ever come and the panel would wait for good.
    if (!keys_.install(*this)) {
        capturing_ = false;
        bars_.erase(bars_.begin() + at);
        selected_ = -1;
        capturedBar_ = -1;
        return false;
    }
    return true;
}

void MacroTimelineEditor::cancelCapture()
{
    if (!capturing_)
        return;
    keys_.remove();
    capturing_ = false;
    if (capturedBar_ >= 0 && capturedBar_ < static_cast<int>(bars_.size()) && bars_[capturedBar_].key < 0) {
        bars_.erase(bars_.begin() + capturedBar_);
        selected_ = -1;
    }
    capturedBar_ = -1;
}

void MacroTimelineEditor::keyMessage(const KeyMessage& message)
{
    if (!capturing_)
        return;
    const std::uint8_t usage = settings::recordedUsage(message.virtualKey, message.scanCode);
    if (usage == 0)
        return;
    bars_[capturedBar_].key = usage;
    capturing_ = false;
    capturedBar_ = -1;
    keys_.remove();
}

bool MacroTimelineEditor::removeSelected()
{
    if (capturing_ || selected_ < 0 || selected_ >= static_cast<int>(bars_.size()))
        return false;
    bars_.erase(bars_.begin() + selected_);
    if (bars_.empty())
        selected_ = -1;
    else
        selected_ = std::min(selected_, static_cast<int>(bars_.size()) - 1);
    view_.scrollRowsTo(view_.topRow(), static_cast<int>(bars_.size()));
    return true;
}

bool MacroTimelineEditor::dropEnd(int row, int pixel, bool startEnd)
{
    const int index = view_.barAtRow(row, static_cast<int>(bars_.size()));
    if (index < 0)
        return false;
    TimelineBar& bar = bars_[index];
    const int time = std::max(0, view_.timeAtPixel(pixel));
    if (startEnd)
        bar.start = std::min(time, bar.end);
    else
        bar.end = std::max(time, bar.start);
    return true;
}

}  // namespace option::core

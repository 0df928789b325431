#include "option/core/KeySequenceEditing.h"

#include <algorithm>
#include <cctype>

#include "settings/KeyNames.h"

namespace option::core {
namespace {

using settings::MacroEvent;
using settings::MacroRecord;

constexpr int kLongestDelay = 65535;
constexpr int kFirstMouseCode = settings::kMacroKeyLeftButton;
constexpr int kLastMouseCode = settings::kMacroKeySideButton2;
constexpr int kRowsBeyondTouched = 2;

enum class MouseInsert { Down = 0, Up = 1, Click = 2 };

bool isMouseCode(std::uint8_t key)
{
    return key >= kFirstMouseCode && key <= kLastMouseCode;
}

// The index of the row's event; nullopt for no row or a row past the events.
std::optional<int> eventIndex(const MacroRecord& macro, const SelectedRow& row)
{
    if (!row || row->eventNumber < 1 || row->eventNumber > eventCount(macro))
        return std::nullopt;
    return row->eventNumber - 1;
}

void insertEvents(MacroRecord& macro, int at, std::initializer_list<MacroEvent> inserted)
{
    const int count = eventCount(macro);
    const int added = static_cast<int>(inserted.size());
    std::copy_backward(macro.Events + at, macro.Events + count, macro.Events + count + added);
    std::copy(inserted.begin(), inserted.end(), macro.Events + at);
    macro.EventCount = count + added;
}

// The decimal value of the digits of `text`, saturating at `ceiling`; nullopt
// when the text holds anything but digits or nothing at all.
std::optional<long long> digitsValue(std::string_view text, long long ceiling)
{
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    for (const char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        value = std::min(ceiling, value * 10 + (c - '0'));
    }
    return value;
}

}  // namespace

int eventCount(const MacroRecord& macro)
{
    return std::clamp(macro.EventCount, 0, settings::kMaxMacroEvents);
}

std::vector<SequenceRow> keySequenceRows(const MacroRecord& macro, const platform::KeyboardLayout& layout)
{
    std::vector<SequenceRow> rows;
    const int count = eventCount(macro);
    for (int i = 0; i < count; ++i) {
        const MacroEvent& event = macro.Events[i];
        const bool press = event.Action == settings::kMacroActionPress;
        const SequenceRowKind kind = isMouseCode(event.Key) ? SequenceRowKind::MouseButton
                                     : press              ? SequenceRowKind::KeyPress
                                                          : SequenceRowKind::KeyRelease;
        rows.push_back({kind, i + 1, settings::macroKeyName(event.Key, layout) + (press ? " Press" : " Release")});
        if (event.DelayMs != 0)
            rows.push_back({SequenceRowKind::Delay, i + 1, std::to_string(event.DelayMs) + " ms"});
    }
    return rows;
}

int sequenceTopRow(int touchedRow, int rowCount, int visibleRows)
{
    const int lastTop = std::max(0, rowCount - visibleRows);
    return std::clamp(touchedRow + kRowsBeyondTouched + 1 - visibleRows, 0, lastTop);
}

int recordInsertionPoint(const MacroRecord& macro, const SelectedRow& row, bool before)
{
    const std::optional<int> index = eventIndex(macro, row);
    if (!index)
        return eventCount(macro);
    return before ? *index : *index + 1;
}

bool insertDelay(MacroRecord& macro, const SelectedRow& row)
{
    const std::optional<int> index = eventIndex(macro, row);
    if (!index || row->kind == SequenceRowKind::Delay || *index == 0)
        return false;
    MacroEvent& previous = macro.Events[*index - 1];
    if (previous.DelayMs != 0)
        return false;
    previous.DelayMs = 1;
    return true;
}

bool insertMouseEvent(MacroRecord& macro, int command, const SelectedRow& row)
{
    const int first = static_cast<int>(SequenceCommand::FirstMouseEvent);
    if (command < first || command > static_cast<int>(SequenceCommand::LastMouseEvent))
        return false;
    const auto key = static_cast<std::uint8_t>(kFirstMouseCode + (command - first) / 3);
    const auto kind = static_cast<MouseInsert>((command - first) % 3);
    const int count = eventCount(macro);
    const int needed = kind == MouseInsert::Click ? 2 : 1;
    if (count + needed > settings::kMaxMacroEvents)
        return false;
    const int at = eventIndex(macro, row).value_or(count);
    const MacroEvent press{key, settings::kMacroActionPress, 0};
    const MacroEvent release{key, settings::kMacroActionRelease, 0};
    switch (kind) {
    case MouseInsert::Down:
        insertEvents(macro, at, {press});
        break;
    case MouseInsert::Up:
        insertEvents(macro, at, {release});
        break;
    case MouseInsert::Click:
        insertEvents(macro, at, {press, release});
        break;
    }
    return true;
}

bool deleteSequenceRow(MacroRecord& macro, const SelectedRow& row)
{
    const std::optional<int> index = eventIndex(macro, row);
    if (!index)
        return false;
    if (row->kind == SequenceRowKind::Delay) {
        macro.Events[*index].DelayMs = 0;
        return true;
    }
    const int count = eventCount(macro);
    std::copy(macro.Events + *index + 1, macro.Events + count, macro.Events + *index);
    macro.Events[count - 1] = MacroEvent{};
    macro.EventCount = count - 1;
    return true;
}

int clampedDelay(std::string_view text)
{
    return static_cast<int>(std::clamp<long long>(digitsValue(text, kLongestDelay).value_or(0), 1, kLongestDelay));
}

bool setDelay(MacroRecord& macro, const SelectedRow& row, std::string_view text)
{
    const std::optional<int> index = eventIndex(macro, row);
    if (!index || row->kind != SequenceRowKind::Delay)
        return false;
    macro.Events[*index].DelayMs = static_cast<std::uint16_t>(clampedDelay(text));
    return true;
}

int clampedLoopTimes(std::string_view text)
{
    if (!text.empty() && text.front() == '-')
        return 1;
    return static_cast<int>(std::clamp<long long>(digitsValue(text, kMaxLoopTimes).value_or(0), 1, kMaxLoopTimes));
}

void setLoopTimes(MacroRecord& macro, bool looping, int times)
{
    macro.LoopCount = looping ? std::clamp(times, 1, kMaxLoopTimes) : 1;
}

bool loopBoxChecked(const MacroRecord& macro)
{
    return macro.LoopCount > 1;
}

int loopTimesShown(const MacroRecord& macro)
{
    return std::clamp(macro.LoopCount, 1, kMaxLoopTimes);
}

}  // namespace option::core

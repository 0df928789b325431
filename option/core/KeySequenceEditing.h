#pragma once
// The key sequence panel: the rows that list a macro's events and delays, and
// the edits of its context menu (commands 1001-1034), the delay edit and the
// loop times. Rows name their event by its index + 1, so every edit finds its
// event again; edits never take a macro past 500 events.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/MacroRecord.h"

namespace platform {
class KeyboardLayout;
}

namespace option::core {

enum class SequenceRowKind {
    Delay,        // "%d ms", the pause after its event
    KeyPress,
    KeyRelease,
    MouseButton,  // a press or release of codes 240-244
};

struct SequenceRow {
    SequenceRowKind kind = SequenceRowKind::KeyPress;
    int eventNumber = 0;  // index + 1 of the event the row shows (or follows)
    std::string text;
};

// One row per event ("A Press", "Left Button Release"), then one "%d ms" row
// when its delay is not 0.
std::vector<SequenceRow> keySequenceRows(const settings::MacroRecord& macro, const platform::KeyboardLayout& layout);

// The first row to show so that `touchedRow` is in view with two rows beyond it
// where the list allows.
int sequenceTopRow(int touchedRow, int rowCount, int visibleRows);

enum class SequenceCommand : int {
    RecordBefore = 1001,
    RecordAfter = 1002,
    InsertDelay = 1003,
    EditDelay = 1004,
    Delete = 1005,
    // Down, Up, Click of Left Button (1020-1022), Right Button (1023-1025),
    // Wheel (1026-1028), Side Button 1 (1029-1031), Side Button 2 (1032-1034).
    FirstMouseEvent = 1020,
    LastMouseEvent = 1034,
};

// The row the command acts on; nullopt when no row is selected.
using SelectedRow = std::optional<SequenceRow>;

// Where "Start Record before" (1001) and "after" (1002) insert: before or after
// the selected row's event (a delay row stands for the event it follows); at
// the end with nothing selected.
int recordInsertionPoint(const settings::MacroRecord& macro, const SelectedRow& row, bool before);

// 1003 on an event row other than the first: gives the event before it a 1 ms
// delay when it has none. False when nothing changed.
bool insertDelay(settings::MacroRecord& macro, const SelectedRow& row);

// 1020-1034: a press, a release, or a press and a release of the command's
// mouse button, delay 0, before the selected event (at the end with nothing
// selected). A single event needs room for one more, a click for two.
bool insertMouseEvent(settings::MacroRecord& macro, int command, const SelectedRow& row);

// 1005: a delay row's delay becomes 0; an event row's event goes, with its delay.
bool deleteSequenceRow(settings::MacroRecord& macro, const SelectedRow& row);

// A delay typed into the row's edit: 1-65535 (less than 1 is 1, more than
// 65534 is 65535; digits only, anything else reads as 0).
int clampedDelay(std::string_view text);
// 1004 ended: stores the clamped delay on the delay row's event.
bool setDelay(settings::MacroRecord& macro, const SelectedRow& row, std::string_view text);

// The loop edit: 1-255 (256 or more is 255, 0 or less 1). The loop count stored
// is the edit's value while the box is checked, 1 while it is not.
inline constexpr int kMaxLoopTimes = 255;
int clampedLoopTimes(std::string_view text);
void setLoopTimes(settings::MacroRecord& macro, bool looping, int times);
// What a selected macro shows: the box checked for a loop count above 1, and
// the count (1 when it is not a count).
bool loopBoxChecked(const settings::MacroRecord& macro);
int loopTimesShown(const settings::MacroRecord& macro);

// Keys the key sequence panel swallows (Enter, Esc, Space, by virtual key), so
// that a key recorded presses no button; the manager itself ignores Enter and Esc.
constexpr bool keySequencePanelSwallows(std::uint8_t virtualKey)
{
    return virtualKey == 13 || virtualKey == 27 || virtualKey == 32;
}

// The macro's events in use, 0-500 whatever its stored count says.
int eventCount(const settings::MacroRecord& macro);

}  // namespace option::core

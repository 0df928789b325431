#pragma once
// The timeline panel's model: the bars of the current macro, the selected bar,
// the view, adding a bar whose key is the next key pressed, deleting, and
// moving a bar's ends. Leaving the panel writes the bars back into the macro.
#include <vector>

#include "option/core/KeyCapture.h"
#include "option/core/TimelineBars.h"
#include "option/core/TimelineView.h"

namespace option::core {

class MacroTimelineEditor : public KeyListener {
public:
    explicit MacroTimelineEditor(KeySource& keys) : keys_(keys) {}
    ~MacroTimelineEditor() override { cancelCapture(); }

    // Shows `macro`'s bars from the first row, nothing selected.
    void load(const settings::MacroRecord& macro);
    void writeTo(settings::MacroRecord& macro) const { writeBarsToMacro(bars_, macro); }

    const std::vector<TimelineBar>& bars() const { return bars_; }
    int selected() const { return selected_; }
    // Selects the bar shown in view row `row`; none for an empty row.
    void selectRow(int row);

    TimelineView& view() { return view_; }
    const TimelineView& view() const { return view_; }
    // The latest start or end of any bar (the horizontal scroll range's reach).
    int latestTime() const;

    // Inserts a keyless bar at the selected bar (copying its times), or appends
    // one copying the last bar's times (0 and 0 without bars), selects it and
    // takes the keyboard for its key. False, with nothing added, at 250 bars or
    // when the keyboard cannot be taken.
    bool add();
    bool capturing() const { return capturing_; }
    // Drops the capture and the keyless bar it was for.
    void cancelCapture();
    // During a capture, the first recordable key gives the bar its key.
    void keyMessage(const KeyMessage& message) override;

    // Removes the selected bar; the selection stays at its place (or none).
    bool removeSelected();

    // A dragged end dropped at `pixel` of view row `row`: that end of the bar
    // in the row takes the time under the pixel (start never after end).
    bool dropEnd(int row, int pixel, bool startEnd);

private:
    KeySource& keys_;
    std::vector<TimelineBar> bars_;
    TimelineView view_;
    int selected_ = -1;
    bool capturing_ = false;
    int capturedBar_ = -1;
};

}  // namespace option::core

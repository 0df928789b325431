// Editing a macro: the key sequence list and its commands, recording, and the
// timeline's bars, zoom, ruler and drags.

#include <gtest/gtest.h>

#include <memory>

#include "option/core/KeySequenceEditing.h"
#include "option/core/MacroRecording.h"
#include "option/core/MacroTimelineEditor.h"
#include "platform/keyboard/KeyboardLayout.h"
#include "tests/option_core/FakeKeySource.h"

namespace option::core::test {
namespace {

using settings::MacroEvent;
using settings::MacroRecord;

constexpr std::uint8_t kPress = settings::kMacroActionPress;
constexpr std::uint8_t kRelease = settings::kMacroActionRelease;

class UsLayout : public platform::KeyboardLayout {
public:
    std::string keyText(std::uint8_t usage) const override { return platform::usKeyText(usage); }
};

std::unique_ptr<MacroRecord> macroOf(std::initializer_list<MacroEvent> events)
{
    auto macro = std::make_unique<MacroRecord>();
    std::copy(events.begin(), events.end(), macro->Events);
    macro->EventCount = static_cast<int>(events.size());
    return macro;
}

std::unique_ptr<MacroRecord> filledMacro(int count)
{
    auto macro = std::make_unique<MacroRecord>();
    for (int i = 0; i < count; ++i)
        macro->Events[i] = {4, i % 2 == 0 ? kPress : kRelease, 0};
    macro->EventCount = count;
    return macro;
}

SelectedRow eventRow(int number)
{
    return SequenceRow{SequenceRowKind::KeyPress, number, ""};
}

SelectedRow delayRow(int number)
{
    return SequenceRow{SequenceRowKind::Delay, number, ""};
}

TEST(KeySequence, RowsAndTheContextMenuEdits)
{
    auto macro = macroOf({{4, kPress, 30}, {4, kRelease, 0}, {240, kPress, 0}});
    const std::vector<SequenceRow> rows = keySequenceRows(*macro, UsLayout());
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].text, "A Press");
    EXPECT_EQ(rows[1].text, "30 ms");
    EXPECT_EQ(rows[1].eventNumber, 1);
    EXPECT_EQ(rows[3].kind, SequenceRowKind::MouseButton);
    EXPECT_EQ(rows[3].text, "Left Button Press");

    EXPECT_FALSE(insertDelay(*macro, eventRow(1)));  // the first event
    EXPECT_FALSE(insertDelay(*macro, eventRow(2)));  // its event before already has a delay
    EXPECT_FALSE(insertDelay(*macro, delayRow(1)));
    EXPECT_TRUE(insertDelay(*macro, eventRow(3)));
    EXPECT_EQ(macro->Events[1].DelayMs, 1);

    EXPECT_EQ(recordInsertionPoint(*macro, delayRow(1), true), 0);
    EXPECT_EQ(recordInsertionPoint(*macro, eventRow(2), false), 2);
    EXPECT_EQ(recordInsertionPoint(*macro, std::nullopt, true), 3);
    EXPECT_EQ(recordInsertionPoint(*macro, eventRow(9), true), 3);

    EXPECT_TRUE(insertMouseEvent(*macro, 1025, eventRow(2)));  // Right Button click before event 2
    EXPECT_EQ(macro->EventCount, 5);
    EXPECT_EQ(macro->Events[1].Key, 241);
    EXPECT_EQ(macro->Events[2].Action, kRelease);
    EXPECT_EQ(macro->Events[3].Key, 4);
    EXPECT_TRUE(insertMouseEvent(*macro, 1033, std::nullopt));  // Side Button 2 up, at the end
    EXPECT_EQ(macro->Events[5].Key, 244);
    EXPECT_FALSE(insertMouseEvent(*macro, 1035, std::nullopt));

    EXPECT_TRUE(deleteSequenceRow(*macro, delayRow(1)));
    EXPECT_EQ(macro->Events[0].DelayMs, 0);
    EXPECT_TRUE(deleteSequenceRow(*macro, eventRow(1)));
    EXPECT_EQ(macro->EventCount, 5);
    EXPECT_EQ(macro->Events[0].Key, 241);
    EXPECT_EQ(macro->Events[5].Key, 0);

    auto full = filledMacro(499);
    EXPECT_FALSE(insertMouseEvent(*full, 1022, std::nullopt));  // a click needs two
    EXPECT_TRUE(insertMouseEvent(*full, 1020, std::nullopt));
    EXPECT_FALSE(insertMouseEvent(*full, 1020, std::nullopt));
    EXPECT_EQ(full->EventCount, 500);
}

TEST(KeySequence, DelayAndLoopEditsAreClamped)
{
    const std::pair<const char*, int> delays[] = {{"0", 1},       {"100000", 65535}, {"65534", 65534},
                                                  {"", 1},        {"12a", 1},        {"99999999999999999999", 65535}};
    for (const auto& [text, delay] : delays)
        EXPECT_EQ(clampedDelay(text), delay) << text;
    const std::pair<const char*, int> loops[] = {{"0", 1}, {"300", 255}, {"255", 255}, {"-4", 1}, {"7", 7}};
    for (const auto& [text, times] : loops)
        EXPECT_EQ(clampedLoopTimes(text), times) << text;

    auto macro = macroOf({{4, kPress, 5}, {4, kRelease, 0}});
    EXPECT_TRUE(setDelay(*macro, delayRow(1), "0"));
    EXPECT_EQ(macro->Events[0].DelayMs, 1);
    EXPECT_FALSE(setDelay(*macro, eventRow(1), "9"));

    setLoopTimes(*macro, false, 40);
    EXPECT_EQ(macro->LoopCount, 1);
    EXPECT_FALSE(loopBoxChecked(*macro));
    setLoopTimes(*macro, true, 40);
    EXPECT_TRUE(loopBoxChecked(*macro));
    EXPECT_EQ(loopTimesShown(*macro), 40);
    macro->LoopCount = 0;
    EXPECT_EQ(loopTimesShown(*macro), 1);

    EXPECT_EQ(sequenceTopRow(30, 40, 10), 23);
    EXPECT_EQ(sequenceTopRow(2, 40, 10), 0);
    EXPECT_EQ(sequenceTopRow(39, 40, 10), 30);
}

TEST(MacroRecorder, RepeatsAreIgnoredAndDelaysAreCapped)
{
    FakeKeySource keys;
    MacroRecording recording(keys);
    auto macro = macroOf({{20, kPress, 0}, {20, kRelease, 0}});
    recording.start(*macro, 1, true);
    ASSERT_TRUE(keys.installed());
    keys.key('A', false, 1000);
    keys.key('A', false, 1030);  // auto-repeat
    keys.key('A', false, 1060);
    keys.key(0xAD, false, 1070);  // not recordable
    keys.key('A', true, 71000);   // 70 s later
    keys.key('B', false, 71040);
    recording.stop();
    EXPECT_FALSE(keys.installed());
    recording.writeTo(*macro);
    ASSERT_EQ(macro->EventCount, 5);
    const MacroEvent expected[] = {{20, kPress, 0}, {4, kPress, 65535}, {4, kRelease, 40}, {5, kPress, 0},
                                   {20, kRelease, 0}};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(settings::macroEventWord(macro->Events[i]), settings::macroEventWord(expected[i])) << i;

    recording.startEmpty(false);
    keys.key('C', false, 5000);
    keys.key('C', true, 5300);
    ASSERT_EQ(recording.events().size(), 2u);
    EXPECT_EQ(recording.events()[0].DelayMs, 0);  // delays off
    EXPECT_EQ(recording.insertionPoint(), 2);
}

TEST(MacroRecorder, StopsAtFiveHundredEventsAndRecordsNothingWithoutTheKeyboard)
{
    FakeKeySource keys;
    MacroRecording recording(keys);
    auto macro = filledMacro(499);
    recording.start(*macro, 499, true);
    keys.tap('Z', 10);
    EXPECT_FALSE(recording.recording());
    EXPECT_FALSE(keys.installed());
    EXPECT_EQ(recording.events().size(), 500u);
    EXPECT_EQ(recording.events()[499].Key, 29);

    keys.grabbable = false;
    recording.start(*macro, 0, true);
    EXPECT_TRUE(recording.recording());
    EXPECT_FALSE(recording.capturing());
    recording.stop();
    EXPECT_EQ(recording.events().size(), 499u);
}

TEST(Timeline, BarsPairEachReleaseWithTheLatestPressOfItsKey)
{
    // A pressed, B pressed, A pressed again, A released twice, B released; C never.
    auto macro = macroOf({{4, kPress, 10}, {5, kPress, 10}, {4, kPress, 10}, {6, kPress, 10},
                          {4, kRelease, 10}, {4, kRelease, 10}, {5, kRelease, 0}, {7, kRelease, 0}});
    const std::vector<TimelineBar> bars = barsFromMacro(*macro);
    ASSERT_EQ(bars.size(), 3u);
    EXPECT_EQ(bars[0], (TimelineBar{4, 20, 40, 2, 4}));  // last pressed, first released
    EXPECT_EQ(bars[1], (TimelineBar{5, 10, 60, 1, 6}));
    EXPECT_EQ(bars[2], (TimelineBar{4, 0, 50, 0, 5}));

    writeBarsToMacro(bars, *macro);  // the press of key 6 without release is gone
    const MacroEvent expected[] = {{4, kPress, 10}, {5, kPress, 10}, {4, kPress, 20}, {4, kRelease, 10},
                                   {4, kRelease, 10}, {5, kRelease, 0}};
    ASSERT_EQ(macro->EventCount, 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(settings::macroEventWord(macro->Events[i]), settings::macroEventWord(expected[i])) << i;
}

TEST(Timeline, EqualTimesKeepTheirOrderAndFullMacrosStayWithinFiveHundred)
{
    const std::vector<TimelineBar> bars = {{9, 0, 0, 3, 4}, {8, 0, 0, 1, 2}, {7, 0, 5, -1, -1}};
    const std::vector<MacroEvent> events = eventsFromBars(bars);
    ASSERT_EQ(events.size(), 6u);
    const std::uint8_t keys[] = {8, 8, 9, 9, 7, 7};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(events[i].Key, keys[i]) << i;
    EXPECT_EQ(events[4].DelayMs, 5);

    const std::vector<TimelineBar> full = barsFromMacro(*filledMacro(500));
    EXPECT_EQ(full.size(), 250u);
    std::vector<TimelineBar> tooMany(full);
    tooMany.push_back({30, 0, 1, -1, -1});
    tooMany.push_back({-1, 0, 1, -1, -1});  // still waiting for its key
    EXPECT_EQ(eventsFromBars(tooMany).size(), 500u);
    const std::vector<TimelineBar> longGap = {{4, 0, 100000, -1, -1}};
    EXPECT_EQ(eventsFromBars(longGap)[0].DelayMs, 65535);
}

TEST(Timeline, ZoomSnapsRulerStepsAndScrollingStayInRange)
{
    const std::pair<int, int> snaps[] = {{14, 10}, {15, 25}, {29, 25}, {30, 45}, {49, 45}, {50, 90},
                                         {99, 90}, {199, 187}, {499, 375}, {999, 750}, {1999, 1500},
                                         {2000, 2000}, {48000, 48000}};
    for (const auto& [span, snapped] : snaps)
        EXPECT_EQ(snappedTimelineSpan(span), snapped) << span;

    TimelineView view;
    EXPECT_EQ(view.ruler()[1].milliseconds, 500);  // 3000 / 60 * 10
    EXPECT_EQ(view.ruler()[0].x, 66);
    EXPECT_EQ(view.ruler()[5].x, 385);
    view.zoomIn();
    EXPECT_EQ(view.span(), 1500);
    EXPECT_EQ(view.ruler()[1].milliseconds, 250);
    view.zoomIn();
    EXPECT_EQ(view.ruler()[1].milliseconds, 125);  // 750 / 30 * 5
    for (int i = 0; i < 6; ++i)  // 375, 187, 90, 45, 25, 10
        view.zoomIn();
    EXPECT_EQ(view.span(), 10);
    EXPECT_EQ(view.ruler()[5].milliseconds, 5);  // 10 / 6 = 1 a step
    view.zoomIn();
    EXPECT_EQ(view.span(), 10);
    view.zoomOut(0);
    EXPECT_EQ(view.span(), 25);
    view.zoomOut(0);
    EXPECT_EQ(view.span(), 90);
    EXPECT_EQ(timelineLineStep(view.span()), 3);

    TimelineView wide;
    wide.scrollTo(60000, 50000);
    EXPECT_EQ(wide.start(), 47000);
    for (int i = 0; i < 5; ++i)
        wide.zoomOut(50000);
    EXPECT_EQ(wide.span(), 48000);
    EXPECT_EQ(wide.start(), 0);
    wide.scrollLines(-3, 50000);
    EXPECT_EQ(wide.start(), 0);
    wide.scrollPages(1, 50000);
    EXPECT_EQ(wide.start(), 2000);
    wide.zoomOut(100);
    EXPECT_EQ(wide.start(), 0);  // every bar within one span
    EXPECT_EQ(wide.timeAtPixel(190), 24000);
    EXPECT_EQ(TimelineView::verticalRange(4), 19);
}

TEST(Timeline, EditorAddsWithAKeyDeletesAndDragsEnds)
{
    FakeKeySource keys;
    MacroTimelineEditor editor(keys);
    editor.load(*macroOf({{4, kPress, 100}, {4, kRelease, 0}}));
    editor.selectRow(5);
    EXPECT_EQ(editor.selected(), -1);
    ASSERT_TRUE(editor.add());  // appended, copying the last bar's times
    EXPECT_TRUE(editor.capturing());
    keys.key(0xAD, false);      // not recordable: still waiting
    keys.key('B', false);
    EXPECT_FALSE(editor.capturing());
    EXPECT_FALSE(keys.installed());
    ASSERT_EQ(editor.bars().size(), 2u);
    EXPECT_EQ(editor.bars()[1], (TimelineBar{5, 0, 100, -1, -1}));

    EXPECT_TRUE(editor.dropEnd(1, 190, false));  // 3000 ms over 380 pixels
    EXPECT_EQ(editor.bars()[1].end, 1500);
    EXPECT_TRUE(editor.dropEnd(0, 380, true));   // the start never passes the end
    EXPECT_EQ(editor.bars()[0].start, 100);
    EXPECT_FALSE(editor.dropEnd(2, 10, true));
    EXPECT_EQ(TimelineView::dragStartPixel(300, 120), 119);
    EXPECT_EQ(TimelineView::dragEndPixel(400, 120), 378);
    EXPECT_EQ(TimelineView::dragStartPixel(0, 120), 2);

    editor.selectRow(0);
    ASSERT_TRUE(editor.add());
    editor.cancelCapture();  // closed before a key came: the keyless bar goes
    EXPECT_EQ(editor.bars().size(), 2u);
    keys.grabbable = false;
    EXPECT_FALSE(editor.add());
    EXPECT_EQ(editor.bars().size(), 2u);

    editor.selectRow(1);
    EXPECT_TRUE(editor.removeSelected());
    EXPECT_EQ(editor.selected(), 0);
    auto macro = std::make_unique<MacroRecord>();
    editor.writeTo(*macro);
    EXPECT_EQ(macro->EventCount, 2);
    EXPECT_EQ(macro->Events[0].DelayMs, 0);  // the drag left a bar of no length
}

}  // namespace
}  // namespace option::core::test

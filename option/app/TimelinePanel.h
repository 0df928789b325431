#pragma once
// The macro manager's timeline panel: one bar per key press and release on a
// zoomable time axis (19 rows, a 380-pixel track, a ruler of six times), with
// both scroll bars, bars selected by a click, their ends dragged, a bar added
// whose key is the next key pressed, and the selected bar deleted. A thin view
// over core::MacroTimelineEditor.
#include <functional>

#include "option/app/ObservedKeySource.h"
#include "option/core/MacroTimelineEditor.h"
#include "option/skin/SkinWindow.h"

class QScrollBar;

namespace platform {
class KeyboardLayout;
}

namespace option::skin {
class SkinButton;
}

namespace option::app {

class TimelineRows;

class TimelinePanel final : public skin::SkinWindow {
    Q_OBJECT
public:
    struct Owner {
        std::function<settings::MacroRecord*()> macroForCommand;  // shows the notice when there is none
        std::function<void()> edited;
        std::function<void(bool busy)> capturing;
    };

    TimelinePanel(QWidget* parent, core::KeySource& keys, const platform::KeyboardLayout& layout, Owner owner);

    // Shows `macro`'s bars (nullptr: none).
    void showMacro(settings::MacroRecord* macro);
    // Writes the bars back into the macro shown when they were edited here; true
    // when it did.
    bool writeBack();

    void add();
    void removeSelected();
    void zoom(bool in);
    core::MacroTimelineEditor& editor() { return editor_; }
    TimelineRows* rows() const { return rows_; }
    QScrollBar* horizontalBar() const { return horizontal_; }
    QScrollBar* verticalBar() const { return vertical_; }

    void barsChanged();
    void viewChanged();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void afterCapturedKey();
    void syncScrollBars();

    ObservedKeySource observed_;
    Owner owner_;
    core::MacroTimelineEditor editor_;
    settings::MacroRecord* macro_ = nullptr;
    bool edited_ = false;
    TimelineRows* rows_;
    QScrollBar* vertical_;
    QScrollBar* horizontal_;
    bool syncing_ = false;
};

// The 19 bar rows: key names, bars on the track, selection and dragging.
class TimelineRows final : public QWidget {
    Q_OBJECT
public:
    TimelineRows(TimelinePanel& panel, core::MacroTimelineEditor& editor, const platform::KeyboardLayout& layout);

    // Where the track starts inside the rows.
    static constexpr int kTrackLeft = 63;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Grab { None, Start, End, Either };
    Grab grabAt(int row, int x) const;

    TimelinePanel& panel_;
    core::MacroTimelineEditor& editor_;
    const platform::KeyboardLayout& layout_;
    Grab dragging_ = Grab::None;
    int dragRow_ = -1;
    int dragPixel_ = 0;
    int pressX_ = 0;
};

}  // namespace option::app

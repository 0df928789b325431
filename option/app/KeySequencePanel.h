#pragma once
// The macro manager's key sequence panel: the current macro's events and delays
// as a list with its context menu (commands 1001-1034), the delay edit over a
// row, the loop box and count, and recording from the keyboard. A thin view over
// core::KeySequenceEditing and core::MacroRecording.
#include <functional>

#include "option/app/ObservedKeySource.h"
#include "option/core/KeySequenceEditing.h"
#include "option/core/MacroRecording.h"
#include "option/skin/SkinWindow.h"

class QListWidget;

namespace platform {
class KeyboardLayout;
}

namespace option::skin {
class BitmapEdit;
class SkinButton;
}  // namespace option::skin

namespace option::app {

class KeySequencePanel final : public skin::SkinWindow {
    Q_OBJECT
public:
    struct Owner {
        // The macro edited, or nullptr; when there is none the owner shows its
        // notice and returns nullptr.
        std::function<settings::MacroRecord*()> macroForCommand;
        std::function<void()> edited;             // the macro's events or loop count changed
        std::function<void(bool busy)> recording;  // the manager's buttons off while true
    };

    KeySequencePanel(QWidget* parent, core::KeySource& keys, const platform::KeyboardLayout& layout, Owner owner);
    ~KeySequencePanel() override;

    // Shows `macro` (nullptr: nothing); stops a recording first.
    void showMacro(settings::MacroRecord* macro);

    void startOrStopRecording();
    void runCommand(int command);
    // The delay edit of the selected delay row ended with `text`.
    void endDelayEdit(const QString& text, bool commit);
    bool recording() const { return recording_.recording(); }

    QListWidget* list() const { return list_; }
    skin::SkinButton* recordButton() const { return record_; }
    skin::SkinButton* delayButton() const { return delays_; }
    skin::SkinButton* loopButton() const { return loop_; }
    skin::BitmapEdit* loopEdit() const { return times_; }
    skin::BitmapEdit* delayEdit() const { return delayEdit_; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startRecording(int insertAt, bool empty);
    void stopRecording();
    void afterRecordedKey();
    void refill(int touchedEvent);
    void openContextMenu(const QPoint& position);
    void openDelayEdit();
    void loopChanged();
    core::SelectedRow selectedRow() const;

    core::KeySource& keys_;
    ObservedKeySource observed_;
    const platform::KeyboardLayout& layout_;
    Owner owner_;
    core::MacroRecording recording_;
    settings::MacroRecord* macro_ = nullptr;
    std::vector<core::SequenceRow> rows_;
    skin::StateImages recordFaces_;
    skin::StateImages stopFaces_;
    skin::SkinButton* record_;
    skin::SkinButton* delays_;
    skin::SkinButton* loop_;
    skin::BitmapEdit* times_;
    QListWidget* list_;
    skin::BitmapEdit* delayEdit_;
    bool showing_ = false;  // a macro is being shown: edits are not the user's
};

}  // namespace option::app

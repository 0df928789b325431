#pragma once
// The create-timer dialog (a name and a countdown of 15-999 seconds) and the
// edit/delete dialog over the timer store. The rules are core::TimerDialogs;
// refusals leave the dialog open without a message.
#include <memory>

#include "option/app/SkinDialog.h"
#include "option/core/TimerDialogs.h"

namespace option::skin {
class BitmapEdit;
class NumberSpin;
}  // namespace option::skin

namespace option::app {

class CreateTimerDialog final : public SkinDialog {
    Q_OBJECT
public:
    CreateTimerDialog(QWidget* parent, const settings::TimerStore& timers);

    // The timer to append; set when the dialog ended with OK.
    const std::optional<settings::TimerRecord>& timer() const { return timer_; }

    skin::BitmapEdit* nameField() const { return name_; }
    skin::NumberSpin* secondsField() const { return seconds_; }

private:
    void onOk();

    const settings::TimerStore& timers_;
    skin::BitmapEdit* name_;
    skin::NumberSpin* seconds_;
    std::optional<settings::TimerRecord> timer_;
};

class EditTimerDialog final : public SkinDialog {
    Q_OBJECT
public:
    // Edits `timers` in place; the caller writes the store after OK.
    EditTimerDialog(QWidget* parent, settings::TimerStore& timers);

    skin::BitmapEdit* nameField() const { return name_; }
    skin::NumberSpin* secondsField() const { return seconds_; }
    skin::SkinButton* timerList() const { return list_; }
    // What choosing command `command` of the timer menu does.
    void chooseTimer(int command);

private:
    void showCurrent();
    void openTimerMenu();
    void save();
    void deleteCurrent();

    core::TimerListEditing editing_;
    skin::SkinButton* list_;
    skin::BitmapEdit* name_;
    skin::NumberSpin* seconds_;
};

}  // namespace option::app

#pragma once
// The Padtune calibration wizard behind its two dialogs. Choosing a new level
// writes it to config.ini (`DisControl`), where the monitor reads it; the start
// dialog asks the monitor to start a calibration and waits 10 s; the result
// dialog counts 30 s down for the user to accept. Accepting keeps the level;
// cancelling, closing or letting the countdown run out writes the previous
// level back and asks the monitor to discard the calibration. Without a monitor
// nothing is written or sent and the new level is only shown.
//
// The dialogs' timers and the way out (config.ini, the monitor) are interfaces,
// so the whole sequence runs without waiting.
#include <string>

#include "option/core/LightingPalette.h"

namespace option::core {

class PadtuneOutput {
public:
    virtual ~PadtuneOutput() = default;
    virtual bool monitorRunning() const = 0;
    // Writes `DisControl` to config.ini; false when the file was not written.
    virtual bool writeDisControl(int level) = 0;
    // Posts the Padtune request (start, keep or discard) to the monitor.
    virtual void postRequest(int requestCode) = 0;
};

// One timer of the open dialog: fires every `milliseconds` until stopped.
class WizardTimer {
public:
    virtual ~WizardTimer() = default;
    virtual void start(int milliseconds) = 0;
    virtual void stop() = 0;
};

inline constexpr int kPadtuneStartMilliseconds = 10000;
inline constexpr int kPadtuneResultSeconds = 30;
inline constexpr int kPadtuneTickMilliseconds = 1000;
inline constexpr Rgb kPadtuneBarColor{60, 137, 191};
inline constexpr Rgb kPadtuneBarBackground{161, 161, 161};

class PadtuneWizard {
public:
    enum class State {
        Idle,         // no dialog
        Starting,     // start dialog, waiting for its OK
        Calibrating,  // start dialog after OK: progress shown, 10 s timer running
        Result,       // result dialog counting down
        Finished,
    };
    enum class Outcome {
        None,         // not finished
        Unchanged,    // the level chosen was the level in force (or not a level)
        ShownOnly,    // no monitor: the new level is shown, nothing written or sent
        NotWritten,   // config.ini could not be written: nothing sent, previous level kept
        Kept,         // accepted: the new level stays
        Restored,     // cancelled or timed out: the previous level is back
    };

    PadtuneWizard(PadtuneOutput& output, WizardTimer& timer) : output_(output), timer_(timer) {}

    // The user chose `level` (0-3) while `current` is in force. Returns the state
    // the dialogs follow: Starting when the start dialog is to open, Finished
    // when nothing is to open.
    State choose(int current, int level);

    // Start dialog: OK starts the calibration; Cancel or the close button ends it.
    void startPressed();
    // Result dialog: "Accept"; "Cancel" and "Exit" are cancelPressed as well.
    void acceptPressed();
    void cancelPressed();
    void timerFired();

    State state() const { return state_; }
    Outcome outcome() const { return outcome_; }
    // The level the page shows and the block holds: the new level, or the
    // previous one after a discard.
    int levelInForce() const { return levelInForce_; }
    // Writing the previous level back failed; the discard was still sent.
    bool restoreNotWritten() const { return restoreNotWritten_; }

    bool startButtonEnabled() const { return state_ == State::Starting; }
    bool progressShown() const { return state_ == State::Calibrating; }
    int secondsLeft() const { return secondsLeft_; }
    // "%d sec" of the result dialog.
    std::string countdownText() const;

private:
    void finish(Outcome outcome);
    void keep();
    void restore();

    PadtuneOutput& output_;
    WizardTimer& timer_;
    State state_ = State::Idle;
    Outcome outcome_ = Outcome::None;
    int previous_ = 0;
    int levelInForce_ = 0;
    int secondsLeft_ = 0;
    bool restoreNotWritten_ = false;
};

}  // namespace option::core

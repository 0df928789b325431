#pragma once
// The Padtune calibration wizard on screen: the start dialog (Start, then the
// progress animation for 10 s) and the result dialog (accept within a 30 s
// countdown), driven by core::PadtuneWizard. The wizard's clock is a
// PadtuneClock, so tests run it faster than the user's.
#include <QTimer>

#include <functional>
#include <memory>

#include "option/app/SkinDialog.h"
#include "option/core/PadtuneWizard.h"

namespace option::skin {
class AnimationControl;
}

namespace option::app {

// A WizardTimer on a Qt timer of the user-interface thread; each period is
// divided by `speedUp` (1 for the user).
class QtWizardTimer final : public core::WizardTimer {
public:
    QtWizardTimer(std::function<void()> fired, int speedUp = 1);
    void start(int milliseconds) override;
    void stop() override;

private:
    QTimer timer_;
    int speedUp_;
};

// Makes the wizard's timer, which calls `fired` each time it runs out.
using PadtuneClock = std::function<std::unique_ptr<core::WizardTimer>(std::function<void()> fired)>;
PadtuneClock realTimeClock();

class PadtuneStartDialog final : public SkinDialog {
    Q_OBJECT
public:
    PadtuneStartDialog(QWidget* parent, core::PadtuneWizard& wizard);
    // The wizard's state moved on (its timer fired): closes once the calibration ran.
    void follow();
    skin::AnimationControl* progress() const { return progress_; }

public slots:
    void reject() override;

private:
    core::PadtuneWizard& wizard_;
    skin::SkinButton* start_;
    skin::AnimationControl* progress_;
};

class PadtuneResultDialog final : public SkinDialog {
    Q_OBJECT
public:
    PadtuneResultDialog(QWidget* parent, core::PadtuneWizard& wizard);
    // A tick of the countdown: repaints, and closes when the time ran out.
    void follow();

public slots:
    void reject() override;

private:
    core::PadtuneWizard& wizard_;
    QWidget* countdown_;
};

// Runs the wizard for the user's choice of `level` while `current` is in force;
// returns the level in force afterwards (the new one, or `current` after a
// discard or without a change).
int runPadtuneWizard(QWidget* parent, core::PadtuneOutput& output, const PadtuneClock& clock, int current, int level);

}  // namespace option::app

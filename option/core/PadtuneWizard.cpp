#include "option/core/PadtuneWizard.h"

#include "messages/MessageNumbers.h"
#include "option/core/AdvancedPageRules.h"

namespace option::core {

PadtuneWizard::State PadtuneWizard::choose(int current, int level)
{
    timer_.stop();
    previous_ = current;
    levelInForce_ = current;
    restoreNotWritten_ = false;
    secondsLeft_ = 0;
    outcome_ = Outcome::None;
    if (level == current || !kPadtuneLevelRange.contains(level)) {
        finish(Outcome::Unchanged);
        return state_;
    }
    levelInForce_ = level;
    if (!output_.monitorRunning()) {
        finish(Outcome::ShownOnly);
        return state_;
    }
    // The monitor reads the level from the file: without it there, a calibration
    // would run on the old level.
    if (!output_.writeDisControl(level)) {
        levelInForce_ = current;
        finish(Outcome::NotWritten);
        return state_;
    }
    state_ = State::Starting;
    return state_;
}

void PadtuneWizard::startPressed()
{
    if (state_ != State::Starting)
        return;
    output_.postRequest(messages::padtune_request::kStart);
    state_ = State::Calibrating;
    timer_.start(kPadtuneStartMilliseconds);
}

void PadtuneWizard::acceptPressed()
{
    if (state_ == State::Result)
        keep();
}

void PadtuneWizard::cancelPressed()
{
    if (state_ == State::Starting || state_ == State::Calibrating || state_ == State::Result)
        restore();
}

void PadtuneWizard::timerFired()
{
    if (state_ == State::Calibrating) {
        timer_.stop();
        state_ = State::Result;
        secondsLeft_ = kPadtuneResultSeconds;
        timer_.start(kPadtuneTickMilliseconds);
    } else if (state_ == State::Result) {
        if (--secondsLeft_ <= 0) {
            secondsLeft_ = 0;
            restore();
        }
    }
}

std::string PadtuneWizard::countdownText() const
{
    return std::to_string(secondsLeft_) + " sec";
}

void PadtuneWizard::finish(Outcome outcome)
{
    timer_.stop();
    outcome_ = outcome;
    state_ = State::Finished;
}

void PadtuneWizard::keep()
{
    output_.postRequest(messages::padtune_request::kKeep);
    finish(Outcome::Kept);
}

void PadtuneWizard::restore()
{
    levelInForce_ = previous_;
    restoreNotWritten_ = !output_.writeDisControl(previous_);
    output_.postRequest(messages::padtune_request::kDiscard);
    finish(Outcome::Restored);
}

}  // namespace option::core

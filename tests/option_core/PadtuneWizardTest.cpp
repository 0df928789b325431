// The Padtune wizard's sequence with its timers and the monitor faked: what is
// written to config.ini and posted to the monitor, in order.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "option/core/PadtuneWizard.h"

namespace option::core::test {
namespace {

using Lines = std::vector<std::string>;
using State = PadtuneWizard::State;
using Outcome = PadtuneWizard::Outcome;

struct Recorder : PadtuneOutput, WizardTimer {
    bool monitor = true;
    bool writable = true;
    Lines log;

    bool monitorRunning() const override { return monitor; }
    bool writeDisControl(int level) override
    {
        log.push_back("write " + std::to_string(level));
        return writable;
    }
    void postRequest(int code) override { log.push_back("post " + std::to_string(code)); }
    void start(int milliseconds) override { log.push_back("timer " + std::to_string(milliseconds)); }
    void stop() override {}
};

class Padtune : public ::testing::Test {
protected:
    // Through the start dialog to the result dialog.
    void calibrate()
    {
        ASSERT_EQ(wizard.choose(0, 2), State::Starting);
        EXPECT_TRUE(wizard.startButtonEnabled());
        wizard.startPressed();
        EXPECT_TRUE(wizard.progressShown());
        EXPECT_FALSE(wizard.startButtonEnabled());
        wizard.timerFired();
        ASSERT_EQ(wizard.state(), State::Result);
        EXPECT_EQ(wizard.countdownText(), "30 sec");
    }

    Recorder out;
    PadtuneWizard wizard{out, out};
};

TEST_F(Padtune, AcceptedKeepsTheNewLevel)
{
    calibrate();
    wizard.timerFired();
    EXPECT_EQ(wizard.secondsLeft(), 29);
    wizard.acceptPressed();
    EXPECT_EQ(wizard.outcome(), Outcome::Kept);
    EXPECT_EQ(wizard.levelInForce(), 2);
    EXPECT_EQ(out.log, (Lines{"write 2", "post 255", "timer 10000", "timer 1000", "post 254"}));
}

TEST_F(Padtune, CountdownRunningOutRestoresLikeCancel)
{
    calibrate();
    for (int tick = 0; tick < 29; ++tick)
        wizard.timerFired();
    EXPECT_EQ(wizard.countdownText(), "1 sec");
    EXPECT_EQ(wizard.state(), State::Result);
    wizard.timerFired();
    EXPECT_EQ(wizard.outcome(), Outcome::Restored);
    EXPECT_EQ(wizard.levelInForce(), 0);
    EXPECT_EQ(out.log, (Lines{"write 2", "post 255", "timer 10000", "timer 1000", "write 0", "post 253"}));
    wizard.acceptPressed();  // the dialog is gone: nothing more is sent
    EXPECT_EQ(out.log.size(), 6u);
}

TEST_F(Padtune, StartCancelledBeforeOkStillDiscards)
{
    ASSERT_EQ(wizard.choose(3, 1), State::Starting);
    wizard.cancelPressed();
    EXPECT_EQ(wizard.outcome(), Outcome::Restored);
    EXPECT_EQ(wizard.levelInForce(), 3);
    EXPECT_EQ(out.log, (Lines{"write 1", "write 3", "post 253"}));
}

TEST_F(Padtune, NoMonitorSameLevelOrUnwritableFileSendNothing)
{
    EXPECT_EQ(wizard.choose(2, 2), State::Finished);
    EXPECT_EQ(wizard.outcome(), Outcome::Unchanged);
    EXPECT_EQ(wizard.choose(2, 4), State::Finished);
    EXPECT_EQ(wizard.outcome(), Outcome::Unchanged);
    EXPECT_TRUE(out.log.empty());

    out.monitor = false;
    EXPECT_EQ(wizard.choose(0, 3), State::Finished);
    EXPECT_EQ(wizard.outcome(), Outcome::ShownOnly);
    EXPECT_EQ(wizard.levelInForce(), 3);
    EXPECT_TRUE(out.log.empty());

    out.monitor = true;
    out.writable = false;
    EXPECT_EQ(wizard.choose(0, 3), State::Finished);
    EXPECT_EQ(wizard.outcome(), Outcome::NotWritten);
    EXPECT_EQ(wizard.levelInForce(), 0);
    EXPECT_EQ(out.log, (Lines{"write 3"}));
}

}  // namespace
}  // namespace option::core::test

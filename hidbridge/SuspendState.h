#pragma once
// Suspend and resume of the machine as the bridge follows them: while suspended
// the reader threads read nothing and arrivals are ignored; a resume reopens the
// devices once. Pure state, driven by the sleep watcher, tested on its own.

namespace hidbridge {

class SuspendState {
public:
    enum class Action {
        None,      // nothing to do
        Reopen,    // the machine woke up: run the reopen of monitoring now
    };

    // The machine is about to sleep.
    void suspend() { suspended_ = true; }

    // The machine woke up (or the suspend was cancelled). Reopen only once per
    // suspend, and never while a reopen is running.
    Action resume()
    {
        const bool wasSuspended = suspended_;
        suspended_ = false;
        if (!wasSuspended || reopening_) return Action::None;
        reopening_ = true;
        return Action::Reopen;
    }

    void reopenFinished() { reopening_ = false; }

    bool suspended() const { return suspended_; }
    bool reopening() const { return reopening_; }
    bool mayRead() const { return !suspended_; }
    bool acceptsArrivals() const { return !suspended_; }

private:
    bool suspended_ = false;
    bool reopening_ = false;
};

}  // namespace hidbridge

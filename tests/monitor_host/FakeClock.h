#pragma once
// A clock that never blocks: each wait moves the time to its deadline and is
// recorded with the number of injected events before it, so a test can read
// events and waits as one timeline. A hook runs inside chosen waits.

#include <functional>
#include <string>
#include <vector>

#include "monitor/host/Clock.h"
#include "tests/fakes/RecordingInjector.h"

namespace monitor::host::test {

class FakeClock : public Clock {
public:
    explicit FakeClock(const fakes::RecordingInjector& injector) : injector_(injector) {}

    MonotonicTime now() const override { return now_; }
    void sleepUntil(MonotonicTime deadline, StopSignal*) override
    {
        const auto ms = std::chrono::duration_cast<Milliseconds>(deadline - now_).count();
        waits_.push_back({injector_.events().size(), ms});
        if (deadline > now_) now_ = deadline;
        if (onWait) onWait(static_cast<int>(waits_.size()));
    }

    // Injected events and "wait N" in the order they happened.
    std::vector<std::string> timeline() const
    {
        const std::vector<std::string> events = injector_.log();
        std::vector<std::string> out;
        std::size_t next = 0;
        for (const auto& [eventsBefore, ms] : waits_) {
            while (next < eventsBefore && next < events.size()) out.push_back(events[next++]);
            out.push_back("wait " + std::to_string(ms));
        }
        while (next < events.size()) out.push_back(events[next++]);
        return out;
    }

    // Called after the n-th wait (from 1).
    std::function<void(int)> onWait;

private:
    const fakes::RecordingInjector& injector_;
    MonotonicTime now_{};
    std::vector<std::pair<std::size_t, long long>> waits_;
};

}  // namespace monitor::host::test

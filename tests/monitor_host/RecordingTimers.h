#pragma once
// A timer service that keeps which timers run with which period.

#include <map>

#include "monitor/host/TimerService.h"

namespace monitor::host::test {

class RecordingTimers : public TimerService {
public:
    void setTimer(TimerId id, std::uint32_t periodMs) override { running[id] = periodMs; }
    void killTimer(TimerId id) override { running.erase(id); }
    bool runs(TimerId id) const { return running.contains(id); }
    std::uint32_t period(TimerId id) const { return running.contains(id) ? running.at(id) : 0; }

    std::map<TimerId, std::uint32_t> running;
};

}  // namespace monitor::host::test

#pragma once
// Faults a test can put into the mouse. Each counts down as the reports it
// concerns go by; take...() answers whether the current report is hit.

#include <cstdint>
#include <optional>

namespace mousesim {

struct PendingFaults {
    std::uint32_t busyStatusReads = 0;
    std::uint32_t failedSets = 0;
    std::uint32_t failedGets = 0;
    bool badChecksum = false;
    std::optional<std::uint32_t> reportsBeforeUnplug;
};

class Faults {
public:
    void busyStatusReads(std::uint32_t count) { pending_.busyStatusReads = count; }
    void failSets(std::uint32_t count) { pending_.failedSets = count; }
    void failGets(std::uint32_t count) { pending_.failedGets = count; }
    void corruptNextChecksum() { pending_.badChecksum = true; }
    void unplugAfterReports(std::uint32_t count) { pending_.reportsBeforeUnplug = count; }

    bool takeBusyStatusRead();
    bool takeFailedSet();
    bool takeFailedGet();
    bool takeBadChecksum();
    // Counts one feature report; true when the mouse drops off the bus after it.
    bool countReportAndCheckUnplug();
    void clearUnplug() { pending_.reportsBeforeUnplug.reset(); }

    const PendingFaults& pending() const { return pending_; }

private:
    static bool takeOne(std::uint32_t& counter);
    PendingFaults pending_;
};

}  // namespace mousesim

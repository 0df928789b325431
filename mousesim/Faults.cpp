#include "mousesim/Faults.h"

namespace mousesim {

bool Faults::takeOne(std::uint32_t& counter) {
    if (counter == 0) return false;
    --counter;
    return true;
}

bool Faults::takeBusyStatusRead() { return takeOne(pending_.busyStatusReads); }
bool Faults::takeFailedSet() { return takeOne(pending_.failedSets); }
bool Faults::takeFailedGet() { return takeOne(pending_.failedGets); }

bool Faults::takeBadChecksum() {
    const bool hit = pending_.badChecksum;
    pending_.badChecksum = false;
    return hit;
}

bool Faults::countReportAndCheckUnplug() {
    if (!pending_.reportsBeforeUnplug) return false;
    std::uint32_t& left = *pending_.reportsBeforeUnplug;
    if (left > 0) --left;
    if (left > 0) return false;
    pending_.reportsBeforeUnplug.reset();
    return true;
}

}  // namespace mousesim

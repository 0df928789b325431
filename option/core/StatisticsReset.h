#pragma once
// Resetting the usage counters: the trophies stay; the monitor takes the block
// over without writing anything to the mouse.
#include "option/core/ApplicationCore.h"

namespace option::core {

struct StatisticsResetOutcome {
    bool written = false;      // InfoData in config.ini
    bool copiedOut = false;
    bool requestSent = false;
};

StatisticsResetOutcome resetStatistics(ApplicationCore& core);

}  // namespace option::core

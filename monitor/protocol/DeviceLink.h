#pragma once
// What every operation of the protocol works through: the shared feature device,
// the waits, and the abort flag the caller owns (set when the mouse goes away or
// the monitor closes during a device job).

#include <atomic>

#include "monitor/protocol/Pauser.h"
#include "monitor/protocol/SerializedFeatureDevice.h"

namespace monitor::protocol {

struct DeviceLink {
    SerializedFeatureDevice& device;
    Pauser& pauser;
    const std::atomic<bool>& abort;
};

}  // namespace monitor::protocol

#include "monitor/dispatch/ParleyCommands.h"

#include "monitor/dispatch/ParleyCommandNumbers.h"

namespace monitor::dispatch {
namespace {

constexpr std::uint8_t kUnchanged = protocol::kParleyUnchanged;

// Value 0 switches on, 1 off; anything else leaves the setting alone.
std::uint8_t onOffByte(platform::LParam value, std::uint8_t on)
{
    if (value == 0)
        return on;
    if (value == 1)
        return 0;
    return kUnchanged;
}

void toggleInterDeviceLock(MonitorServices& services)
{
    const int state = services.interDeviceLock() == 1 ? 0 : 1;
    services.setInterDeviceLock(state);
    services.writeParleyState(kUnchanged, static_cast<std::uint8_t>(state), kUnchanged);
}

}  // namespace

platform::LResult handleParleyCommand(MonitorServices& services, ParleySource source, platform::WParam command,
                                      platform::LParam value)
{
    using namespace parley_command;
    switch (command) {
    case kKeyToAll:
    case kKeyToDevice:
        services.writeParleyState(onOffByte(value, 1), kUnchanged, kUnchanged);
        break;
    case kLockToAll:
    case kLockToDevice:
        if (value == 0)
            toggleInterDeviceLock(services);
        break;
    default:
        if (source == ParleySource::StatusMessage && command >= kFirstProfileSelect &&
            command <= kLastProfileSelect)
            services.writeParleyState(kUnchanged, kUnchanged,
                                      onOffByte(value, static_cast<std::uint8_t>(command - kProfileSelectBase)));
        break;
    }
    return 0;
}

}  // namespace monitor::dispatch

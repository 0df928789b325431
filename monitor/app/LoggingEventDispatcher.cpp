#include "monitor/app/EventDispatcher.h"
#include "messages/MessageNumbers.h"
#include "platform/system/DebugOutput.h"

namespace monitor::app {
namespace {

class LoggingEventDispatcher final : public EventDispatcher {
public:
    explicit LoggingEventDispatcher(MonitorServices& services) : services_(services) {}

    void onDeviceEvent(std::uint32_t word) override
    {
        platform::debugPrintf("Device event %04X %04X\n", word >> 16, word & 0xFFFF);
    }

    platform::LResult onParleyCommand(ParleySource, platform::WParam command, platform::LParam value) override
    {
        platform::debugPrintf("Parley command %llu %lld\n", static_cast<unsigned long long>(command),
                              static_cast<long long>(value));
        return 0;
    }

    void onAmbientLight() override { platform::debugOutput("Parley ambient light\n"); }

    void onWebScroll(platform::WParam, platform::LParam) override {}

    void onTimer(std::uint32_t id) override
    {
        if (id != messages::timer::kGameSwitch)
            services_.killTimer(id);
    }

    void onShutdown() override
    {
        services_.killTimer(messages::timer::kKeyRepeat);
        services_.killTimer(messages::timer::kCountdown);
        for (const std::uint32_t id : messages::timer::kFeedbackTimers)
            services_.killTimer(id);
    }

private:
    MonitorServices& services_;
};

}  // namespace

std::unique_ptr<EventDispatcher> createLoggingEventDispatcher(MonitorServices& services)
{
    return std::make_unique<LoggingEventDispatcher>(services);
}

}  // namespace monitor::app

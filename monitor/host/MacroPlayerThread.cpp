#include "monitor/host/MacroPlayerThread.h"

#include <algorithm>

#include "platform/system/DebugOutput.h"
#include "platform/threads/ThreadTiming.h"
#include "settings/FunctionCodes.h"

namespace monitor::host {
namespace {

// Low among real-time priorities (RealtimeKit allows up to 20 by default), yet
// above every ordinary thread.
constexpr int kMacroPlayerPriority = 5;

}  // namespace

MacroPlayerThread::MacroPlayerThread(MacroPlayerState& state, MacroPlayer& player)
    : state_(state), player_(player), thread_([this](platform::MessageId message, platform::WParam, platform::LParam) {
          if (message == messages::kMacroRun) player_.play();
      })
{
}

bool MacroPlayerThread::start()
{
    return thread_.start([] {
        const platform::ThreadTimingGrant grant = platform::makeThreadTimingCritical(kMacroPlayerPriority);
        platform::debugPrintf("Macro player: real-time priority %d, timer slack %s\n", grant.priority,
                              grant.minimalTimerSlack ? "minimal" : "default");
    });
}

bool MacroPlayerThread::stop(std::chrono::milliseconds limit)
{
    state_.stop.request();
    return thread_.quit(limit);
}

void MacroControl::startOrStop(const settings::ButtonAssignment& slot)
{
    if (slot.FunctionCode != settings::kFunctionMacro || slot.MacroEventCount == 0) return;
    if (state_.busy) {
        state_.stop.request();
        return;
    }
    // Busy from here on, so a second press before the player has begun stops
    // this run instead of queuing another over the same buffer.
    state_.busy = true;
    const int count = std::min<int>(slot.MacroEventCount, settings::kMaxMacroEvents);
    std::copy_n(slot.MacroEvents, count, state_.events.begin());
    state_.eventCount = count;
    state_.loopCount = slot.MacroLoopCount <= 0 ? 1 : slot.MacroLoopCount;
    state_.stop.clear();
    state_.currentIndex = 0;
    if (!postRun_()) state_.busy = false;
}

}  // namespace monitor::host

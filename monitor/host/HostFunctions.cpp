#include "monitor/host/HostFunctions.h"

#include <algorithm>

#include "settings/ProfileFields.h"

namespace monitor::host {
namespace {

constexpr int kTiltRight = 1;
constexpr int kTiltLeft = 255;
// More steps than any TiltSpeed the settings offer; bounds a hostile count.
constexpr platform::WParam kMaxWebScrollCount = 100;

}  // namespace

HostFunctions::HostFunctions(HostServices& services, HostDesktop desktop, const settings::InstallFolder& folder)
    : services_(services), desktop_(std::move(desktop)), sounds_(folder, desktop_.soundPlayer),
      feedback_(services, services, sounds_), player_(macroState_, desktop_.injector, desktop_.clock),
      playerThread_(macroState_, player_), macros_(macroState_, [this] { return playerThread_.postRun(); }),
      shortcuts_(desktop_.injector, desktop_.clock, services), media_(desktop_.mediaPlayers),
      actions_(services, macros_, shortcuts_, feedback_, media_, desktop_.launcher),
      games_(services, services, feedback_, desktop_.foreground, desktop_.processes),
      treeView_(desktop_.windowTree),
      scrollOutput_(desktop_.windowTree, desktop_.injector, desktop_.windows, services.monitorWindow()),
      documentScroller_(desktop_.windowTree), scroller_(treeView_, scrollOutput_, services.monitorWindow())
{
}

HostFunctions::~HostFunctions() = default;

bool HostFunctions::start()
{
    return playerThread_.start();
}

bool HostFunctions::shutdown(std::chrono::milliseconds limit)
{
    feedback_.stopAll();
    // A shortcut still held when the monitor goes would leave its keys down.
    if (shortcuts_.held()) shortcuts_.release();
    services_.killTimer(kTimerShortcutRepeat);
    games_.stopWatching();
    return playerThread_.stop(limit);
}

bool HostFunctions::onTimer(TimerId id)
{
    if (id == kTimerGameWatch) {
        games_.watchTick();
        return true;
    }
    return actions_.onTimer(id) || feedback_.onTimer(id);
}

void HostFunctions::onWheelTilt(int tiltValue)
{
    if (tiltValue != kTiltRight && tiltValue != kTiltLeft) return;
    const settings::ProfileRecord* profile = settings::activeProfile(services_.block());
    if (profile == nullptr) return;
    scroller_.scroll(tiltValue == kTiltLeft ? TiltDirection::Left : TiltDirection::Right,
                     settings::usableValue(*profile, &settings::ProfileRecord::TiltSpeed));
}

void HostFunctions::onWebScroll(platform::WParam count, platform::LParam left)
{
    scroller_.scrollWebControl(documentScroller_, static_cast<int>(std::min(count, kMaxWebScrollCount)), left == 1);
}

}  // namespace monitor::host

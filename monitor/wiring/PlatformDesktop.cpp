#include "monitor/wiring/PlatformDesktop.h"

#include "platform/system/ShellOpen.h"
#include "settings/ConfigKeys.h"

namespace monitor::wiring {

std::unique_ptr<PlatformDesktop> PlatformDesktop::open()
{
    std::unique_ptr<PlatformDesktop> desktop(new PlatformDesktop);
    desktop->injector_ = platform::openInputInjector();
    if (!desktop->injector_)
        return nullptr;
    desktop->soundPlayer_ = platform::openSoundPlayer();
    desktop->mediaPlayers_ = platform::openMediaPlayers(*desktop->injector_);
    desktop->windowTree_ = platform::openWindowTree();
    desktop->foreground_ = platform::openForegroundProgram();
    desktop->processes_ = platform::openProcessList();
    if (!desktop->soundPlayer_ || !desktop->mediaPlayers_ || !desktop->windowTree_ || !desktop->foreground_ ||
        !desktop->processes_)
        return nullptr;
    return desktop;
}

host::HostDesktop PlatformDesktop::desktop()
{
    return host::HostDesktop{
        *injector_,
        *soundPlayer_,
        *mediaPlayers_,
        *windowTree_,
        *foreground_,
        *processes_,
        windows_,
        clock_,
        [](const std::string& path, const std::vector<std::string>& arguments) {
            return platform::startProgram(path, arguments);
        },
    };
}

}  // namespace monitor::wiring

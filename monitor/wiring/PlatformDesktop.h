#pragma once
// The real desktop of the host functions: the input injector (uinput or XTest), the sound
// player, the media players, the window tree, the foreground program, the
// process list, the platform's message windows and the steady clock.

#include <memory>

#include "monitor/host/HostFunctions.h"
#include "platform/desktop/ForegroundProgram.h"
#include "platform/desktop/ProcessList.h"
#include "platform/desktop/WindowTree.h"
#include "platform/input/InputInjector.h"

namespace monitor::wiring {

class PlatformDesktop {
public:
    // nullptr when a piece of the platform cannot be opened.
    static std::unique_ptr<PlatformDesktop> open();

    // Programs start through the platform; macro names go to the display's file.
    host::HostDesktop desktop(const settings::InstallFolder& folder);

    platform::InjectionMethod injectionMethod() const { return injector_->method(); }

private:
    PlatformDesktop() = default;

    std::unique_ptr<platform::InputInjector> injector_;
    std::unique_ptr<platform::SoundPlayer> soundPlayer_;
    std::unique_ptr<platform::MediaPlayers> mediaPlayers_;
    std::unique_ptr<platform::WindowTree> windowTree_;
    std::unique_ptr<platform::ForegroundProgram> foreground_;
    std::unique_ptr<platform::ProcessList> processes_;
    host::PlatformWindowMessenger windows_;
    host::SteadyClock clock_;
};

}  // namespace monitor::wiring

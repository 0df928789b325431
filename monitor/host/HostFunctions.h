#pragma once
// Everything the monitor's window needs of the host functions, in one object it
// owns: the button actions, scrolling, sound feedback and countdowns and the
// game-linked profiles (the on-screen display is the window's own). The window supplies the
// services below and forwards its timers 102, 500 and 600-610 to onTimer.

#include <chrono>
#include <memory>

#include "monitor/host/ActionEngine.h"
#include "monitor/host/Clock.h"
#include "monitor/host/GameProfileSwitch.h"
#include "monitor/host/HorizontalScroll.h"
#include "monitor/host/MacroPlayerThread.h"
#include "monitor/host/ProgramLauncher.h"
#include "monitor/host/PlatformScrolling.h"
#include "monitor/host/ProfileActivation.h"
#include "monitor/host/WavSoundOutput.h"
#include "monitor/host/WindowMessenger.h"
#include "platform/media/MediaPlayers.h"
#include "platform/sound/SoundPlayer.h"

namespace monitor::host {

// What the window provides: its block and profile switch, its timers.
class HostServices : public ProfileSwitchServices, public TimerService {
public:
    virtual platform::WindowHandle monitorWindow() const = 0;
};

// The desktop the host functions act on.
struct HostDesktop {
    platform::InputInjector& injector;
    platform::SoundPlayer& soundPlayer;
    platform::MediaPlayers& mediaPlayers;
    platform::WindowTree& windowTree;
    platform::ForegroundProgram& foreground;
    platform::ProcessList& processes;
    WindowMessenger& windows;
    Clock& clock;
    ProgramLauncher launcher;
};

class HostFunctions {
public:
    HostFunctions(HostServices& services, HostDesktop desktop, const settings::InstallFolder& folder);
    ~HostFunctions();

    // Starts the macro player's thread; false when it cannot run.
    bool start();
    // Stops every timer of the host functions and the player (which lets go of
    // its keys), waiting up to `limit` for it.
    bool shutdown(std::chrono::milliseconds limit);

    // Timers 102, 500, 600-610; false for others.
    bool onTimer(TimerId id);

    // Button action: slot + 1 (1-24) and the released flag.
    void onButtonAction(int slotNumber, bool released) { actions_.onButtonAction(slotNumber, released); }
    void launchProgram(int slotNumber) { actions_.launchProgram(slotNumber); }
    void onMediaFunction(std::uint8_t functionCode, bool released) { actions_.onMediaFunction(functionCode, released); }

    // Tilt value 1 scrolls right, 255 left; TiltSpeed of the active profile.
    void onWheelTilt(int tiltValue);
    // Message 1238: wParam count (bounded), lParam 1 for left.
    void onWebScroll(platform::WParam count, platform::LParam left);

    SoundFeedback& feedback() { return feedback_; }
    GameProfileSwitch& gameProfiles() { return games_; }
    bool makeProfileActive(int profile) { return host::makeProfileActive(services_, profile); }

private:
    HostServices& services_;
    HostDesktop desktop_;
    WavSoundOutput sounds_;
    SoundFeedback feedback_;
    MacroPlayerState macroState_;
    MacroPlayer player_;
    MacroPlayerThread playerThread_;
    MacroControl macros_;
    ShortcutKeys shortcuts_;
    MediaControl media_;
    ActionEngine actions_;
    GameProfileSwitch games_;
    PlatformWindowTreeView treeView_;
    PlatformScrollOutput scrollOutput_;
    ArrowKeyDocumentScroller documentScroller_;
    HorizontalScroll scroller_;
};

}  // namespace monitor::host

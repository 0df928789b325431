#pragma once
// Reaching the media players of the desktop: MPRIS players on the session bus
// and the desktop's media keys.

#include <memory>
#include <string>
#include <vector>

namespace platform {

class InputInjector;

enum class PlayerCommand { Next, Previous, PlayPause, Play, Pause, Stop };

enum class MediaKey { Next, Previous, PlayPause, Stop, VolumeUp, VolumeDown, Mute };

class MediaPlayers {
public:
    virtual ~MediaPlayers() = default;

    // The names of the running MPRIS players: what follows
    // "org.mpris.MediaPlayer2." in their bus names ("vlc", "rhythmbox"), sorted.
    virtual std::vector<std::string> runningPlayers() = 0;
    // Sends `command` to the running player `player`; false when it is not
    // running or did not answer.
    virtual bool sendCommand(const std::string& player, PlayerCommand command) = 0;
    // Brings the running player's window to the front (MPRIS Raise).
    virtual bool raise(const std::string& player) = 0;
    // Starts the player program `program` (a name looked up in PATH or a path),
    // detached; false when it is not installed.
    virtual bool startPlayer(const std::string& program) = 0;
    // Presses and releases the desktop's media key (XF86Audio keys), which the
    // desktop routes to the active player.
    virtual bool pressMediaKey(MediaKey key) = 0;
};

// The players on the session bus; the media keys go through `injector`, which
// must outlive the result. Without a session bus no player is running.
std::unique_ptr<MediaPlayers> openMediaPlayers(InputInjector& injector);

}  // namespace platform

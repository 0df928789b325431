#pragma once
// The media-player buttons: open the player chosen by the profile's
// MediaOption, or send it previous, next, play/pause or stop. On this desktop
// the choices stand for: 0 the desktop's own media keys (routed to whichever
// player is active), 1 Rhythmbox, 2 VLC, 3 Audacious; the named players are
// reached over MPRIS, started when not running.

#include <cstdint>

#include "platform/media/MediaPlayers.h"

namespace monitor::host {

// The mouse's media codes and their internal command numbers.
inline constexpr int kCommandPreviousTrack = 4099;
inline constexpr int kCommandNextTrack = 4098;
inline constexpr int kCommandPlayPause = 4100;
inline constexpr int kCommandStop = 4101;

// The command number of function codes 33-36; 0 for other codes.
int mediaCommandOfFunction(std::uint8_t functionCode);

class MediaControl {
public:
    explicit MediaControl(platform::MediaPlayers& players) : players_(players) {}

    // Function codes 32-36 on press; other codes and releases do nothing.
    void onMediaFunction(std::uint8_t functionCode, bool released, int mediaOption);

    void openPlayer(int mediaOption);
    void sendCommand(int mediaOption, int command);

private:
    platform::MediaPlayers& players_;
    // The player that alternates play and pause by itself (option 3).
    bool playing_ = false;
};

}  // namespace monitor::host

#pragma once
// The player dialog's choices: the profile's `MediaOption` 0-3 by the players
// the monitor drives on this desktop (see monitor/host/MediaControl.h). The
// stored values are those of the profile files; only the names are this
// desktop's.
#include <array>
#include <optional>
#include <string_view>

namespace option::core {

inline constexpr std::array<std::string_view, 4> kPlayerNames = {
    "Desktop media keys",  // 0: whichever player the desktop routes media keys to
    "Rhythmbox",           // 1
    "VLC media player",    // 2
    "Audacious",           // 3
};

// The menu's commands 1001-1004 stand for players 0-3.
inline constexpr int kFirstPlayerCommand = 1001;

// The name on the dialog's button; "" for a value that is no player.
constexpr std::string_view playerName(int mediaOption)
{
    return mediaOption >= 0 && mediaOption < static_cast<int>(kPlayerNames.size()) ? kPlayerNames[mediaOption] : "";
}

constexpr std::optional<int> playerOfCommand(int command)
{
    const int player = command - kFirstPlayerCommand;
    if (player < 0 || player >= static_cast<int>(kPlayerNames.size()))
        return std::nullopt;
    return player;
}

}  // namespace option::core

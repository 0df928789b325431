#include "monitor/host/MediaControl.h"

#include <array>
#include <string>

#include "settings/FunctionCodes.h"

namespace monitor::host {
namespace {

constexpr int kOptionDesktopKeys = 0;
constexpr int kOptionAlternatingPlayer = 3;

struct NamedPlayer {
    const char* mprisName;
    const char* program;
};

constexpr std::array<NamedPlayer, 4> kPlayers{{
    {"", ""},
    {"rhythmbox", "rhythmbox"},
    {"vlc", "vlc"},
    {"audacious", "audacious"},
}};

bool isNamedPlayer(int option)
{
    return option > kOptionDesktopKeys && option < static_cast<int>(kPlayers.size());
}

}  // namespace

int mediaCommandOfFunction(std::uint8_t code)
{
    switch (code) {
    case settings::kFunctionPreviousTrack: return kCommandPreviousTrack;
    case settings::kFunctionNextTrack: return kCommandNextTrack;
    case settings::kFunctionPlayPause: return kCommandPlayPause;
    case settings::kFunctionStop: return kCommandStop;
    default: return 0;
    }
}

void MediaControl::onMediaFunction(std::uint8_t code, bool released, int mediaOption)
{
    if (released) return;
    if (code == settings::kFunctionOpenPlayer) {
        openPlayer(mediaOption);
        return;
    }
    if (const int command = mediaCommandOfFunction(code)) sendCommand(mediaOption, command);
}

void MediaControl::openPlayer(int option)
{
    if (option == kOptionDesktopKeys) {
        const auto running = players_.runningPlayers();
        if (!running.empty()) players_.raise(running.front());
        return;
    }
    if (!isNamedPlayer(option)) return;
    const NamedPlayer& player = kPlayers[static_cast<std::size_t>(option)];
    if (!players_.raise(player.mprisName)) players_.startPlayer(player.program);
}

void MediaControl::sendCommand(int option, int command)
{
    if (option == kOptionDesktopKeys) {
        switch (command) {
        case kCommandPreviousTrack: players_.pressMediaKey(platform::MediaKey::Previous); break;
        case kCommandNextTrack: players_.pressMediaKey(platform::MediaKey::Next); break;
        case kCommandPlayPause: players_.pressMediaKey(platform::MediaKey::PlayPause); break;
        case kCommandStop: players_.pressMediaKey(platform::MediaKey::Stop); break;
        default: break;
        }
        return;
    }
    if (!isNamedPlayer(option)) return;
    const std::string name = kPlayers[static_cast<std::size_t>(option)].mprisName;
    switch (command) {
    case kCommandPreviousTrack: players_.sendCommand(name, platform::PlayerCommand::Previous); break;
    case kCommandNextTrack: players_.sendCommand(name, platform::PlayerCommand::Next); break;
    case kCommandStop: players_.sendCommand(name, platform::PlayerCommand::Stop); break;
    case kCommandPlayPause:
        if (option == kOptionAlternatingPlayer) {
            players_.sendCommand(name, playing_ ? platform::PlayerCommand::Pause : platform::PlayerCommand::Play);
            playing_ = !playing_;
        } else {
            players_.sendCommand(name, platform::PlayerCommand::PlayPause);
        }
        break;
    default: break;
    }
}

}  // namespace monitor::host

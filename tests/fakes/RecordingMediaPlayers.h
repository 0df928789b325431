#pragma once
// MediaPlayers with players the test declares running or installed, recording
// what is sent to them.

#include "platform/media/MediaPlayers.h"

#include <algorithm>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace fakes {

class RecordingMediaPlayers : public platform::MediaPlayers {
public:
    struct Command {
        std::string player;
        platform::PlayerCommand command = platform::PlayerCommand::PlayPause;
        friend bool operator==(const Command&, const Command&) = default;
    };

    std::vector<std::string> runningPlayers() override
    {
        std::lock_guard lock(mutex_);
        return {running_.begin(), running_.end()};
    }

    bool sendCommand(const std::string& player, platform::PlayerCommand command) override
    {
        std::lock_guard lock(mutex_);
        if (!running_.contains(player)) return false;
        commands_.push_back({player, command});
        return true;
    }

    bool raise(const std::string& player) override
    {
        std::lock_guard lock(mutex_);
        if (!running_.contains(player)) return false;
        raised_.push_back(player);
        return true;
    }

    bool startPlayer(const std::string& program) override
    {
        std::lock_guard lock(mutex_);
        if (!installed_.contains(program)) return false;
        started_.push_back(program);
        return true;
    }

    bool pressMediaKey(platform::MediaKey key) override
    {
        std::lock_guard lock(mutex_);
        keys_.push_back(key);
        return true;
    }

    void setRunning(std::set<std::string> players)
    {
        std::lock_guard lock(mutex_);
        running_ = std::move(players);
    }
    void setInstalled(std::set<std::string> programs)
    {
        std::lock_guard lock(mutex_);
        installed_ = std::move(programs);
    }

    std::vector<Command> commands() const { return copy(commands_); }
    std::vector<std::string> raised() const { return copy(raised_); }
    std::vector<std::string> started() const { return copy(started_); }
    std::vector<platform::MediaKey> keys() const { return copy(keys_); }

private:
    template <typename T>
    T copy(const T& value) const
    {
        std::lock_guard lock(mutex_);
        return value;
    }

    mutable std::mutex mutex_;
    std::set<std::string> running_;
    std::set<std::string> installed_;
    std::vector<Command> commands_;
    std::vector<std::string> raised_;
    std::vector<std::string> started_;
    std::vector<platform::MediaKey> keys_;
};

}  // namespace fakes

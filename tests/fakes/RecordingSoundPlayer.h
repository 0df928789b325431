#pragma once
// A SoundPlayer that keeps the sounds it is asked to play.

#include "platform/sound/SoundPlayer.h"

#include <mutex>
#include <vector>

namespace fakes {

class RecordingSoundPlayer : public platform::SoundPlayer {
public:
    void play(platform::SoundClip clip) override
    {
        std::lock_guard lock(mutex_);
        played_.push_back(std::move(clip));
    }

    void stop() override
    {
        std::lock_guard lock(mutex_);
        ++stops_;
    }

    std::vector<platform::SoundClip> played() const
    {
        std::lock_guard lock(mutex_);
        return played_;
    }

    int stops() const
    {
        std::lock_guard lock(mutex_);
        return stops_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<platform::SoundClip> played_;
    int stops_ = 0;
};

}  // namespace fakes

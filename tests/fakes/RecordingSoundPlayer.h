#pragma once
// A SoundPlayer that keeps the files it is asked to play.

#include "platform/sound/SoundPlayer.h"

#include <cstdint>
#include <mutex>
#include <vector>

namespace fakes {

class RecordingSoundPlayer : public platform::SoundPlayer {
public:
    void play(std::vector<std::uint8_t> wavFile) override
    {
        std::lock_guard lock(mutex_);
        played_.push_back(std::move(wavFile));
    }

    void stop() override
    {
        std::lock_guard lock(mutex_);
        ++stops_;
    }

    std::vector<std::vector<std::uint8_t>> played() const
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
    std::vector<std::vector<std::uint8_t>> played_;
    int stops_ = 0;
};

}  // namespace fakes

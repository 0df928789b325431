#pragma once
// The monitor's own settings block. The window thread owns it and reads it
// freely; its changes, and the device worker's snapshots, take the mutex, so a
// job always starts from a whole block.

#include <functional>
#include <memory>
#include <mutex>

#include "settings/SettingsBlock.h"

namespace monitor::app {

class PrivateBlock {
public:
    PrivateBlock() : block_(std::make_unique<settings::SettingsBlock>()) {}

    // Window thread only.
    const settings::SettingsBlock& get() const { return *block_; }
    void modify(const std::function<void(settings::SettingsBlock&)>& change)
    {
        const std::lock_guard held(mutex_);
        change(*block_);
    }

    // Any thread.
    std::unique_ptr<settings::SettingsBlock> snapshot() const
    {
        const std::lock_guard held(mutex_);
        return std::make_unique<settings::SettingsBlock>(*block_);
    }

private:
    mutable std::mutex mutex_;
    std::unique_ptr<settings::SettingsBlock> block_;
};

}  // namespace monitor::app

#pragma once
// The monitor's own settings block. The window thread owns it and reads it
// freely; its changes, and the device worker's snapshots, take the mutex, so a
// job always starts from a whole block.
//
// A whole-device read works on a snapshot for seconds while the window thread
// goes on changing the block (statistics, the mouse's profile and CPI changes,
// the application's requests). The block remembers which of its 32-bit words
// changed since each read's snapshot, so the read's result is taken only where
// the window thread left the block alone.

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "settings/SettingsBlock.h"

namespace monitor::app {

class PrivateBlock {
public:
    using ReadId = std::uint64_t;
    struct ReadSnapshot {
        ReadId id = 0;
        std::unique_ptr<settings::SettingsBlock> block;
    };

    PrivateBlock() : block_(std::make_unique<settings::SettingsBlock>()) {}

    // Window thread only.
    const settings::SettingsBlock& get() const { return *block_; }
    void modify(const std::function<void(settings::SettingsBlock&)>& change);

    // Any thread.
    std::unique_ptr<settings::SettingsBlock> snapshot() const;

    // Any thread: a snapshot to read into; the block's changes are remembered
    // from now on until the read is merged or dropped.
    ReadSnapshot snapshotForRead();
    // Window thread: every word of `read` that differs from the snapshot goes
    // into the block, unless the block changed that word since the snapshot.
    // False (nothing taken) for an unknown id.
    bool mergeRead(ReadId id, const settings::SettingsBlock& read);
    // Any thread: the read failed; its snapshot is forgotten.
    void dropRead(ReadId id);

private:
    struct OpenRead {
        ReadId id;
        std::unique_ptr<settings::SettingsBlock> base;
        std::vector<bool> changedWords;
    };

    void rememberChanges(const settings::SettingsBlock& before);

    mutable std::mutex mutex_;
    std::unique_ptr<settings::SettingsBlock> block_;
    ReadId nextReadId_ = 1;
    std::vector<OpenRead> openReads_;
};

}  // namespace monitor::app

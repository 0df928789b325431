#pragma once
// The settings block shared with the configuration application: a named section
// of exactly one SettingsBlock and the named lock that guards it. The block only
// ever moves whole, under the lock.

#include <memory>
#include <mutex>

#include "platform/shared/NamedLock.h"
#include "platform/shared/SharedSection.h"
#include "settings/SettingsBlock.h"

namespace monitor::app {

class SharedBlock {
public:
    enum class CreateResult { Created, LockExisted, LockFailed };

    // The monitor's side: creates the lock (refused when another process has it)
    // and then the section. The monitor runs without the section when it cannot
    // be created; copies then do nothing and fail.
    CreateResult create();

    // The application's side: opens both; false when the monitor does not run.
    bool open();

    bool hasSection() const
    {
        const std::lock_guard handles(handles_);
        return section_ != nullptr;
    }

    // Section to block, and block to section, each in one piece under the lock.
    // False, with nothing copied, without a section or when the lock wait fails.
    bool copyIn(settings::SettingsBlock& block) const;
    bool copyOut(const settings::SettingsBlock& block);

    // Unmaps the section (removing it when this side created it), then closes the lock.
    void close();

private:
    // The device worker publishes while the window thread may close.
    mutable std::mutex handles_;
    std::unique_ptr<platform::NamedLock> lock_;
    std::unique_ptr<platform::SharedSection> section_;
};

}  // namespace monitor::app

#include "monitor/app/SharedBlock.h"

#include <cstring>

#include "messages/MessageNumbers.h"

namespace monitor::app {

SharedBlock::CreateResult SharedBlock::create()
{
    const std::lock_guard handles(handles_);
    bool existed = false;
    lock_ = platform::NamedLock::create(messages::kSettingsLockName, &existed);
    if (!lock_)
        return CreateResult::LockFailed;
    if (existed) {
        lock_.reset();
        return CreateResult::LockExisted;
    }
    section_ = platform::SharedSection::create(messages::kSharedSectionName, settings::kSettingsBlockSize);
    return CreateResult::Created;
}

bool SharedBlock::open()
{
    const std::lock_guard handles(handles_);
    lock_ = platform::NamedLock::open(messages::kSettingsLockName);
    section_ = platform::SharedSection::open(messages::kSharedSectionName, settings::kSettingsBlockSize);
    if (lock_ && section_)
        return true;
    section_.reset();
    lock_.reset();
    return false;
}

bool SharedBlock::copyIn(settings::SettingsBlock& block) const
{
    const std::lock_guard handles(handles_);
    if (!section_ || !lock_)
        return false;
    const platform::NamedLockGuard held(*lock_);
    if (!held.held())
        return false;
    std::memcpy(&block, section_->data(), settings::kSettingsBlockSize);
    return true;
}

bool SharedBlock::copyOut(const settings::SettingsBlock& block)
{
    const std::lock_guard handles(handles_);
    if (!section_ || !lock_)
        return false;
    const platform::NamedLockGuard held(*lock_);
    if (!held.held())
        return false;
    std::memcpy(section_->data(), &block, settings::kSettingsBlockSize);
    return true;
}

void SharedBlock::close()
{
    const std::lock_guard handles(handles_);
    section_.reset();
    lock_.reset();
}

}  // namespace monitor::app

#include "option/core/EditorsLock.h"

#include "messages/MessageNumbers.h"
#include "platform/system/DebugOutput.h"

namespace option::core {

EditorsLock::EditorsLock() : lock_(platform::NamedLock::create(messages::kEditorsLockName))
{
    held_ = lock_ && lock_->lock();
    if (!held_)
        platform::debugOutput("EditorsLock: the editors' lock cannot be taken\n");
}

EditorsLock::~EditorsLock()
{
    if (held_)
        lock_->unlock();
}

}  // namespace option::core

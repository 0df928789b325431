#include "option/core/MonitorLink.h"

#include <cstring>

#include "messages/MessageNumbers.h"
#include "platform/windows/MessageWindow.h"

namespace option::core {

bool MonitorLink::open()
{
    lock_ = platform::NamedLock::open(messages::kSettingsLockName);
    section_ = platform::SharedSection::open(messages::kSharedSectionName, settings::kSettingsBlockSize);
    return section_ != nullptr;
}

bool MonitorLink::copyIn(settings::SettingsBlock& block) const
{
    if (!section_ || !lock_)
        return false;
    const platform::NamedLockGuard guard(*lock_);
    if (!guard.held())
        return false;
    std::memcpy(&block, section_->data(), sizeof block);
    return true;
}

bool MonitorLink::copyOut(const settings::SettingsBlock& block)
{
    if (!section_ || !lock_)
        return false;
    const platform::NamedLockGuard guard(*lock_);
    if (!guard.held())
        return false;
    std::memcpy(section_->data(), &block, sizeof block);
    return true;
}

bool MonitorLink::monitorWindowExists()
{
    return platform::findWindow(messages::kMonitorWindowTitle) != 0;
}

std::optional<platform::LResult> MonitorLink::send(platform::MessageId message, platform::WParam wParam)
{
    const platform::WindowHandle window = platform::findWindow(messages::kMonitorWindowTitle);
    if (window == 0)
        return std::nullopt;
    return platform::sendMessage(window, message, wParam, 0);
}

}  // namespace option::core

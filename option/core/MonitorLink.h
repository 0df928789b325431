#pragma once
// The application's side of the monitor: the shared section and its lock, and the
// messages sent to the monitor's window, found by its title at every send.
#include <memory>
#include <optional>

#include "platform/Types.h"
#include "platform/shared/NamedLock.h"
#include "platform/shared/SharedSection.h"
#include "settings/SettingsBlock.h"

namespace option::core {

class MonitorLink {
public:
    // Opens the lock and the section; false when the monitor does not run (or its
    // section cannot be mapped). Without them every copy fails and does nothing.
    bool open();
    bool hasSection() const { return section_ != nullptr; }

    // The whole block in one piece under the lock; false, with nothing copied,
    // without the section or when the lock wait fails.
    bool copyIn(settings::SettingsBlock& block) const;
    bool copyOut(const settings::SettingsBlock& block);

    static bool monitorWindowExists();
    // Sends synchronously and returns what the monitor's window answered (0 when
    // the monitor died during the call); nullopt, with nothing sent, when the
    // window does not exist.
    static std::optional<platform::LResult> send(platform::MessageId message, platform::WParam wParam);

private:
    std::unique_ptr<platform::NamedLock> lock_;
    std::unique_ptr<platform::SharedSection> section_;
};

}  // namespace option::core

#include "monitor/wiring/WindowHostServices.h"

#include "messages/MessageNumbers.h"
#include "monitor/app/ParleyLink.h"
#include "platform/windows/MessageWindow.h"
#include "settings/PointerRegistry.h"

namespace monitor::wiring {

void WindowHostServices::releaseInterDeviceLock()
{
    // Registering the name again gives the number the window registered at start-up.
    window_.parley().releaseInterDeviceLock(platform::registerWindowMessage(
        messages::kRegisteredMessageNames[messages::kActiveStatusToParleyIndex]));
}

void WindowHostServices::setCurrentProfile(int profile)
{
    window_.modifyBlock([profile](settings::SettingsBlock& block) { block.CurrentProfile = profile; });
}

void WindowHostServices::sendActiveProfileToMouse()
{
    window_.postWorkerJob(messages::worker_job::kWriteActiveProfile, 0);
}

void WindowHostServices::writePointerRegistry()
{
    if (const settings::ProfileRecord* profile = settings::activeProfile(window_.block()))
        settings::profileToRegistry(*profile);
}

bool WindowHostServices::applicationWindowExists() const
{
    return platform::findWindow(messages::kOptionWindowTitle) != 0;
}

void WindowHostServices::notifyApplicationProfileChanged()
{
    if (const platform::WindowHandle application = platform::findWindow(messages::kOptionWindowTitle))
        platform::postMessage(application, messages::kProfileSwitched, 0, 0);
}

void WindowHostServices::sendCpiLevelsToParley()
{
    window_.parley().sendCpiLevels(window_.block());
}

}  // namespace monitor::wiring

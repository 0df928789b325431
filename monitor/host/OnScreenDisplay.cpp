#include "monitor/host/OnScreenDisplay.h"

#include "settings/FixedText.h"
#include "settings/FunctionCodes.h"

namespace monitor::host {
namespace {

constexpr int kFirstMacroEventValue = 3;
constexpr int kLastMacroEventValue = 8;


}  // namespace

OnScreenDisplay::OnScreenDisplay(settings::InstallFolder folder, WindowMessenger& windows, ProgramLauncher launcher,
                                 MacroNameWriter writeMacroName)
    : folder_(std::move(folder)), windows_(windows), launcher_(std::move(launcher)),
      writeMacroName_(std::move(writeMacroName))
{
}

bool OnScreenDisplay::launch()
{
    return launcher_ && launcher_(folder_.file(kDisplayProgram), {});
}

void OnScreenDisplay::reloadSettings(const settings::OsdSettings& osd)
{
    settings_ = osd;
    const platform::WindowHandle display = windows_.findWindow(messages::kOsdWindowTitle);
    if (display == 0) return;
    const auto values = (static_cast<platform::LParam>(settings_.wordA()) << 16) | settings_.wordB();
    windows_.postMessage(display, messages::kOsdSettingsChanged, 0, values);
}

bool OnScreenDisplay::showMacroName(const settings::SettingsBlock& block, int eventValue)
{
    if (!settings_.showsMacroNames()) return false;
    if (eventValue < kFirstMacroEventValue || eventValue > kLastMacroEventValue) return false;
    const settings::ProfileRecord* profile = settings::activeProfile(block);
    if (profile == nullptr) return false;
    const int slot = eventValue - kFirstMacroEventValue;
    const settings::ButtonAssignment& assignment = profile->MacroKeyInfo[slot];
    if (assignment.FunctionCode != settings::kFunctionMacro) return false;
    if (writeMacroName_) writeMacroName_(slot, settings::fieldText(assignment.MacroName));
    const platform::WindowHandle display = windows_.findWindow(messages::kOsdWindowTitle);
    if (display != 0) windows_.postMessage(display, messages::kOsdShow, messages::kOsdShowMacroName, 0);
    return true;
}

void OnScreenDisplay::closeDisplayWindows()
{
    if (const platform::WindowHandle window = windows_.findWindow(messages::kOsdWindowTitle))
        windows_.postMessage(window, platform::WM_CLOSE, 0, 0);
    for (const char* title : messages::kOsdAuxiliaryWindowTitles) {
        if (const platform::WindowHandle window = windows_.findWindow(title))
            windows_.postMessage(window, platform::WM_CLOSE, 0, 0);
    }
}

}  // namespace monitor::host

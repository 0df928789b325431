#include "monitor/host/OnScreenDisplay.h"

#include <array>

#include "settings/FixedText.h"
#include "settings/FunctionCodes.h"

namespace monitor::host {
namespace {

constexpr int kFirstMacroEventValue = 3;
constexpr int kLastMacroEventValue = 8;

constexpr std::array<const char*, 4> kDisplayWindowTitles{
    kDisplayWindowTitle,
    "VANTRO Zuro Vell Lumic Noxa Edition Pop3",
    "VANTRO Zuro Vell Lumic Noxa Edition CPU RAM",
    "VANTRO Zuro Vell Lumic Noxa Edition OSD SKYPE",
};

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
    const platform::WindowHandle display = windows_.findWindow(kDisplayWindowTitle);
    if (display == 0) return;
    const auto values = (static_cast<platform::LParam>(settings_.wordA()) << 16) | settings_.wordB();
    windows_.postMessage(display, kMessageDisplaySettings, 0, values);
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
    const platform::WindowHandle display = windows_.findWindow(kDisplayWindowTitle);
    if (display != 0) windows_.postMessage(display, kMessageDisplayShow, kDisplayShowMacroName, 0);
    return true;
}

void OnScreenDisplay::closeDisplayWindows()
{
    for (const char* title : kDisplayWindowTitles) {
        if (const platform::WindowHandle window = windows_.findWindow(title))
            windows_.postMessage(window, platform::WM_CLOSE, 0, 0);
    }
}

}  // namespace monitor::host

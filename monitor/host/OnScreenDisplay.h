#pragma once
// The separate on-screen display program: started with the monitor, told its
// settings after each reload, shown the name of a macro the mouse plays, and
// closed with the monitor.

#include <functional>
#include <string>
#include <vector>

#include "messages/MessageNumbers.h"
#include "monitor/host/ProgramLauncher.h"
#include "monitor/host/WindowMessenger.h"
#include "settings/ConfigKeys.h"
#include "settings/InstallFolder.h"
#include "settings/SettingsBlock.h"

namespace monitor::host {

inline constexpr const char* kDisplayProgram = "ZuroVellMorrowOSD.exe";

class OnScreenDisplay {
public:
    // Writes the macro's number and name where the display program reads them.
    using MacroNameWriter = std::function<bool(int number, std::string_view name)>;

    OnScreenDisplay(settings::InstallFolder folder, WindowMessenger& windows, ProgramLauncher launcher,
                    MacroNameWriter writeMacroName);

    bool launch();
    // At start: the settings without a message.
    void setSettings(const settings::OsdSettings& osd) { settings_ = osd; }
    // After a reload: keeps them and passes the display its two values.
    void reloadSettings(const settings::OsdSettings& osd);
    // The mouse's macro notification (event value 3-8 names slot value - 3);
    // true when the display was told to show the slot's macro name.
    bool showMacroName(const settings::SettingsBlock& block, int eventValue);
    // At the monitor's exit.
    void closeDisplayWindows();

private:
    settings::InstallFolder folder_;
    WindowMessenger& windows_;
    ProgramLauncher launcher_;
    MacroNameWriter writeMacroName_;
    settings::OsdSettings settings_;
};

}  // namespace monitor::host

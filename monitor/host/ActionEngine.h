#pragma once
// What a mouse button does on the computer, by the function code of its slot in
// the active profile: key shortcuts, macros, countdown start and stop, program
// launch and media-player commands.

#include <cstdint>
#include "monitor/host/BlockReader.h"
#include "monitor/host/MacroPlayerThread.h"
#include "monitor/host/MediaControl.h"
#include "monitor/host/ProgramLauncher.h"
#include "monitor/host/ShortcutKeys.h"
#include "monitor/host/SoundFeedback.h"

namespace monitor::host {

class ActionEngine {
public:
    ActionEngine(const BlockReader& settings, MacroControl& macros, ShortcutKeys& shortcuts, SoundFeedback& feedback,
                 MediaControl& media, ProgramLauncher launcher)
        : settings_(settings), macros_(macros), shortcuts_(shortcuts), feedback_(feedback), media_(media),
          launcher_(std::move(launcher)) {}

    // `slotNumber` is the settings slot + 1 (1-24); others are ignored.
    void onButtonAction(int slotNumber, bool released);
    // Opens the slot's program path when its function code is 15.
    void launchProgram(int slotNumber);
    // Function codes 32-39 with the release flag.
    void onMediaFunction(std::uint8_t functionCode, bool released);
    // Timer 102; false for any other id.
    bool onTimer(TimerId id);

private:
    const settings::ButtonAssignment* slotOfActiveProfile(int slotNumber) const;

    const BlockReader& settings_;
    MacroControl& macros_;
    ShortcutKeys& shortcuts_;
    SoundFeedback& feedback_;
    MediaControl& media_;
    ProgramLauncher launcher_;
};

}  // namespace monitor::host

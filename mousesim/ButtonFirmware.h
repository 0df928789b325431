#pragma once
// The mouse's firmware for its buttons: what a press or release of a device
// button does, by the function code the button has in the active profile.
//
// Behaviour chosen for this mouse:
// - Buttons 0-8 are physical. While a button with the Dualkey code (65) is
//   held, a physical button b acts with the function of entry b + 9. Pressing
//   entry 9-17 directly acts as physical button N - 9 pressed in that layer. A
//   release acts with the entry and function its press used, even when the
//   Dualkey button was let go or the profile changed in between, so the host
//   always hears the release of what it saw pressed. A second press of a held
//   physical button is ignored.
// - Macro, shortcut, timer and stop-timer buttons send 0x90 with button + 1 on
//   press (high byte 0) and release (high byte 1); program launch sends 0x60
//   with button + 1 on press; media codes 32-39 send 0xF0 with the code on press
//   and release, volume up and down also 0x1B (1 or 255) on press; tilt codes
//   send 0x10 (right 1, left 255) and Open Driver 0xA0 1 on press; Parley codes
//   81-84 send 0xFF with button + 1 on press and release.
// - Profile cycle and up step to the next profile (4 wraps to 0), down to the
//   previous (0 wraps to 4); the mouse makes it active at once (a following
//   read of report 5 answers it) and sends 0x20 with profile + 1.
// - CPI cycle steps to the next enabled level and wraps; up and down stop at
//   the highest and lowest enabled level. The mouse stores the level in the
//   active profile and sends 0xB0 with level + 1, also when it stayed the same.
//   With no level enabled nothing happens.
// - Sensitivity (1-11) cycle wraps 11 to 1; up and down stop at 11 and 1. Both
//   sensitivity bytes take the new value; 0xC0 carries it in the low byte and,
//   when the profile has separate axes, again in the high byte.
// - Every press of physical buttons 0-6 counts as a click: the mouse sends
//   statistics event 0xE1 + button with value 1 after the button's own events.
// - All other codes (clicks, scrolling, forward, back, CPI pinpoint, rollmodes,
//   Dualkey itself) are plain mouse input and send no event report.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "mousesim/EventReport.h"
#include "mousesim/MouseMemory.h"

namespace mousesim {

class ButtonFirmware {
public:
    explicit ButtonFirmware(MouseMemory& memory);

    struct Outcome {
        bool handled = false;  // false: no such button, already held or not held
        std::vector<EventReport> events;
        bool memoryChanged = false;
    };
    Outcome press(std::uint8_t button);
    Outcome release(std::uint8_t button);
    // Power loss: every button counts as released, without events.
    void releaseAll();

    bool isHeld(std::uint8_t physicalButton) const;
    bool dualkeyHeld() const;

private:
    void pressFunction(std::uint8_t entry, std::uint8_t code, Outcome& out);
    void releaseFunction(std::uint8_t entry, std::uint8_t code, Outcome& out);
    void stepProfile(std::uint8_t code, Outcome& out);
    void stepCpiLevel(std::uint8_t code, Outcome& out);
    void stepSensitivity(std::uint8_t code, Outcome& out);
    const ButtonEntry& entryOfActiveProfile(std::uint8_t entry) const;

    struct HeldButton {
        std::uint8_t entry = 0;  // the table entry its press acted with
        std::uint8_t code = 0;   // and that entry's function code then
    };

    MouseMemory& memory_;
    std::array<std::optional<HeldButton>, kPhysicalButtonCount> held_{};
};

}  // namespace mousesim

#pragma once
// The application's start-up, window-free part: where the settings come from and
// the stores that the button functions draw on.
#include "option/core/ApplicationCore.h"

namespace option::core {

enum class SettingsSource {
    Monitor,   // copied from the monitor's section
    Files,     // config.ini and the profile files
    Defaults,  // the files could not be read
};

// Fills the applied block from the monitor's section or, without one, from the
// files (defaults when that fails); loads the macro and timer stores; copies the
// applied block into the working block; brings the macro store into line with
// the profiles and saves it; reads the Parley device list.
SettingsSource startUp(ApplicationCore& core);

}  // namespace option::core

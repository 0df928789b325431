#pragma once
// Asks whether a profile slot becomes the Windows profile, the one the monitor
// returns to when no linked game is in the foreground; shows the slot's number.
#include "option/app/SkinDialog.h"

namespace option::app {

class WindowsProfileDialog final : public SkinDialog {
    Q_OBJECT
public:
    // `slotNumber` as the user counts slots, 1-5.
    WindowsProfileDialog(QWidget* parent, int slotNumber);
};

}  // namespace option::app

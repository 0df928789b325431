#pragma once
// The profile dialog of Create and Edit: the profile's name (at most 20
// characters) and up to three game programs, each with a browse button. While
// one of these programs is in the foreground the monitor switches to the profile;
// a program is matched by its executable's file name.
#include <array>

#include "option/app/SkinDialog.h"
#include "option/core/SlotDisplay.h"

namespace option::skin {
class BitmapEdit;
}

namespace option::app {

class SystemDialogs;

class ProfileDialog final : public SkinDialog {
    Q_OBJECT
public:
    // Fields filled from `identity` (empty fields to create a profile).
    ProfileDialog(QWidget* parent, SystemDialogs& dialogs, const core::ProfileIdentity& identity);

    // The fields as they stand; taken when the dialog ends with OK.
    core::ProfileIdentity identity() const;

private:
    void browse(int game);

    SystemDialogs& dialogs_;
    skin::BitmapEdit* name_;
    std::array<skin::BitmapEdit*, 3> games_{};
};

}  // namespace option::app

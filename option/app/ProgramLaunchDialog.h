#pragma once
// The program a button starts: a free-text path with a browse button for the
// system's file dialog. OK returns the text as it stands; whether it names a
// program is the user's affair (the monitor reports a failed start).
#include "option/app/SkinDialog.h"

namespace option::skin {
class BitmapEdit;
}

namespace option::app {

class SystemDialogs;

class ProgramLaunchDialog final : public SkinDialog {
    Q_OBJECT
public:
    ProgramLaunchDialog(QWidget* parent, SystemDialogs& dialogs, const QString& path);

    QString path() const;
    skin::BitmapEdit* pathField() const { return path_; }

private:
    SystemDialogs& dialogs_;
    skin::BitmapEdit* path_;
};

}  // namespace option::app

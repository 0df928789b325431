#pragma once
// Names a new macro set: one field of at most 24 characters; OK and Enter take
// only a name that is not empty once trimmed.
#include "option/app/SkinDialog.h"

namespace option::skin {
class BitmapEdit;
}

namespace option::app {

class MacroSetNameDialog final : public SkinDialog {
    Q_OBJECT
public:
    explicit MacroSetNameDialog(QWidget* parent);

    QString name() const;
    skin::BitmapEdit* nameField() const { return name_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tryAccept();

    skin::BitmapEdit* name_;
};

}  // namespace option::app

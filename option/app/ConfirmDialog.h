#pragma once
// A confirmation whose wording is part of its background picture: OK accepts,
// Cancel rejects.
#include "option/app/SkinDialog.h"

namespace option::app {

class ConfirmDialog final : public SkinDialog {
    Q_OBJECT
public:
    ConfirmDialog(QWidget* parent, const layout::WindowDescription& window);
};

}  // namespace option::app

#include "option/app/WindowsProfileDialog.h"

#include <QLabel>

#include "option/layout/NoticeDialogsLayout.h"
#include "option/skin/SkinFonts.h"

namespace option::app {
namespace {

const QColor kNumberColour(224, 224, 224);
constexpr int kNumberHeight = 24;

}  // namespace

WindowsProfileDialog::WindowsProfileDialog(QWidget* parent, int slotNumber)
    : SkinDialog(parent, layout::notice_dialogs::kWindowsProfile)
{
    addButton(row("BUTTON_OK"), [this] { accept(); });
    addButton(row("BUTTON_CANCEL"), [this] { reject(); });
    auto* number = new QLabel(QString::number(slotNumber), surface());
    number->setGeometry(rectOf(row("Profile number")));
    number->setAlignment(Qt::AlignCenter);
    number->setFont(skin::skinFont(skin::kArialFace, kNumberHeight, 0, skin::kBoldWeight));
    QPalette colours = number->palette();
    colours.setColor(QPalette::WindowText, kNumberColour);
    number->setPalette(colours);
    number->setObjectName(QStringLiteral("profileNumber"));
}

}  // namespace option::app

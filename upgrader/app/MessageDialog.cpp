#include "upgrader/app/MessageDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>

#include "option/layout/LayoutEntry.h"
#include "option/layout/UpgraderLayout.h"
#include "option/skin/SkinButton.h"
#include "upgrader/app/UpgraderIcon.h"

namespace upgrader::app {
namespace {

namespace layout = option::layout;

constexpr int kOkId = 1;
constexpr int kCancelId = 2;

const layout::WindowDescription& descriptionOf(DialogKind kind)
{
    switch (kind) {
        case DialogKind::Confirm: return layout::upgrader::kConfirm;
        case DialogKind::Notice: return layout::upgrader::kNotice;
        case DialogKind::Success: return layout::upgrader::kSuccess;
        case DialogKind::Failure: return layout::upgrader::kFailure;
    }
    return layout::upgrader::kFailure;
}

int controlIdOf(const std::string& name)
{
    return name == "BUTTON_CANCEL" ? kCancelId : kOkId;
}

}  // namespace

QString dialogTitle(DialogKind kind)
{
    switch (kind) {
        case DialogKind::Confirm: return QStringLiteral("Firmware Update");
        case DialogKind::Notice: return QStringLiteral("Firmware Update Notice");
        case DialogKind::Success: return QStringLiteral("Firmware upgrade success");
        case DialogKind::Failure: return QStringLiteral("Firmware Update Failed");
    }
    return {};
}

void centerOnScreen(QWidget& window)
{
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

MessageDialog::MessageDialog(DialogKind kind) : kind_(kind)
{
    const layout::WindowDescription& description = descriptionOf(kind);
    loadSkin(QString::fromUtf8(description.art.data(), static_cast<qsizetype>(description.art.size())),
             option::skin::ShapeMethod::WhiteRange);
    setWindowTitle(dialogTitle(kind));
    setWindowIcon(upgraderIcon());
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);
    for (const layout::ControlLayout& control : description.controls) {
        const std::optional<layout::LayoutEntry> entry = layout::parseLayoutEntry(control.text);
        if (!entry)
            continue;
        const int id = controlIdOf(entry->name);
        auto* button = option::skin::SkinButton::fromLayout(this, *entry, id, stateImages());
        connect(button, &option::skin::SkinButton::command, this,
                [this](int clicked) { answer(clicked == kCancelId ? DialogAnswer::Cancel : DialogAnswer::Ok); });
    }
}

void MessageDialog::present()
{
    centerOnScreen(*this);
    show();
    raise();
    activateWindow();
}

void MessageDialog::answer(DialogAnswer answer)
{
    if (answered_)
        return;
    answered_ = true;
    close();
    emit answered(answer);
}

void MessageDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        answer(kind_ == DialogKind::Confirm ? DialogAnswer::Cancel : DialogAnswer::Ok);
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        answer(DialogAnswer::Ok);
    else
        SkinWindow::keyPressEvent(event);
}

void MessageDialog::closeEvent(QCloseEvent* event)
{
    // Closed by the window system: the same as leaving with Escape.
    if (!answered_) {
        answered_ = true;
        emit answered(kind_ == DialogKind::Confirm ? DialogAnswer::Cancel : DialogAnswer::Ok);
    }
    event->accept();
}

}  // namespace upgrader::app

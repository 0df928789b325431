#include "upgrader/app/UpgraderDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

#include "messages/MessageNumbers.h"
#include "option/layout/LayoutEntry.h"
#include "option/layout/UpgraderLayout.h"
#include "option/skin/SkinButton.h"
#include "option/skin/SkinFonts.h"
#include "upgrader/app/UpgraderIcon.h"

namespace upgrader::app {
namespace {

namespace layout = option::layout;

constexpr int kExitId = 1;
const QColor kBarColour(0x3C, 0x89, 0xBF);
const QColor kBarBackground(0xA1, 0xA1, 0xA1);
const QColor kTextColour(0x6B, 0x6B, 0x6B);
constexpr int kTextHeight = 14;

std::optional<layout::LayoutEntry> entryNamed(std::string_view name)
{
    for (const layout::ControlLayout& control : layout::upgrader::kControls) {
        std::optional<layout::LayoutEntry> entry = layout::parseLayoutEntry(control.text);
        if (entry && entry->name == name)
            return entry;
    }
    return std::nullopt;
}

QRect rectOf(std::string_view name)
{
    const std::optional<layout::LayoutEntry> entry = entryNamed(name);
    return entry ? QRect(entry->left, entry->top, entry->width(), entry->height()) : QRect();
}

}  // namespace

UpgraderDialog::UpgraderDialog()
    : progressRect_(rectOf("BUTTON_Progress")),
      fileNameRect_(rectOf("File name")),
      deviceVersionRect_(rectOf("Device version")),
      upgraderVersionRect_(rectOf("Upgrader version")),
      deviceVersionText_(QString::fromLatin1(kDeviceVersionPrefix))
{
    const layout::WindowDescription& description = layout::upgrader::kWindow;
    const QString art = QString::fromUtf8(description.art.data(), static_cast<qsizetype>(description.art.size()));
    loadSkin(art, option::skin::ShapeMethod::Rectangle);
    const QImage mask = option::skin::loadWindowPicture(art, QStringLiteral("mask"));
    if (!mask.isNull())
        setMask(option::skin::windowShape(mask, option::skin::ShapeMethod::WhiteRange));
    setWindowTitle(QString::fromLatin1(messages::kUpgraderWindowTitle));
    setWindowIcon(upgraderIcon());
    if (const std::optional<layout::LayoutEntry> exit = entryNamed("BUTTON_EXIT")) {
        auto* button = option::skin::SkinButton::fromLayout(this, *exit, kExitId, stateImages());
        connect(button, &option::skin::SkinButton::command, this, &UpgraderDialog::exitRequested);
    }
}

void UpgraderDialog::setImagePath(const QString& path)
{
    fileName_ = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    update(fileNameRect_);
}

void UpgraderDialog::setDeviceVersionText(const QString& text)
{
    deviceVersionText_ = QString::fromLatin1(kDeviceVersionPrefix) + text;
    update(deviceVersionRect_);
}

void UpgraderDialog::setProgressRange(int maximum)
{
    maximum_ = std::max(0, maximum);
    progress_ = std::clamp(progress_, 0, maximum_);
    update(progressRect_);
}

void UpgraderDialog::setProgress(int position)
{
    progress_ = std::clamp(position, 0, maximum_);
    update(progressRect_);
}

void UpgraderDialog::paintEvent(QPaintEvent* event)
{
    SkinWindow::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(progressRect_, kBarBackground);
    if (maximum_ > 0 && progress_ > 0) {
        QRect done = progressRect_;
        done.setWidth(progressRect_.width() * progress_ / maximum_);
        painter.fillRect(done, kBarColour);
    }
    painter.setFont(option::skin::skinFont(QString::fromLatin1(option::skin::kArialFace), kTextHeight));
    painter.setPen(kTextColour);
    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;
    // Our fonts run wider than the ones the places were chosen for: the version
    // moves left rather than being cut off at the window's edge.
    const QString version = QString::fromLatin1(kUpgraderVersionText);
    QRect versionRect = upgraderVersionRect_;
    versionRect.setLeft(std::min(versionRect.left(), versionRect.right() - painter.fontMetrics().horizontalAdvance(version)));
    painter.drawText(versionRect, topLeft, version);
    painter.drawText(deviceVersionRect_, topLeft, deviceVersionText_);
    const QString shown = painter.fontMetrics().elidedText(fileName_, Qt::ElideRight, fileNameRect_.width());
    painter.drawText(fileNameRect_, topLeft, shown);
}

void UpgraderDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    SkinWindow::keyPressEvent(event);
}

void UpgraderDialog::closeEvent(QCloseEvent* event)
{
    // The session decides when the dialog goes; a close from the window system
    // is a request like the exit button.
    event->ignore();
    emit exitRequested();
}

}  // namespace upgrader::app

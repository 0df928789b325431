#include "option/app/SkinDialog.h"

#include "option/layout/LayoutEntry.h"
#include "option/skin/BitmapEdit.h"
#include "option/skin/NumberSpin.h"
#include "option/skin/WindowShape.h"
#include "platform/system/DebugOutput.h"

namespace option::app {
namespace {

QString artName(const layout::WindowDescription& window)
{
    return QString::fromUtf8(window.art.data(), static_cast<qsizetype>(window.art.size()));
}

QRegion shapeOf(const layout::WindowDescription& window, const QImage& background)
{
    switch (window.shape) {
    case layout::WindowShape::CornerKey:
        return skin::windowShape(background, skin::ShapeMethod::CornerKey);
    case layout::WindowShape::WhiteRange:
        return skin::windowShape(background, skin::ShapeMethod::WhiteRange);
    case layout::WindowShape::WhiteRangeMask:
        return skin::windowShape(skin::loadWindowPicture(artName(window), QStringLiteral("mask")),
                                 skin::ShapeMethod::WhiteRange);
    case layout::WindowShape::Rectangle:
        break;
    }
    return QRegion(background.rect());
}

}  // namespace

SkinDialog::SkinDialog(QWidget* parent, const layout::WindowDescription& window)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), window_(window), surface_(new skin::SkinWindow(this))
{
    surface_->loadSkin(artName(window), skin::ShapeMethod::Rectangle);
    surface_->move(0, 0);
    const QSize size = surface_->size().isEmpty() ? QSize(window.width, window.height) : surface_->size();
    setFixedSize(size);
    if (!surface_->background().isNull()) {
        const QRegion shape = shapeOf(window, surface_->background());
        if (!shape.isEmpty())
            setMask(shape);
    }
}

const layout::ControlLayout& SkinDialog::row(std::string_view name, int occurrence) const
{
    for (const layout::ControlLayout& control : window_.controls) {
        if (control.text.size() > name.size() && control.text.starts_with(name) && control.text[name.size()] == ',' &&
            occurrence-- == 0)
            return control;
    }
    // The tables are fixed at build time: a name missing there places nothing.
    platform::debugPrintf("SkinDialog: no layout row %.*s\n", static_cast<int>(name.size()), name.data());
    static constexpr layout::ControlLayout kNowhere{"", layout::ControlKind::PushButton};
    return kNowhere;
}

QRect SkinDialog::rectOf(const layout::ControlLayout& row)
{
    const std::optional<layout::LayoutEntry> entry = layout::parseLayoutEntry(row.text);
    return entry ? QRect(entry->left, entry->top, entry->width(), entry->height()) : QRect();
}

skin::SkinButton* SkinDialog::addButton(const layout::ControlLayout& row, std::function<void()> onClick)
{
    auto* button = new skin::SkinButton(surface_, rectOf(row), 0);
    button->setBitmaps(rectOf(row), surface_->stateImages());
    connect(button, &skin::SkinButton::command, this, [onClick = std::move(onClick)](int) { onClick(); });
    return button;
}

skin::BitmapEdit* SkinDialog::addEdit(const layout::ControlLayout& row, int maxLength)
{
    auto* edit = new skin::BitmapEdit(surface_);
    edit->setGeometry(rectOf(row));
    edit->setMaxLength(maxLength);
    return edit;
}

skin::NumberSpin* SkinDialog::addSpin(const layout::ControlLayout& row, int minimum, int maximum, int value)
{
    auto* spin = new skin::NumberSpin(surface_, rectOf(row), 0, this);
    const auto faces = [this](const QString& name) {
        const QString window = art();
        return skin::StateImages{skin::loadWindowPicture(window, name), skin::loadWindowPicture(window, name + "_hover"),
                                 skin::loadWindowPicture(window, name + "_pressed"),
                                 skin::loadWindowPicture(window, name + "_disabled")};
    };
    spin->setArrowFaces(faces(QStringLiteral("spin_up")), faces(QStringLiteral("spin_down")));
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    return spin;
}

QString SkinDialog::art() const { return artName(window_); }

}  // namespace option::app

#include "option/app/PageControls.h"

#include "option/layout/LayoutEntry.h"
#include "option/layout/SkinPictures.h"
#include "option/skin/ColorSwatchButton.h"
#include "option/skin/NumberSpin.h"
#include "option/skin/SkinButton.h"
#include "option/skin/SkinSlider.h"

namespace option::app {
namespace {

QString qtext(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

skin::StateImages arrowFaces(const QString& art, const QString& base)
{
    return {skin::loadWindowPicture(art, base), skin::loadWindowPicture(art, base + QStringLiteral("_hover")),
            skin::loadWindowPicture(art, base + QStringLiteral("_pressed")),
            skin::loadWindowPicture(art, base + QStringLiteral("_disabled"))};
}

}  // namespace

QString statusTextOfRow(const layout::ControlLayout& row)
{
    const std::optional<layout::LayoutEntry> entry = layout::parseLayoutEntry(row.text);
    return entry ? QString::fromStdString(entry->statusText) : QString();
}

QString pageText(const core::TextLibrary& texts, core::TextId id)
{
    const std::optional<std::string_view> text = texts.text(id);
    return text ? qtext(*text) : QString();
}

QString PageControls::art() const
{
    return qtext(description_.art);
}

skin::SkinButton* PageControls::button(const layout::ControlLayout& row, int controlId, bool checkable) const
{
    auto* button = new skin::SkinButton(&window_, layoutRect(row), controlId);
    button->setBitmaps(layoutRect(row), window_.stateImages());
    button->setCheckable(checkable);
    button->setStatusText(statusTextOfRow(row));
    if (!layoutRect(row).isValid())
        button->hide();
    return button;
}

skin::ColorSwatchButton* PageControls::swatch(const layout::ControlLayout& row, int controlId) const
{
    auto* swatch = new skin::ColorSwatchButton(&window_, layoutRect(row), controlId);
    swatch->setBitmaps(layoutRect(row), window_.stateImages());
    if (!layoutRect(row).isValid())
        swatch->hide();
    return swatch;
}

skin::SkinSlider* PageControls::slider(const layout::ControlLayout& row, int controlId, int minimum, int maximum,
                                       QObject* owner) const
{
    const QString base = qtext(row.picture);
    auto* slider = new skin::SkinSlider(&window_, layoutRect(row),
                                        skin::loadWindowPicture(art(), base + QStringLiteral("_track")),
                                        skin::loadWindowPicture(art(), base + QStringLiteral("_thumb")), controlId,
                                        owner);
    slider->setThumbShapeFromCornerKey(true);
    slider->setRange(minimum, maximum);
    slider->setRounding(true);
    return slider;
}

skin::NumberSpin* PageControls::spin(const layout::ControlLayout& row, int controlId, int minimum, int maximum,
                                     int step, QObject* owner) const
{
    auto* spin = new skin::NumberSpin(&window_, layoutRect(row), controlId, owner);
    spin->setRange(minimum, maximum);
    spin->setStep(step);
    spin->setArrowFaces(arrowFaces(art(), QStringLiteral("spin_up")), arrowFaces(art(), QStringLiteral("spin_down")));
    return spin;
}

}  // namespace option::app

#include "option/app/CpiLevelRow.h"

#include "option/app/PageControls.h"
#include "option/core/TextIds.h"
#include "option/core/TextLibrary.h"
#include "option/layout/MainSettingsLayout.h"
#include "option/skin/NumberSpin.h"
#include "option/skin/SkinButton.h"
#include "option/skin/SkinMessageEvent.h"
#include "option/skin/SkinSlider.h"

namespace option::app {
namespace {

namespace rows = layout::cpi_row;

// Identifiers inside the row.
constexpr int kSelectId = 1;
constexpr int kEnableId = 2;
constexpr int kLinkId = 3;
constexpr int kXSliderId = 301;
constexpr int kYSliderId = 302;
constexpr int kXSpinId = 401;
constexpr int kYSpinId = 402;

}  // namespace

CpiLevelRow::CpiLevelRow(QWidget* parent, int level, QObject* owner) : SkinWindow(parent), level_(level), owner_(owner)
{
    loadSkin(QStringLiteral("cpi_row"), skin::ShapeMethod::Rectangle);
    const PageControls controls(*this, rows::kWindow);
    select_ = controls.button(controls.row("Level select"), kSelectId);
    select_->setCaption(QString::number(level + 1));
    enable_ = controls.button(controls.row("Level enable"), kEnableId, true);
    xSlider_ = controls.slider(controls.row("X slider"), kXSliderId, core::kMinCpiHundreds, core::kMaxCpiHundreds, this);
    xSpin_ = controls.spin(controls.row("X spin"), kXSpinId, core::kMinCpiSpin, core::kMaxCpiSpin, core::kCpiSpinStep,
                           this);
    ySlider_ = controls.slider(controls.row("Y slider"), kYSliderId, core::kMinCpiHundreds, core::kMaxCpiHundreds, this);
    ySpin_ = controls.spin(controls.row("Y spin"), kYSpinId, core::kMinCpiSpin, core::kMaxCpiSpin, core::kCpiSpinStep,
                           this);
    link_ = controls.button(controls.row("XY link"), kLinkId, true);
    connect(select_, &skin::SkinButton::command, this, [this] { post(core::CpiRowCommand::Select, 1); });
    connect(enable_, &skin::SkinButton::command, this,
            [this] { post(core::CpiRowCommand::Enable, enable_->isOn() ? 1 : 0); });
    connect(link_, &skin::SkinButton::command, this,
            [this] { post(core::CpiRowCommand::Link, link_->isOn() ? 1 : 0); });
}

void CpiLevelRow::post(core::CpiRowCommand command, int value)
{
    skin::postSkinMessage(owner_, kCpiRowMessage, cpiRowWParam(command, value), static_cast<skin::LParam>(rowId()));
}

bool CpiLevelRow::event(QEvent* event)
{
    const auto* message = skin::SkinMessageEvent::from(event);
    if (!message)
        return SkinWindow::event(event);
    const int value = message->intWParam();
    if (message->message() == skin::kSliderValueMessage) {
        // The slider holds hundreds, the spin beside it counts per inch.
        const bool x = message->lParam() == kXSliderId;
        (x ? xSpin_ : ySpin_)->setValue(core::cpiSpinValue(value));
        post(x ? core::CpiRowCommand::XResolution : core::CpiRowCommand::YResolution, value);
    } else if (message->message() == skin::kSpinValueMessage) {
        const bool x = message->lParam() == kXSpinId;
        const int hundreds = core::cpiHundredsOfSpin(value);
        (x ? xSlider_ : ySlider_)->setValue(hundreds);
        post(x ? core::CpiRowCommand::XResolution : core::CpiRowCommand::YResolution, hundreds);
    }
    return true;
}

void CpiLevelRow::show(const core::CpiRowView& view)
{
    select_->setOn(view.active);
    select_->setEnabled(view.controlsUsable);
    enable_->setChecked(view.enabled);
    enable_->setEnabled(view.enableBoxUsable);
    for (QWidget* control : std::initializer_list<QWidget*>{xSlider_, xSpin_, ySlider_, ySpin_, link_})
        control->setEnabled(view.controlsUsable);
    link_->setChecked(view.linked);
    xSlider_->setValue(view.x);
    ySlider_->setValue(view.y);
    // A spin being typed into keeps its text until the user settles it.
    if (!xSpin_->isAncestorOf(focusWidget()) || xSpin_->value() != core::cpiSpinValue(view.x))
        xSpin_->setValue(core::cpiSpinValue(view.x));
    if (!ySpin_->isAncestorOf(focusWidget()) || ySpin_->value() != core::cpiSpinValue(view.y))
        ySpin_->setValue(core::cpiSpinValue(view.y));
    update();
}

void CpiLevelRow::reloadTexts(const core::TextLibrary& texts)
{
    select_->setStatusText(pageText(texts, core::TextId::CpiLevelSelect));
    enable_->setStatusText(pageText(texts, core::TextId::CpiLevelEnable));
    xSlider_->setStatusText(pageText(texts, core::TextId::CpiXSlider));
    xSpin_->setStatusText(pageText(texts, core::TextId::CpiXSpin));
    ySlider_->setStatusText(pageText(texts, core::TextId::CpiYSlider));
    ySpin_->setStatusText(pageText(texts, core::TextId::CpiYSpin));
    link_->setStatusText(pageText(texts, core::TextId::CpiXYLink));
}
}  // namespace option::app

#include "option/app/LightingPage.h"

#include <span>

#include "option/app/AppMessages.h"
#include "option/app/PageControls.h"
#include "option/app/HueBarPickerView.h"
#include "option/core/LightingEffects.h"
#include "option/layout/LightingPageLayout.h"
#include "option/skin/AnimationControl.h"
#include "option/skin/ColorSwatchButton.h"
#include "option/skin/NumberSpin.h"
#include "option/skin/SkinButton.h"
#include "option/skin/SkinMessageEvent.h"
#include "settings/SettingsBlock.h"

namespace option::app {
namespace {

namespace page = layout::lighting_page;

constexpr int kFirstEffectId = 100;
constexpr int kFirstModeId = 110;
constexpr int kFirstFlowId = 120;
constexpr int kPaletteChoiceId = 130;
constexpr int kCustomChoiceId = 131;
constexpr int kCustomSwatchId = 132;
constexpr int kFirstSwatchId = 200;

constexpr const char* kEffectRows[] = {"All light Off", "Full lightened", "Breathing", "Blinking", "Heartbeat"};
constexpr const char* kModeRows[] = {"Use Selected color", "Random single color", "Random multi color"};
constexpr const char* kFlowRows[] = {"Flow Off", "All lights simultaneously", "Flow direction Up",
                                     "Flow direction Down", "Flow direction Left", "Flow direction Right"};
constexpr const char* kSpinRows[] = {"Red", "Green", "Blue"};
constexpr int kSpinIds[] = {core::kRedSpinId, core::kGreenSpinId, core::kBlueSpinId};
constexpr int kBreathingEffect = 2;
constexpr int kColourMaximum = 255;

QColor colourOf(core::Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

template <std::size_t N>
void markChoice(const std::array<skin::SkinButton*, N>& buttons, int chosen, int first = 0)
{
    for (std::size_t i = 0; i < N; ++i)
        buttons[i]->setOn(static_cast<int>(i) + first == chosen);
}

}  // namespace

LightingPage::LightingPage(QWidget* parent, PageHost& host) : Page(parent, host)
{
    loadSkin(QStringLiteral("lighting"), skin::ShapeMethod::Rectangle);
    const PageControls controls(*this, page::kWindow);
    for (std::size_t i = 0; i < effects_.size(); ++i) {
        effects_[i] = controls.button(controls.row(kEffectRows[i]), kFirstEffectId + static_cast<int>(i));
        connect(effects_[i], &skin::SkinButton::command, this, [this, i] {
            edit([i](settings::ProfileRecord& p) { core::setLightEffectType(p, static_cast<int>(i)); });
        });
    }
    // Mode and flow are marked when clicked; the profile does not say which is shown.
    for (std::size_t i = 0; i < modes_.size(); ++i) {
        modes_[i] = controls.button(controls.row(kModeRows[i]), kFirstModeId + static_cast<int>(i));
        connect(modes_[i], &skin::SkinButton::command, this, [this, i] {
            edit([i](settings::ProfileRecord& p) { core::setLightEffectMode(p, static_cast<int>(i) + 1); });
            markChoice(modes_, static_cast<int>(i));
        });
    }
    for (std::size_t i = 0; i < flows_.size(); ++i) {
        flows_[i] = controls.button(controls.row(kFlowRows[i]), kFirstFlowId + static_cast<int>(i));
        connect(flows_[i], &skin::SkinButton::command, this, [this, i] {
            edit([i](settings::ProfileRecord& p) { core::setLightColorFlow(p, static_cast<int>(i)); });
            markChoice(flows_, static_cast<int>(i));
        });
    }
    palette_ = controls.button(controls.row("Choose a single color"), kPaletteChoiceId);
    customChoice_ = controls.button(controls.row("Choose a custom color"), kCustomChoiceId);
    connect(palette_, &skin::SkinButton::command, this,
            [this] { edit([](settings::ProfileRecord& p) { core::chooseCustomColor(p, false); }); });
    connect(customChoice_, &skin::SkinButton::command, this,
            [this] { edit([](settings::ProfileRecord& p) { core::chooseCustomColor(p, true); }); });

    // The swatches in the order of the table are palette entries 0-32.
    const std::span<const core::PaletteEntry> palette = core::lightingPalette();
    for (const layout::ControlLayout& row : page::kControls) {
        if (row.kind != layout::ControlKind::Swatch || !row.text.starts_with("color"))
            continue;
        const int index = static_cast<int>(swatches_.size());
        if (index >= core::kPaletteSize)
            break;
        skin::ColorSwatchButton* swatch = controls.swatch(row, kFirstSwatchId + index);
        swatch->setColour(colourOf(palette[static_cast<std::size_t>(index)].shown));
        connect(swatch, &skin::SkinButton::command, this, [this, index] {
            edit([index](settings::ProfileRecord& p) { core::choosePaletteSwatch(p, index); });
        });
        swatches_.push_back(swatch);
    }
    for (std::size_t i = 0; i < spins_.size(); ++i)
        spins_[i] = controls.spin(controls.row(kSpinRows[i]), kSpinIds[i], 0, kColourMaximum, 1, this);
    custom_ = controls.swatch(controls.row("Custom Color"), kCustomSwatchId);
    connect(custom_, &skin::SkinButton::command, this,
            [this] { edit([](settings::ProfileRecord& p) { core::chooseCustomColor(p, true); }); });
    const layout::ControlLayout& hueBar = controls.row("Color Select");
    picker_ = new HueBarPickerView(
        this, layoutRect(controls.row("Custom Color Window")),
        skin::loadWindowPicture(QStringLiteral("lighting"),
                                QString::fromUtf8(hueBar.picture.data(), static_cast<qsizetype>(hueBar.picture.size()))));
    connect(picker_, &HueBarPickerView::picked, this,
            [this](core::Rgb colour) { edit([colour](settings::ProfileRecord& p) { core::setCustomColor(p, colour); }); });
    const layout::ControlLayout& breathing = controls.row("Breathing", 1);
    preview_ = new skin::AnimationControl(this);
    preview_->load(QString::fromUtf8(breathing.picture.data(), static_cast<qsizetype>(breathing.picture.size())));
    preview_->move(layoutRect(breathing).topLeft());
}

template <typename Change>
void LightingPage::edit(Change change)
{
    if (settings::ProfileRecord* profile = settings::activeProfile(*host().core().blocks.working))
        change(*profile);
    refresh();
    skin::postSkinMessage(host().mainWindow(), kColourIndicatorsMessage, 0, 0);
}

bool LightingPage::event(QEvent* event)
{
    const auto* message = skin::SkinMessageEvent::from(event);
    if (!message)
        return Page::event(event);
    if (message->message() == skin::kSpinValueMessage) {
        const int id = static_cast<int>(message->lParam());
        const int value = message->intWParam();
        edit([id, value](settings::ProfileRecord& p) { core::setCustomColorComponent(p, id, value); });
    }
    return true;
}

void LightingPage::showEvent(QShowEvent* event)
{
    Page::showEvent(event);
    playPreview();
}

void LightingPage::hideEvent(QHideEvent* event)
{
    Page::hideEvent(event);
    preview_->stop();
}

void LightingPage::playPreview()
{
    const settings::ProfileRecord* profile = settings::activeProfile(*host().core().blocks.working);
    // The preview breathes while the breathing effect is chosen and stands still otherwise.
    if (isVisible() && profile && profile->LightEffectType == kBreathingEffect) {
        if (!preview_->isPlaying())
            preview_->start();
    } else {
        preview_->stop();
    }
}

void LightingPage::refresh()
{
    const settings::ProfileRecord* profile = settings::activeProfile(*host().core().blocks.working);
    if (!profile)
        return;
    markChoice(effects_, profile->LightEffectType);
    palette_->setOn(profile->LtChoseType == 0);
    customChoice_->setOn(profile->LtChoseType != 0);
    const std::optional<int> marked = core::markedSwatch(*profile);
    for (std::size_t i = 0; i < swatches_.size(); ++i)
        swatches_[i]->setOn(marked && *marked == static_cast<int>(i));
    const core::Rgb custom = core::customColor(*profile);
    const int components[] = {custom.red, custom.green, custom.blue};
    for (std::size_t i = 0; i < spins_.size(); ++i)
        spins_[i]->setValue(components[i]);
    custom_->setColour(colourOf(custom));
    custom_->setOn(profile->LtChoseType != 0);
    playPreview();
}

void LightingPage::reloadTexts(const core::TextLibrary& texts)
{
    effects_[0]->setStatusText(pageText(texts, core::TextId::LightsOff));
    effects_[1]->setStatusText(pageText(texts, core::TextId::LightsOn));
    effects_[2]->setStatusText(pageText(texts, core::TextId::Breathing));
    palette_->setStatusText(pageText(texts, core::TextId::PaletteColor));
    customChoice_->setStatusText(pageText(texts, core::TextId::CustomColorChoice));
    for (skin::ColorSwatchButton* swatch : swatches_)
        swatch->setStatusText(pageText(texts, core::TextId::PaletteColor));
    custom_->setStatusText(pageText(texts, core::TextId::CustomColorSwatch));
    picker_->setStatusText(pageText(texts, core::TextId::ColorSpectrum));
    spins_[0]->setStatusText(pageText(texts, core::TextId::CustomRed));
    spins_[1]->setStatusText(pageText(texts, core::TextId::CustomGreen));
    spins_[2]->setStatusText(pageText(texts, core::TextId::CustomBlue));
}

}  // namespace option::app

#include "option/app/AdvancedPage.h"

#include <span>

#include "option/app/NoticeDialog.h"
#include "option/app/PageControls.h"
#include "option/core/AdvancedPageRules.h"
#include "option/core/PadtuneMonitorOutput.h"
#include "option/layout/AdvancedPageLayout.h"
#include "option/layout/NoticeDialogsLayout.h"
#include "option/skin/NumberSpin.h"
#include "option/skin/SkinButton.h"
#include "option/skin/SkinMessageEvent.h"
#include "option/skin/SkinSlider.h"
#include "settings/SettingsBlock.h"

namespace option::app {
namespace {

namespace page = layout::advanced_page;

// Button identifiers; the sliders and the spin keep the numbers they report.
constexpr int kFirstSoundId = 100;
constexpr int kFirstPollingId = 110;
constexpr int kAccelerationId = 120;
constexpr int kTrailsId = 121;
constexpr int kSnapOffId = 130;
constexpr int kSnapOnId = 131;
constexpr int kAlignmentOffId = 140;
constexpr int kAlignmentOnId = 141;
constexpr int kFirstPadtuneId = 150;
constexpr int kResetId = 160;

// The sound boxes in the order of their rows.
constexpr const char* kSoundRows[] = {"Sound FeedBack DPi Switch", "Sound FeedBack Profile Switch",
                                      "Sound FeedBack Sensitivity Switch", "Sound Volume Up/Down", "Sound Trophy"};
constexpr core::TextId kSoundTexts[] = {core::TextId::SoundCpiSwitch, core::TextId::SoundProfileSwitch,
                                        core::TextId::SoundSensitivitySwitch, core::TextId::SoundVolumeUpDown,
                                        core::TextId::SoundTrophy};

std::int32_t& soundField(settings::ProfileRecord& profile, int index)
{
    switch (index) {
    case 0: return profile.SoundDpi;
    case 1: return profile.SoundProfile;
    case 2: return profile.SoundSens;
    case 3: return profile.VolumeUpDown;
    default: return profile.SoundTrophy;
    }
}

void markChoice(std::span<skin::SkinButton* const> buttons, int chosen)
{
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->setOn(static_cast<int>(i) == chosen);
}

}  // namespace

AdvancedPage::AdvancedPage(QWidget* parent, PageHost& host) : Page(parent, host)
{
    loadSkin(QStringLiteral("advanced"), skin::ShapeMethod::Rectangle);
    const PageControls controls(*this, page::kWindow);
    const auto edit = [this](auto change) {
        return [this, change] {
            if (settings::ProfileRecord* profile = settings::activeProfile(*this->host().core().blocks.working))
                change(*profile);
            refresh();
        };
    };
    for (std::size_t i = 0; i < sounds_.size(); ++i) {
        sounds_[i] = controls.button(controls.row(kSoundRows[i]), kFirstSoundId + static_cast<int>(i), true);
        connect(sounds_[i], &skin::SkinButton::command, this,
                [this, i] { onSound(static_cast<Sound>(i), sounds_[i]->isOn()); });
    }
    volume_ = controls.slider(controls.row("Sound Volume"), kVolumeSliderId, core::kSoundVolumeRange.min,
                              core::kSoundVolumeRange.max, this);
    for (std::size_t i = 0; i < polling_.size(); ++i) {
        polling_[i] = controls.button(controls.row(core::kPollingRateButtons[i]), kFirstPollingId + static_cast<int>(i));
        connect(polling_[i], &skin::SkinButton::command, this,
                edit([i](settings::ProfileRecord& p) { core::setPollingRate(p, static_cast<int>(i)); }));
    }
    pointer_ = controls.slider(controls.row("Pointer Speed"), kPointerSliderId, core::kPointerPositions.min,
                               core::kPointerPositions.max, this);
    acceleration_ = controls.button(controls.row("Enable mouse acceleration"), kAccelerationId, true);
    trails_ = controls.button(controls.row("Enable mouse Trails"), kTrailsId, true);
    snapOff_ = controls.button(controls.row("Snap off"), kSnapOffId);
    snapOn_ = controls.button(controls.row("Snap on"), kSnapOnId);
    snap_ = controls.slider(controls.row("Snap Slider"), kSnapSliderId, core::kAngleSnapRange.min,
                            core::kAngleSnapRange.max, this);
    alignmentOff_ = controls.button(controls.row("SAligment off"), kAlignmentOffId);
    alignmentOn_ = controls.button(controls.row("SAligment on"), kAlignmentOnId);
    alignment_ = controls.slider(controls.row("SAligment Slider"), kAlignmentSliderId, core::kSensorAlignmentRange.min,
                                 core::kSensorAlignmentRange.max, this);
    alignmentSpin_ = controls.spin(controls.row("SAligment Spin"), kAlignmentSpinId, core::kSensorAlignmentSpinRange.min,
                                   core::kSensorAlignmentSpinRange.max, 1, this);
    for (std::size_t i = 0; i < padtune_.size(); ++i) {
        padtune_[i] = controls.button(controls.row(core::kPadtuneLevelButtons[i]), kFirstPadtuneId + static_cast<int>(i));
        connect(padtune_[i], &skin::SkinButton::command, this, [this, i] { onPadtuneLevel(static_cast<int>(i)); });
    }
    reset_ = controls.button(controls.row("BUTTON_Reset"), kResetId);

    connect(acceleration_, &skin::SkinButton::command, this,
            edit([this](settings::ProfileRecord& p) { core::setAcceleration(p, acceleration_->isOn()); }));
    connect(trails_, &skin::SkinButton::command, this,
            edit([this](settings::ProfileRecord& p) { core::setTrails(p, trails_->isOn()); }));
    connect(snapOff_, &skin::SkinButton::command, this,
            edit([](settings::ProfileRecord& p) { core::setAngleSnapping(p, false); }));
    connect(snapOn_, &skin::SkinButton::command, this,
            edit([](settings::ProfileRecord& p) { core::setAngleSnapping(p, true); }));
    connect(alignmentOff_, &skin::SkinButton::command, this,
            edit([](settings::ProfileRecord& p) { core::setSensorAlignmentOn(p, false); }));
    connect(alignmentOn_, &skin::SkinButton::command, this,
            edit([](settings::ProfileRecord& p) { core::setSensorAlignmentOn(p, true); }));
    connect(reset_, &skin::SkinButton::command, this, [this] { onReset(); });
}

bool AdvancedPage::event(QEvent* event)
{
    const auto* message = skin::SkinMessageEvent::from(event);
    if (!message)
        return Page::event(event);
    const int id = static_cast<int>(message->lParam());
    if (message->message() == skin::kSliderValueMessage) {
        onSlider(id, message->intWParam());
    } else if (message->message() == skin::kSpinValueMessage && id == kAlignmentSpinId) {
        settings::ProfileRecord* profile = settings::activeProfile(*host().core().blocks.working);
        if (profile && core::setSensorAlignmentFromSpin(*profile, message->intWParam()))
            alignment_->setValue(profile->SAlignment);
    }
    return true;
}

void AdvancedPage::onSound(Sound sound, bool on)
{
    settings::ProfileRecord* profile = settings::activeProfile(*host().core().blocks.working);
    if (profile)
        core::storeInRange(soundField(*profile, static_cast<int>(sound)), on ? 1 : 0, core::kFlagRange);
}

void AdvancedPage::onSlider(int id, int value)
{
    settings::ProfileRecord* profile = settings::activeProfile(*host().core().blocks.working);
    if (!profile)
        return;
    switch (id) {
    case kVolumeSliderId:
        core::setSoundVolume(*profile, value);
        break;
    case kPointerSliderId:
        core::setPointerPosition(*profile, value);
        break;
    case kSnapSliderId:
        core::setAngleSnap(*profile, value);
        break;
    case kAlignmentSliderId:
        if (core::setSensorAlignment(*profile, value))
            alignmentSpin_->setValue(core::sensorAlignmentSpinValue(profile->SAlignment));
        break;
    default:
        break;
    }
}

void AdvancedPage::onPadtuneLevel(int level)
{
    settings::SettingsBlock& working = *host().core().blocks.working;
    const int current = working.DisControl;
    // The chosen level shows while the wizard runs; the wizard says which stays.
    markChoice(padtune_, level);
    core::PadtuneMonitorOutput output(host().core().folder);
    working.DisControl = runPadtuneWizard(host().mainWindow(), output, padtuneClock_, current, level);
    markChoice(padtune_, working.DisControl);
}

void AdvancedPage::onReset()
{
    if (NoticeDialog::confirm(host().mainWindow(), layout::notice_dialogs::kResetDefaults))
        host().resetToDefaults();
}

void AdvancedPage::refresh()
{
    const settings::SettingsBlock& working = *host().core().blocks.working;
    markChoice(padtune_, working.DisControl);
    settings::ProfileRecord* profile = settings::activeProfile(*host().core().blocks.working);
    if (!profile)
        return;
    for (std::size_t i = 0; i < sounds_.size(); ++i)
        sounds_[i]->setOn(settings::isSet(soundField(*profile, static_cast<int>(i))));
    volume_->setValue(profile->SoundVolume);
    markChoice(polling_, profile->PollingRate);
    pointer_->setValue(core::pointerPosition(*profile));
    acceleration_->setOn(settings::isSet(profile->AccelerationFlag));
    trails_->setOn(core::trailsShown(*profile));
    snapOff_->setOn(profile->ASnapFlag == 0);
    snapOn_->setOn(profile->ASnapFlag == 1);
    snap_->setValue(profile->ASnap);
    alignmentOff_->setOn(profile->SAlignmentFlag == 0);
    alignmentOn_->setOn(profile->SAlignmentFlag == 1);
    alignment_->setValue(profile->SAlignment);
    alignmentSpin_->setValue(core::sensorAlignmentSpinValue(profile->SAlignment));
}

void AdvancedPage::reloadTexts(const core::TextLibrary& texts)
{
    for (std::size_t i = 0; i < sounds_.size(); ++i)
        sounds_[i]->setStatusText(pageText(texts, kSoundTexts[i]));
    for (skin::SkinButton* rate : polling_)
        rate->setStatusText(pageText(texts, core::TextId::PollingRate));
    volume_->setStatusText(pageText(texts, core::TextId::SoundVolume));
    pointer_->setStatusText(pageText(texts, core::TextId::PointerSpeed));
    acceleration_->setStatusText(pageText(texts, core::TextId::Acceleration));
    trails_->setStatusText(pageText(texts, core::TextId::PointerTrails));
    reset_->setStatusText(pageText(texts, core::TextId::ResetDefaults));
}

}  // namespace option::app

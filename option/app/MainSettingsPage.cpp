#include "option/app/MainSettingsPage.h"

#include <QGuiApplication>
#include <QStyleHints>

#include "option/app/CpiLevelRow.h"
#include "option/app/DoubleClickTest.h"
#include "option/app/PageControls.h"
#include "option/core/CpiLevelRows.h"
#include "option/core/MainSettingsRules.h"
#include "option/core/TextIds.h"
#include "option/layout/MainSettingsLayout.h"
#include "option/layout/SkinPictures.h"
#include "option/skin/NumberSpin.h"
#include "option/skin/SkinButton.h"
#include "option/skin/SkinMessageEvent.h"
#include "option/skin/SkinSlider.h"
#include "platform/registry/PointerSettings.h"
#include "settings/SettingsBlock.h"

namespace option::app {
namespace {

namespace page = layout::main_settings;

constexpr int kNotOnePageId = 410;
constexpr int kOnePageId = 411;

}  // namespace

MainSettingsPage::MainSettingsPage(QWidget* parent, PageHost& host) : Page(parent, host)
{
    loadSkin(QStringLiteral("main_settings"), skin::ShapeMethod::Rectangle);
    const PageControls controls(*this, page::kWindow);
    sensitivity_ = controls.slider(controls.row("SENSITIVITY"), kSensitivitySliderId, core::kSensitivityRange.min,
                                   core::kSensitivityRange.max, this);
    sensitivitySpin_ = controls.spin(controls.row("Sensitivity"), kSensitivitySpinId,
                                     core::kSensitivitySpinRange.min, core::kSensitivitySpinRange.max, 1, this);
    scroll_ = controls.slider(controls.row("Scroll speed"), kScrollSliderId, core::kScrollSpeedRange.min,
                              core::kScrollSpeedRange.max, this);
    notOnePage_ = controls.button(controls.row("not one page"), kNotOnePageId);
    onePage_ = controls.button(controls.row("one page"), kOnePageId);
    tilt_ = controls.slider(controls.row("Tilt Speed"), kTiltSliderId, core::kTiltSpeedRange.min,
                            core::kTiltSpeedRange.max, this);
    doubleClick_ = controls.slider(controls.row("Double Click speed"), kDoubleClickSliderId,
                                   core::kDoubleClickPositions.min, core::kDoubleClickPositions.max, this);
    const layout::ControlLayout& testRow = controls.row("Double Click Test");
    const std::vector<std::string_view> testFiles = layout::splitPictureList(testRow.picture);
    const auto file = [&](std::size_t i) {
        return i < testFiles.size() ? QString::fromUtf8(testFiles[i].data(), static_cast<qsizetype>(testFiles[i].size()))
                                    : QString();
    };
    test_ = new DoubleClickTest(this, layoutRect(testRow), file(0), file(1));
    for (int level = 0; level < static_cast<int>(rows_.size()); ++level) {
        auto* row = new CpiLevelRow(this, level, this);
        row->move(layoutRect(controls.row("DPI", level)).topLeft());
        rows_[static_cast<std::size_t>(level)] = row;
    }
    connect(notOnePage_, &skin::SkinButton::command, this, [this] { onScrollPair(false); });
    connect(onePage_, &skin::SkinButton::command, this, [this] { onScrollPair(true); });
}

bool MainSettingsPage::event(QEvent* event)
{
    const auto* message = skin::SkinMessageEvent::from(event);
    if (!message)
        return Page::event(event);
    const int id = static_cast<int>(message->lParam());
    if (message->message() == skin::kSliderValueMessage) {
        onSlider(id, message->intWParam());
    } else if (message->message() == skin::kSpinValueMessage && id == kSensitivitySpinId) {
        settings::ProfileRecord* profile = settings::activeProfile(*host().core().blocks.working);
        if (profile && core::setSensitivityFromSpin(*profile, message->intWParam()))
            sensitivity_->setValue(profile->Sensitivity);
    } else if (message->message() == kCpiRowMessage) {
        onRowCommand(id, cpiRowSubCommand(message->wParam()), cpiRowValue(message->wParam()));
    }
    return true;
}

void MainSettingsPage::onSlider(int id, int value)
{
    settings::ProfileRecord* profile = settings::activeProfile(*host().core().blocks.working);
    if (!profile)
        return;
    switch (id) {
    case kSensitivitySliderId:
        if (core::setSensitivity(*profile, value))
            sensitivitySpin_->setValue(core::sensitivitySpinValue(profile->Sensitivity));
        break;
    case kScrollSliderId:
        core::setScrollSpeed(*profile, value);
        break;
    case kTiltSliderId:
        core::setTiltSpeed(*profile, value);
        break;
    case kDoubleClickSliderId:
        if (core::setDoubleClickPosition(*profile, value)) {
            // The desktop takes the new time at once, before any Apply; this
            // program's own double clicks (the test area) follow it too.
            if (platform::PointerSettings* pointer = host().pointerSettings())
                pointer->setDoubleClickTime(profile->DbleClickSpeed);
            QGuiApplication::styleHints()->setMouseDoubleClickInterval(profile->DbleClickSpeed);
        }
        break;
    default:
        break;
    }
}

void MainSettingsPage::onScrollPair(bool onePage)
{
    settings::ProfileRecord* profile = settings::activeProfile(*host().core().blocks.working);
    if (!profile)
        return;
    core::setScrollOnePage(*profile, onePage);
    notOnePage_->setOn(profile->ScrollWheelFlag == 0);
    onePage_->setOn(profile->ScrollWheelFlag == 1);
}

void MainSettingsPage::onRowCommand(int rowId, int subCommand, int value)
{
    settings::ProfileRecord* profile = settings::activeProfile(*host().core().blocks.working);
    if (!profile)
        return;
    core::applyCpiRowCommand(*profile, rowId, subCommand, value);
    // Refused or not, every row shows the profile again: a refused change (the
    // active level switched off) puts its control back.
    showRows();
}

void MainSettingsPage::showRows()
{
    const settings::ProfileRecord* profile = settings::activeProfile(*host().core().blocks.working);
    if (!profile)
        return;
    for (int level = 0; level < static_cast<int>(rows_.size()); ++level)
        rows_[static_cast<std::size_t>(level)]->show(core::cpiRowView(*profile, level));
}

void MainSettingsPage::refresh()
{
    const settings::ProfileRecord* profile = settings::activeProfile(*host().core().blocks.working);
    if (!profile)
        return;
    sensitivity_->setValue(profile->Sensitivity);
    sensitivitySpin_->setValue(core::sensitivitySpinValue(profile->Sensitivity));
    scroll_->setValue(profile->ScrollWheelSpeed);
    tilt_->setValue(profile->TiltSpeed);
    doubleClick_->setValue(core::doubleClickPosition(*profile));
    notOnePage_->setOn(profile->ScrollWheelFlag == 0);
    onePage_->setOn(profile->ScrollWheelFlag == 1);
    showRows();
}

void MainSettingsPage::reloadTexts(const core::TextLibrary& texts)
{
    sensitivity_->setStatusText(pageText(texts, core::TextId::SensitivitySlider));
    sensitivitySpin_->setStatusText(pageText(texts, core::TextId::SensitivitySpin));
    scroll_->setStatusText(pageText(texts, core::TextId::ScrollSpeed));
    notOnePage_->setStatusText(pageText(texts, core::TextId::ScrollSpeed));
    onePage_->setStatusText(pageText(texts, core::TextId::ScrollOnePage));
    tilt_->setStatusText(pageText(texts, core::TextId::TiltSpeed));
    doubleClick_->setStatusText(pageText(texts, core::TextId::DoubleClickSpeed));
    for (CpiLevelRow* row : rows_)
        row->reloadTexts(texts);
}
}  // namespace option::app

// What the main window's controls do.
#include <QApplication>
#include <QKeyEvent>

#include "messages/MessageNumbers.h"
#include "option/app/AppMessages.h"
#include "option/app/LanguagePicker.h"
#include "option/app/MainWindow.h"
#include "option/app/ProfileDialog.h"
#include "option/app/StatusLine.h"
#include "option/app/SystemDialogs.h"
#include "option/app/WindowsProfileDialog.h"
#include "option/core/ApplyOutcomeText.h"
#include "option/core/EditorsLock.h"
#include "option/core/LanguageChoice.h"
#include "option/core/MonitorNotices.h"
#include "option/core/ProfileEditing.h"
#include "option/core/ProfileFiles.h"
#include "option/core/ResetDefaults.h"
#include "option/core/SlotDisplay.h"
#include "option/skin/ApplicationStatus.h"
#include "option/skin/SkinButton.h"
#include "option/skin/SkinMessageEvent.h"
#include "settings/FixedText.h"

namespace option::app {
namespace {

QString qtext(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

bool MainWindow::event(QEvent* event)
{
    if (const skin::SkinMessageEvent* message = skin::SkinMessageEvent::from(event)) {
        switch (message->message()) {
        case skin::kCommandMessage:
            onCommand(static_cast<int>(message->wParam()));
            return true;
        case skin::kStatusTextMessage:
            if (statusLine_)
                statusLine_->showHoverText(skin::ApplicationStatus::text());
            return true;
        case kColourIndicatorsMessage:
            refreshColourIndicators();
            return true;
        default:
            return true;
        }
    }
    return SkinWindow::event(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape leaves as Cancel does.
    if (event->key() == Qt::Key_Escape) {
        closeWithoutApplying();
        return;
    }
    SkinWindow::keyPressEvent(event);
}

void MainWindow::onCommand(int controlId)
{
    const Control* control = controlOf(controlId);
    if (!control)
        return;
    switch (control->role) {
    case Role::Tab:
        selectPage(static_cast<PageId>(control->index));
        break;
    case Role::Slot:
    case Role::NameField:
    case Role::Indicator:
        selectProfileSlot(control->index);
        break;
    case Role::Marker:
    case Role::InnerMarker:
        onMarker(control->index);
        break;
    case Role::Create:
        onCreateOrEdit(true);
        break;
    case Role::Edit:
        onCreateOrEdit(false);
        break;
    case Role::Load:
        onLoad();
        break;
    case Role::Save:
        onSave();
        break;
    case Role::Language:
        onLanguage();
        break;
    case Role::Minimize:
        showMinimized();
        break;
    case Role::Ok:
        apply(messages::kApplyChanges);
        close();
        break;
    case Role::Apply:
        apply(messages::kApplyChanges);
        break;
    case Role::Exit:
    case Role::Cancel:
        closeWithoutApplying();
        break;
    case Role::Other:
        break;
    }
}

void MainWindow::selectProfileSlot(int slot)
{
    if (core::selectProfile(*core_.blocks.working, slot))
        refreshAll();
}

void MainWindow::onMarker(int slot)
{
    settings::SettingsBlock& working = *core_.blocks.working;
    if (core::markerClickNeedsConfirmation(working, slot)) {
        WindowsProfileDialog dialog(this, slot + 1);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    core::toggleWindowsProfileMarker(working, slot);
    refreshAll();
}

void MainWindow::onCreateOrEdit(bool create)
{
    settings::SettingsBlock& working = *core_.blocks.working;
    const int slot = working.CurrentProfile;
    if (!settings::isValidProfileIndex(slot))
        return;
    const core::ProfileIdentity current = create ? core::ProfileIdentity{{}, {"", "", ""}}
                                                 : core::profileIdentity(working, slot);
    ProfileDialog dialog(this, systemDialogs(), current);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const core::ProfileIdentity chosen = dialog.identity();
    std::string refusal;
    if (!core::setProfileNameAndGames(working, slot, chosen.name, chosen.gameFiles, refusal)) {
        systemDialogs().showFailure(this, appText(core::TextId::ProfileTextTooLong), qtext(refusal));
        return;
    }
    refreshAll();
}

void MainWindow::onLoad()
{
    const int slot = core_.blocks.working->CurrentProfile;
    if (!settings::isValidProfileIndex(slot))
        return;
    const std::optional<QString> path =
        systemDialogs().profileToLoad(this, qtext(core_.folder.configSubfolder()));
    if (!path)
        return;
    std::string error;
    if (!core::loadProfileIntoEditedSlot(core_, slot, path->toStdString(), error)) {
        systemDialogs().showFailure(this, appText(core::TextId::ProfileLoadFailed), qtext(error));
        return;
    }
    refreshAll();
}

void MainWindow::onSave()
{
    const settings::SettingsBlock& working = *core_.blocks.working;
    const int slot = working.CurrentProfile;
    if (!settings::isValidProfileIndex(slot))
        return;
    const std::string name(settings::fieldText(working.Profiles[slot].ProFileName));
    const std::optional<QString> path =
        systemDialogs().profileToSave(this, qtext(core_.folder.configSubfolder() + name + ".vmp"));
    if (!path)
        return;
    std::string error;
    if (!core::saveSlotToProfileFile(core_, slot, path->toStdString(), error))
        systemDialogs().showFailure(this, appText(core::TextId::ProfileSaveFailed), qtext(error));
}

void MainWindow::onLanguage()
{
    skin::SkinButton* language = button(Role::Language);
    if (!language)
        return;
    LanguagePicker picker(this, core_.blocks.working->QuickHelpLan);
    const std::optional<int> chosen = picker.pick(language->mapToGlobal(QPoint(0, 0)));
    if (!chosen || !core::chooseLanguage(*core_.blocks.working, *chosen))
        return;
    reloadTexts();
    showLanguageFlag();
}

void MainWindow::apply(platform::WParam request)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    enableApply(false);
    // A monitor started or restarted since the last look has a section of its own.
    core::reopenMonitorLink(core_);
    // Held through the copy out, the files and the request, so a zuroctl
    // command running meanwhile builds on this change instead of undoing it.
    const core::EditorsLock editors;
    const core::ApplyOutcome outcome = core::applyChanges(core_, request);
    refreshPage(PageId::MainSettings);
    refreshPage(PageId::Advanced);
    QApplication::restoreOverrideCursor();
    enableApply(true);
    if (statusLine_)
        statusLine_->showNotice(appText(core::applyOutcomeText(outcome)));
}

void MainWindow::enableApply(bool enabled)
{
    for (const Role role : {Role::Ok, Role::Apply})
        if (skin::SkinButton* control = button(role))
            control->setEnabled(enabled);
}

void MainWindow::resetToDefaults()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    core::reopenMonitorLink(core_);
    const core::ApplyOutcome outcome = [&] {
        const core::EditorsLock editors;
        return core::resetToDefaults(core_);
    }();
    QApplication::restoreOverrideCursor();
    refreshAll();
    reloadTexts();
    if (statusLine_)
        statusLine_->showNotice(appText(core::applyOutcomeText(outcome)));
}

void MainWindow::closeWithoutApplying()
{
    if (QWidget* grabber = QWidget::mouseGrabber(); grabber && (grabber == this || isAncestorOf(grabber)))
        grabber->releaseMouse();
    close();
}

}  // namespace option::app

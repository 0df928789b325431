#include "option/app/ButtonPage.h"

#include <QCursor>
#include <QKeyEvent>

#include "option/app/GrabKeySource.h"
#include "option/app/LayoutRows.h"
#include "option/app/MacroManagerDialog.h"
#include "option/app/PlayerDialog.h"
#include "option/app/ProgramLaunchDialog.h"
#include "option/app/ShortcutDialog.h"
#include "option/app/SkinMenuModel.h"
#include "option/app/SystemDialogs.h"
#include "option/app/TimerDialogs.h"
#include "option/core/ButtonEditing.h"
#include "option/core/PlayerChoice.h"
#include "option/core/ShortcutCapture.h"
#include "option/core/TextIds.h"
#include "option/core/TimerDialogs.h"
#include "option/layout/ButtonPageLayout.h"
#include "option/skin/SkinButton.h"
#include "option/skin/SkinMenu.h"
#include "option/skin/SkinMessageEvent.h"
#include "platform/keyboard/KeyboardLayout.h"
#include "platform/system/DebugOutput.h"
#include "settings/OsVersionClass.h"
#include "settings/SettingsBlock.h"
#include "settings/SlotCaption.h"
#include "settings/TimerStore.h"

namespace option::app {
namespace {

namespace page = layout::button_page;
constexpr int kRightId = 300;
constexpr int kLeftId = 301;
constexpr int kMacroManagerId = 302;
// The two areas of the page's mouse drawings, repainted when the hand changes.
const QRect kMouseAreas[] = {QRect(215, 28, 140, 122), QRect(610, 28, 140, 122)};

skin::StateImages stateSet(const QString& prefix)
{
    const QString art = QStringLiteral("buttons");
    return {skin::loadWindowPicture(art, prefix + "normal"), skin::loadWindowPicture(art, prefix + "hover"),
            skin::loadWindowPicture(art, prefix + "pressed"), skin::loadWindowPicture(art, prefix + "disabled")};
}

QString text(const core::TextLibrary& texts, core::TextId id)
{
    const std::optional<std::string_view> found = texts.text(id);
    return found ? QString::fromUtf8(found->data(), static_cast<qsizetype>(found->size())) : QString();
}

}  // namespace

ButtonPage::ButtonPage(QWidget* parent, PageHost& host, std::unique_ptr<core::KeySource> keys)
    : Page(parent, host), keys_(std::move(keys)), layout_(platform::openKeyboardLayout())
{
    if (!keys_)
        keys_ = createDisplayKeySource();
    loadSkin(QStringLiteral("buttons"), skin::ShapeMethod::Rectangle);
    rightBackground_ = background();
    leftBackground_ = skin::loadWindowPicture(QStringLiteral("buttons"), QStringLiteral("background_left"));
    fixedImages_ = stateSet(QStringLiteral("fixed_"));
    unassignedImages_ = stateSet(QStringLiteral("unassigned_"));

    for (int index = 0; index < core::kHoverPictureCount; ++index) {
        auto* label = new QLabel(this);
        const int left = index < page::kNormalHoverPictures ? page::kNormalHoverPictureLeft : page::kShiftHoverPictureLeft;
        label->setGeometry(left, page::kHoverPictureTop, page::kHoverPictureWidth, page::kHoverPictureHeight);
        label->setPixmap(QPixmap::fromImage(
            skin::loadWindowPicture(QStringLiteral("buttons"), QStringLiteral("hover_%1").arg(index, 2, 10, QChar('0')))));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->hide();
        pictures_[static_cast<std::size_t>(index)] = label;
    }
    for (int slot = 0; slot < settings::kButtonSlotCount; ++slot) {
        const QRect rect = layoutRect(layoutRow(page::kWindow.controls, "B" + std::to_string(slot + 1)));
        auto* button = new skin::SkinButton(this, rect, core::kFirstSlotControlId + slot);
        button->setBitmaps(rect, stateImages());
        slots_[static_cast<std::size_t>(slot)] = button;
    }
    right_ = new skin::SkinButton(this, layoutRect(layoutRow(page::kWindow.controls, "right")), kRightId);
    right_->setBitmaps(right_->geometry(), stateImages());
    left_ = new skin::SkinButton(this, layoutRect(layoutRow(page::kWindow.controls, "Left")), kLeftId);
    left_->setBitmaps(left_->geometry(), stateImages());
    macroManager_ = new skin::SkinButton(this, layoutRect(layoutRow(page::kWindow.controls, "Macro Manager")), kMacroManagerId);
    macroManager_->setBitmaps(macroManager_->geometry(), stateImages());
    setFocusPolicy(Qt::StrongFocus);
}

ButtonPage::~ButtonPage() = default;

settings::ProfileRecord* ButtonPage::profile() { return settings::activeProfile(*host().core().blocks.working); }

skin::SkinButton* ButtonPage::slotButton(int slot) const
{
    return settings::isValidButtonSlot(slot) ? slots_[static_cast<std::size_t>(slot)] : nullptr;
}

QLabel* ButtonPage::picture(int index) const
{
    return index >= 0 && index < core::kHoverPictureCount ? pictures_[static_cast<std::size_t>(index)] : nullptr;
}

void ButtonPage::refresh()
{
    for (int slot = 0; slot < settings::kButtonSlotCount; ++slot)
        showSlot(slot);
    showOrientation();
    if (QLabel* shown = picture(shownPicture_))
        shown->hide();
    shownPicture_ = -1;
}

void ButtonPage::reloadTexts(const core::TextLibrary& texts)
{
    macroManager_->setStatusText(text(texts, core::TextId::MacroManager));
    for (int slot = 0; slot < settings::kButtonSlotCount; ++slot)
        slots_[static_cast<std::size_t>(slot)]->setStatusText(
            text(texts, slot < 12 ? core::TextId::ButtonSlot : core::TextId::DualkeySlot));
}

void ButtonPage::showSlot(int slot)
{
    skin::SkinButton* button = slotButton(slot);
    const settings::ProfileRecord* shown = profile();
    if (!button || !shown)
        return;
    switch (core::slotLook(*shown, slot)) {
    case core::SlotLook::Fixed: button->setBitmaps(button->geometry(), fixedImages_); break;
    case core::SlotLook::Unassigned: button->setBitmaps(button->geometry(), unassignedImages_); break;
    case core::SlotLook::Assigned: button->setBitmaps(button->geometry(), stateImages()); break;
    }
    button->setCaption(QString::fromStdString(settings::slotCaption(shown->MacroKeyInfo[slot], *shown, *layout_)));
    button->update();
}

void ButtonPage::showOrientation()
{
    const settings::ProfileRecord* shown = profile();
    const bool leftHand = shown && core::showsLeftHand(*shown);
    left_->setOn(leftHand);
    right_->setOn(!leftHand);
    const QImage& wanted = leftHand && !leftBackground_.isNull() ? leftBackground_ : rightBackground_;
    if (background().cacheKey() != wanted.cacheKey()) {
        setSkin(wanted, stateImages(), skin::ShapeMethod::Rectangle);
        for (const QRect& area : kMouseAreas)
            update(area);
    }
}

void ButtonPage::setOrientation(int orientation)
{
    settings::ProfileRecord* edited = profile();
    if (!edited || !core::setOrientation(*edited, orientation))
        return;
    showOrientation();
}

void ButtonPage::hover(int controlId, bool entering)
{
    const settings::ProfileRecord* shown = profile();
    const std::optional<int> index = shown ? core::hoverPictureIndex(*shown, controlId) : std::nullopt;
    if (!index)
        return;
    if (QLabel* previous = picture(shownPicture_))
        previous->hide();
    shownPicture_ = -1;
    if (entering && picture(*index)) {
        picture(*index)->show();
        shownPicture_ = *index;
    }
}

int ButtonPage::slotUnderPointer() const
{
    const QWidget* under = childAt(mapFromGlobal(QCursor::pos()));
    for (int slot = 0; slot < settings::kButtonSlotCount; ++slot)
        if (slots_[static_cast<std::size_t>(slot)] == under)
            return slot;
    return -1;
}

void ButtonPage::clickSlot(int slot)
{
    settings::ProfileRecord* edited = profile();
    skin::SkinButton* button = slotButton(slot);
    if (!edited || !button || !clicks_.clicked(*edited, slot))
        return;
    core::ApplicationCore& core = host().core();
    const core::ButtonContextMenu model({*edited, slot, core.macros, core.timers, core.parleyDevices,
                                         settings::currentOsVersionClass()});
    skin::SkinMenu menu(this);
    menu.setItemWidth(core::kButtonMenuItemWidth);
    fillSkinMenu(menu, model.items());
    const int command = trackSkinMenu(menu, button->mapToGlobal(QPoint(0, button->height())));
    clicks_.menuClosed(slotUnderPointer());
    if (const std::optional<core::ButtonMenuChoice> choice = model.choiceOf(command))
        runChoice(slot, *choice);
    showSlot(slot);
    setFocus();
}

void ButtonPage::runMenuCommand(int slot, int command)
{
    settings::ProfileRecord* edited = profile();
    if (!edited || !settings::isValidButtonSlot(slot))
        return;
    core::ApplicationCore& core = host().core();
    const core::ButtonContextMenu model({*edited, slot, core.macros, core.timers, core.parleyDevices,
                                         settings::currentOsVersionClass()});
    if (const std::optional<core::ButtonMenuChoice> choice = model.choiceOf(command))
        runChoice(slot, *choice);
    showSlot(slot);
}

void ButtonPage::assign(int slot, const settings::FunctionChoice& choice)
{
    core::ApplicationCore& core = host().core();
    std::string refusal;
    if (!core::assignButton(core, core.blocks.working->CurrentProfile, slot, choice, refusal))
        platform::debugPrintf("ButtonPage: slot %d not assigned: %s\n", slot, refusal.c_str());
    // The shifted partner of a Dualkey key may have changed with it.
    for (int shown = 0; shown < settings::kButtonSlotCount; ++shown)
        showSlot(shown);
}

void ButtonPage::runChoice(int slot, const core::ButtonMenuChoice& choice)
{
    core::ApplicationCore& core = host().core();
    settings::ProfileRecord* edited = profile();
    if (!edited)
        return;
    const settings::ButtonAssignment& current = edited->MacroKeyInfo[slot];
    switch (choice.action) {
    case core::ButtonMenuAction::AssignFunction:
        assign(slot, choice.function);
        break;
    case core::ButtonMenuAction::AssignShortcut: {
        ShortcutDialog dialog(this, *keys_, *layout_, core::ShortcutCapture::forSlot(current));
        if (dialog.exec() == QDialog::Accepted)
            if (const std::optional<core::ShortcutResult> result = dialog.result())
                assign(slot, settings::FunctionChoice::shortcut(result->key, result->modifiers));
        break;
    }
    case core::ButtonMenuAction::AssignProgram: {
        ProgramLaunchDialog dialog(this, host().systemDialogs(),
                                   QString::fromStdString(core::initialProgramPath(current)));
        if (dialog.exec() == QDialog::Accepted)
            assign(slot, settings::FunctionChoice::program(dialog.path().toStdString()));
        break;
    }
    case core::ButtonMenuAction::SelectPlayer: {
        PlayerDialog dialog(this, edited->MediaOption);
        if (dialog.exec() == QDialog::Accepted && !core::playerName(dialog.player()).empty())
            edited->MediaOption = dialog.player();
        break;
    }
    case core::ButtonMenuAction::CreateNewMacro:
        openMacroManager({-1, &current, true});
        break;
    case core::ButtonMenuAction::EditMacroSet:
        openMacroManager({choice.macroSet, &current, false});
        break;
    case core::ButtonMenuAction::CreateTimer: {
        if (!core::canCreateTimer(core.timers))
            break;
        CreateTimerDialog dialog(this, core.timers);
        if (dialog.exec() == QDialog::Accepted && dialog.timer()) {
            core.timers.push_back(*dialog.timer());
            if (!settings::saveTimerStore(core.timers, core.folder.timerStoreFile()))
                host().systemDialogs().showFailure(this, QStringLiteral("The timers could not be saved."),
                                                   QString::fromStdString(core.folder.timerStoreFile()));
        }
        break;
    }
    case core::ButtonMenuAction::EditDeleteTimer: {
        if (!core::TimerListEditing::canOpen(core.timers))
            break;
        EditTimerDialog dialog(this, core.timers);
        if (dialog.exec() == QDialog::Accepted &&
            !settings::saveTimerStore(core.timers, core.folder.timerStoreFile()))
            host().systemDialogs().showFailure(this, QStringLiteral("The timers could not be saved."),
                                               QString::fromStdString(core.folder.timerStoreFile()));
        break;
    }
    }
}

void ButtonPage::openMacroManager(const core::MacroManagerOpening& opening)
{
    core::ApplicationCore& core = host().core();
    MacroManagerDialog dialog(this, *keys_, *layout_, core.macros, opening);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!dialog.acceptInto(core.macros, core.folder.macroStoreFile()))
        host().systemDialogs().showFailure(this, QStringLiteral("The macros could not be saved."),
                                           QString::fromStdString(core.folder.macroStoreFile()));
}

bool ButtonPage::event(QEvent* event)
{
    if (const auto* message = skin::SkinMessageEvent::from(event)) {
        const int id = static_cast<int>(message->message() == skin::kCommandMessage ? message->wParam()
                                                                                    : message->lParam());
        if (message->message() == skin::kCommandMessage) {
            if (id == kRightId)
                setOrientation(core::kOrientationRight);
            else if (id == kLeftId)
                setOrientation(core::kOrientationLeft);
            else if (id == kMacroManagerId)
                openMacroManager({-1, nullptr, false});
            else
                clickSlot(id - core::kFirstSlotControlId);
            return true;
        }
        if (message->message() == skin::kHoverMessage) {
            hover(id, message->wParam() == skin::kEntering);
            return true;
        }
    }
    return Page::event(event);
}

void ButtonPage::keyPressEvent(QKeyEvent* event)
{
    // Escape and Enter do not close the page's window.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    Page::keyPressEvent(event);
}

}  // namespace option::app

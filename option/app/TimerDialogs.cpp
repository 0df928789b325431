#include "option/app/TimerDialogs.h"

#include "option/app/NoticeDialog.h"
#include "option/app/SkinMenuModel.h"
#include "option/layout/NoticeDialogsLayout.h"
#include "option/layout/TimerDialogsLayout.h"
#include "option/skin/BitmapEdit.h"
#include "option/skin/NumberSpin.h"
#include "option/skin/SkinFonts.h"
#include "option/skin/SkinMenu.h"

namespace option::app {
namespace {

constexpr int kTimerMenuFontHeight = 15;

}  // namespace

CreateTimerDialog::CreateTimerDialog(QWidget* parent, const settings::TimerStore& timers)
    : SkinDialog(parent, layout::create_timer::kWindow), timers_(timers)
{
    setWindowTitle(QStringLiteral("Create Timer"));
    name_ = addEdit(row("EDIT_PROFILE_NAME"), static_cast<int>(core::kMaxTimerNameLength));
    seconds_ = addSpin(row("EDIT_SPIN"), core::kMinTimerSeconds, core::kMaxTimerSeconds, core::kFirstTimerSeconds);
    addButton(row("BUTTON_OK"), [this] { onOk(); });
    addButton(row("BUTTON_CANCEL"), [this] { reject(); });
    addButton(row("BUTTON_Exit"), [this] { reject(); });
    name_->setFocus();
}

void CreateTimerDialog::onOk()
{
    timer_ = core::newTimer(timers_, name_->text().toStdString(), seconds_->value());
    if (timer_)
        accept();
}

EditTimerDialog::EditTimerDialog(QWidget* parent, settings::TimerStore& timers)
    : SkinDialog(parent, layout::edit_timer::kWindow), editing_(timers)
{
    setWindowTitle(QStringLiteral("Edit or Delete Timer"));
    list_ = addButton(row("LIST_TIMER"), [this] { openTimerMenu(); });
    name_ = addEdit(row("EDIT_PROFILE_NAME"), static_cast<int>(core::kMaxTimerNameLength));
    seconds_ = addSpin(row("EDIT_SPIN"), core::kMinTimerSeconds, core::kMaxTimerSeconds, core::kFirstTimerSeconds);
    addButton(row("BUTTON_SAVE"), [this] { save(); });
    addButton(row("BUTTON_DELETE"), [this] { deleteCurrent(); });
    addButton(row("BUTTON_OK"), [this] {
        save();
        accept();
    });
    addButton(row("BUTTON_CANCEL"), [this] { reject(); });
    addButton(row("BUTTON_Exit"), [this] { reject(); });
    showCurrent();
}

void EditTimerDialog::showCurrent()
{
    const QString name = QString::fromStdString(editing_.currentName());
    list_->setCaption(name);
    name_->setText(name);
    seconds_->setValue(editing_.current() >= 0 ? editing_.currentSeconds() : core::kFirstTimerSeconds);
}

void EditTimerDialog::openTimerMenu()
{
    skin::SkinMenu menu(this, skin::skinFont(skin::kArialFace, kTimerMenuFontHeight));
    menu.setItemWidth(list_->width());
    const std::vector<std::string> names = editing_.menuNames();
    for (std::size_t i = 0; i < names.size(); ++i)
        menu.appendItem(core::TimerListEditing::kFirstCommand + static_cast<int>(i), QString::fromStdString(names[i]),
                        static_cast<int>(i) == editing_.current());
    chooseTimer(trackSkinMenu(menu, list_->mapToGlobal(QPoint(0, list_->height()))));
}

void EditTimerDialog::chooseTimer(int command)
{
    if (editing_.choose(command))
        showCurrent();
}

void EditTimerDialog::save()
{
    if (editing_.current() >= 0)
        editing_.save(name_->text().toStdString(), seconds_->value());
    showCurrent();
}

void EditTimerDialog::deleteCurrent()
{
    if (editing_.current() < 0)
        return;
    if (!NoticeDialog::confirm(this, layout::notice_dialogs::kDeleteTimer))
        return;
    editing_.removeCurrent();
    showCurrent();
}

}  // namespace option::app

#include "option/app/MacroManagerDialog.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QTimer>

#include "option/app/KeySequencePanel.h"
#include "option/app/MacroSetNameDialog.h"
#include "option/app/NoticeDialog.h"
#include "option/app/SkinMenuModel.h"
#include "option/app/TimelinePanel.h"
#include "option/layout/MacroManagerLayout.h"
#include "option/layout/NoticeDialogsLayout.h"
#include "option/skin/BitmapEdit.h"
#include "option/skin/SkinFonts.h"
#include "option/skin/SkinMessageEvent.h"

namespace option::app {
namespace {

// An empty store asks for the first set's name this long after opening.
constexpr int kFirstSetDelayMs = 100;

}  // namespace

MacroManagerDialog::MacroManagerDialog(QWidget* parent, core::KeySource& keys, const platform::KeyboardLayout& layout,
                                       const settings::MacroStore& store, const core::MacroManagerOpening& opening)
    : SkinDialog(parent, layout::macro_manager::kWindow), manager_(store, opening)
{
    setWindowTitle(QStringLiteral("Zuro Vell Macro Manager"));
    buttons_.push_back(addButton(row("BUTTON_OK"), [this] {
        if (timelineShown())
            timeline_->writeBack();
        accept();
    }));
    buttons_.push_back(addButton(row("BUTTON_Cancel"), [this] { reject(); }));
    buttons_.push_back(addButton(row("BUTTON_Exit"), [this] { reject(); }));
    selector_ = addButton(row("BUTTON_combox_macro_select"), [this] { openSetMenu(); });
    buttons_.push_back(selector_);
    buttons_.push_back(addButton(row("BUTTON_New"), [this] { newMacro(); }));
    buttons_.push_back(addButton(row("BUTTON_Delete"), [this] { deleteMacro(); }));
    buttons_.push_back(addButton(row("BUTTON_Switch_editor"), [this] { switchPanel(); }));
    for (skin::SkinButton* button : buttons_)
        button->setFocusPolicy(Qt::NoFocus);

    list_ = new QListWidget(surface());
    list_->setGeometry(rectOf(row("BUTTON_List_MacroName")));
    list_->setFont(skin::menuItemFont());
    list_->setStyleSheet(QStringLiteral("QListWidget { background: rgb(18,20,24); color: rgb(224,224,224);"
                                        " border: 1px solid rgb(53,160,222); }"
                                        "QListWidget::item:selected { background: rgb(53,160,222); color: white; }"));
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (editingRow_ >= 0 || row < 0 || row == manager_.currentMacro())
            return;
        if (timelineShown())
            timeline_->writeBack();
        manager_.selectMacro(row);
        showCurrent();
    });
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { renameMacro(list_->row(item)); });
    nameEdit_ = new skin::BitmapEdit(surface());
    nameEdit_->setMaxLength(static_cast<int>(core::kMaxMacroNameLength));
    nameEdit_->hide();
    nameEdit_->installEventFilter(this);
    surface()->installEventFilter(this);

    const QRect child = rectOf(row("CHILD_POS"));
    KeySequencePanel::Owner sequenceOwner{[this] { return macroForCommand(); },
                                          [this] { manager_.currentMacroEdited(); },
                                          [this](bool busy) { setBusy(busy); }};
    keySequence_ = new KeySequencePanel(surface(), keys, layout, std::move(sequenceOwner));
    keySequence_->move(child.topLeft());
    TimelinePanel::Owner timelineOwner{[this] { return macroForCommand(); },
                                       [this] { manager_.currentMacroEdited(); },
                                       [this](bool busy) { setBusy(busy); }};
    timeline_ = new TimelinePanel(surface(), keys, layout, std::move(timelineOwner));
    timeline_->move(child.topLeft());
    timeline_->hide();

    showCurrent();
    if (manager_.opensSetDialogAtOnce())
        QTimer::singleShot(kFirstSetDelayMs, this, [this] { addSet(); });
}

MacroManagerDialog::~MacroManagerDialog() = default;

void MacroManagerDialog::done(int result)
{
    keySequence_->showMacro(nullptr);
    timeline_->showMacro(nullptr);
    SkinDialog::done(result);
}

bool MacroManagerDialog::acceptInto(settings::MacroStore& store, const std::string& path)
{
    return manager_.acceptInto(store, path);
}

bool MacroManagerDialog::timelineShown() const { return timeline_->isVisibleTo(surface()); }

void MacroManagerDialog::showCurrent()
{
    selector_->setCaption(QString::fromStdString(manager_.currentSetName()));
    refillList();
    settings::MacroRecord* macro = manager_.currentMacroRecord();
    keySequence_->showMacro(macro);
    timeline_->showMacro(macro);
}

void MacroManagerDialog::refillList()
{
    const QSignalBlocker blocker(list_);
    list_->clear();
    for (const std::string& name : manager_.macroNames())
        list_->addItem(QString::fromStdString(name));
    list_->setCurrentRow(manager_.currentMacro());
}

void MacroManagerDialog::openSetMenu()
{
    skin::SkinMenu menu(this);
    menu.setItemWidth(selector_->width());
    fillSkinMenu(menu, manager_.setSelectorMenu());
    runSetCommand(trackSkinMenu(menu, selector_->mapToGlobal(QPoint(0, selector_->height()))));
}

void MacroManagerDialog::runSetCommand(int command)
{
    if (command == 0)
        return;
    if (timelineShown())
        timeline_->writeBack();
    if (command == core::MacroManager::kAddSetCommand) {
        addSet();
        return;
    }
    if (command == core::MacroManager::kDeleteSetCommand) {
        if (manager_.currentSet() < 0 || !NoticeDialog::confirm(this, layout::notice_dialogs::kDeleteSet))
            return;
        manager_.deleteCurrentSet();
    } else if (!manager_.chooseSet(command - core::MacroManager::kFirstSetCommand)) {
        return;
    }
    showCurrent();
}

void MacroManagerDialog::addSet()
{
    MacroSetNameDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (manager_.addSet(dialog.name().toStdString()))
        showCurrent();
}

void MacroManagerDialog::newMacro()
{
    switch (manager_.beginNewMacro()) {
    case core::MacroManager::NewMacroStart::NoSetNotice:
        NoticeDialog::tell(this, layout::notice_dialogs::kNoSet);
        return;
    case core::MacroManager::NewMacroStart::Full:
        return;
    case core::MacroManager::NewMacroStart::EditName:
        break;
    }
    list_->addItem(QString());
    editingNew_ = true;
    renameMacro(list_->count() - 1);
}

void MacroManagerDialog::renameMacro(int row)
{
    QListWidgetItem* item = list_->item(row);
    if (!item || editingRow_ >= 0)
        return;
    editingRow_ = row;
    list_->scrollToItem(item);
    const QRect rect = list_->visualItemRect(item);
    nameEdit_->setGeometry(rect.translated(list_->viewport()->mapTo(surface(), QPoint(0, 0))));
    nameEdit_->setText(item->text());
    nameEdit_->selectAll();
    nameEdit_->show();
    nameEdit_->raise();
    nameEdit_->setFocus();
}

void MacroManagerDialog::endNameEdit(bool commit)
{
    if (editingRow_ < 0)
        return;
    const int row = editingRow_;
    const bool isNew = editingNew_;
    editingRow_ = -1;
    editingNew_ = false;
    nameEdit_->hide();
    const std::string name = nameEdit_->text().toStdString();
    if (commit) {
        if (timelineShown())
            timeline_->writeBack();
        if (isNew ? manager_.commitNewMacro(name) : manager_.renameMacro(row, name)) {
            showCurrent();
            return;
        }
    }
    refillList();  // a refused or cancelled name: the new row goes, a renamed one keeps its name
}

void MacroManagerDialog::deleteMacro()
{
    if (manager_.currentMacro() < 0) {
        NoticeDialog::tell(this, layout::notice_dialogs::kNoMacroSelected);
        return;
    }
    if (!NoticeDialog::confirm(this, layout::notice_dialogs::kDeleteMacro))
        return;
    manager_.deleteCurrentMacro();
    showCurrent();
}

void MacroManagerDialog::switchPanel()
{
    if (timelineShown()) {
        timeline_->writeBack();
        timeline_->hide();
        keySequence_->showMacro(manager_.currentMacroRecord());
        keySequence_->show();
    } else {
        keySequence_->hide();
        timeline_->showMacro(manager_.currentMacroRecord());
        timeline_->show();
        timeline_->setFocus();
    }
}

settings::MacroRecord* MacroManagerDialog::macroForCommand()
{
    switch (manager_.missingMacro()) {
    case core::MissingMacro::NoSet:
        NoticeDialog::tell(this, layout::notice_dialogs::kNoSet);
        return nullptr;
    case core::MissingMacro::NoMacro:
        NoticeDialog::tell(this, layout::notice_dialogs::kNoMacro);
        return nullptr;
    case core::MissingMacro::None:
        break;
    }
    return manager_.currentMacroRecord();
}

void MacroManagerDialog::setBusy(bool busy)
{
    for (skin::SkinButton* button : buttons_)
        button->setEnabled(!busy);
    list_->setEnabled(!busy);
}

bool MacroManagerDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == nameEdit_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        endNameEdit(false);
        return true;
    }
    if (watched == surface()) {
        if (const auto* message = skin::SkinMessageEvent::from(event)) {
            if ((message->message() == skin::kEditChangedMessage && message->wParam() == skin::kEditEnter) ||
                message->message() == skin::editKillFocusMessage()) {
                endNameEdit(true);
                return true;
            }
        }
    }
    return SkinDialog::eventFilter(watched, event);
}

void MacroManagerDialog::keyPressEvent(QKeyEvent* event)
{
    // Enter and Esc do not close the manager.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    SkinDialog::keyPressEvent(event);
}

}  // namespace option::app

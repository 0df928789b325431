#include "option/app/KeySequencePanel.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>

#include "option/app/LayoutRows.h"
#include "option/app/SkinMenuModel.h"
#include "option/layout/MacroManagerLayout.h"
#include "option/skin/BitmapEdit.h"
#include "option/skin/SkinButton.h"
#include "option/skin/SkinFonts.h"
#include "option/skin/SkinMenu.h"
#include "option/skin/SkinMessageEvent.h"

namespace option::app {
namespace {

namespace panel = layout::macro_keyseq;
constexpr int kMaxDelayDigits = 20;
constexpr int kMaxLoopDigits = 3;

enum Control { kRecord = 1, kDelays, kLoop };

// A small mark of the row's kind before its text.
QIcon kindIcon(core::SequenceRowKind kind)
{
    QPixmap mark(10, 10);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    switch (kind) {
    case core::SequenceRowKind::Delay:
        painter.setBrush(QColor(150, 150, 150));
        painter.drawEllipse(QRectF(2, 2, 6, 6));
        break;
    case core::SequenceRowKind::KeyPress:
        painter.setBrush(QColor(53, 160, 222));
        painter.drawPolygon(QPolygonF({QPointF(1, 2), QPointF(9, 2), QPointF(5, 9)}));
        break;
    case core::SequenceRowKind::KeyRelease:
        painter.setBrush(QColor(68, 191, 255));
        painter.drawPolygon(QPolygonF({QPointF(1, 8), QPointF(9, 8), QPointF(5, 1)}));
        break;
    case core::SequenceRowKind::MouseButton:
        painter.setBrush(QColor(222, 160, 53));
        painter.drawRoundedRect(QRectF(2, 1, 6, 8), 2, 2);
        break;
    }
    return QIcon(mark);
}

skin::StateImages statePictures(const QString& prefix)
{
    const QString art = QString::fromUtf8(panel::kWindow.art.data(), static_cast<qsizetype>(panel::kWindow.art.size()));
    return {skin::loadWindowPicture(art, prefix + "normal"), skin::loadWindowPicture(art, prefix + "hover"),
            skin::loadWindowPicture(art, prefix + "pressed"), skin::loadWindowPicture(art, prefix + "disabled")};
}

}  // namespace

KeySequencePanel::KeySequencePanel(QWidget* parent, core::KeySource& keys, const platform::KeyboardLayout& layout,
                                   Owner owner)
    : SkinWindow(parent),
      keys_(keys),
      observed_(keys, [this] { afterRecordedKey(); }),
      layout_(layout),
      owner_(std::move(owner)),
      recording_(observed_)
{
    loadSkin(QStringLiteral("macro_keyseq"), skin::ShapeMethod::Rectangle);
    const QRect recordRect = layoutRect(layoutRow(panel::kWindow.controls, "BUTTON_Start_Record"));
    recordFaces_ = skin::cutStateImages(stateImages(), recordRect);
    stopFaces_ = skin::cutStateImages(statePictures(QStringLiteral("stop_")), recordRect);
    record_ = new skin::SkinButton(this, recordRect, kRecord);
    record_->setFaces(recordFaces_);
    delays_ = new skin::SkinButton(this, layoutRect(layoutRow(panel::kWindow.controls, "BUTTON_Delay_ON_OFF")), kDelays);
    delays_->setBitmaps(delays_->geometry(), stateImages());
    delays_->setCheckable(true);
    loop_ = new skin::SkinButton(this, layoutRect(layoutRow(panel::kWindow.controls, "BUTTON_LoopTimes_ON_OFF")), kLoop);
    loop_->setBitmaps(loop_->geometry(), stateImages());
    loop_->setCheckable(true);
    for (skin::SkinButton* button : {record_, delays_, loop_})
        button->setFocusPolicy(Qt::NoFocus);  // Space and Enter press no button here

    times_ = new skin::BitmapEdit(this);
    times_->setGeometry(layoutRect(layoutRow(panel::kWindow.controls, "Edit_Times")));
    times_->setNumeric(true);
    times_->setMaxLength(kMaxLoopDigits);

    list_ = new QListWidget(this);
    list_->setGeometry(layoutRect(layoutRow(panel::kWindow.controls, "BUTTON_List_key_sequence")));
    list_->setFont(skin::menuItemFont());
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->setStyleSheet(QStringLiteral("QListWidget { background: rgb(18,20,24); color: rgb(224,224,224);"
                                        " border: 1px solid rgb(53,160,222); }"
                                        "QListWidget::item:selected { background: rgb(53,160,222); color: white; }"));
    connect(list_, &QListWidget::customContextMenuRequested, this, &KeySequencePanel::openContextMenu);

    delayEdit_ = new skin::BitmapEdit(this);  // its reports come to the panel
    delayEdit_->setNumeric(true);
    delayEdit_->setMaxLength(kMaxDelayDigits);
    delayEdit_->hide();
    delayEdit_->installEventFilter(this);
    showMacro(nullptr);
}

KeySequencePanel::~KeySequencePanel() { recording_.stop(); }

void KeySequencePanel::showMacro(settings::MacroRecord* macro)
{
    if (recording_.recording())
        stopRecording();
    macro_ = macro;
    showing_ = true;
    loop_->setOn(macro_ && core::loopBoxChecked(*macro_));
    times_->setText(macro_ ? QString::number(core::loopTimesShown(*macro_)) : QString());
    showing_ = false;
    refill(-1);
}

void KeySequencePanel::refill(int touchedEvent)
{
    delayEdit_->hide();
    list_->clear();
    rows_ = macro_ ? core::keySequenceRows(*macro_, layout_) : std::vector<core::SequenceRow>{};
    int touchedRow = -1;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const core::SequenceRow& row = rows_[i];
        list_->addItem(new QListWidgetItem(kindIcon(row.kind), QString::fromStdString(row.text)));
        if (touchedRow < 0 && touchedEvent >= 0 && row.eventNumber == touchedEvent + 1 &&
            row.kind != core::SequenceRowKind::Delay)
            touchedRow = static_cast<int>(i);
    }
    if (touchedRow >= 0) {
        list_->setCurrentRow(touchedRow);
        const int rowHeight = std::max(1, list_->sizeHintForRow(0));
        const int visible = std::max(1, list_->viewport()->height() / rowHeight);
        list_->verticalScrollBar()->setValue(
            core::sequenceTopRow(touchedRow, static_cast<int>(rows_.size()), visible));
    }
}

core::SelectedRow KeySequencePanel::selectedRow() const
{
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(rows_.size()) || !list_->currentItem() || !list_->currentItem()->isSelected())
        return std::nullopt;
    return rows_[static_cast<std::size_t>(row)];
}

void KeySequencePanel::startOrStopRecording()
{
    if (recording_.recording()) {
        stopRecording();
        return;
    }
    if (owner_.macroForCommand() == nullptr)
        return;
    startRecording(0, true);
}

void KeySequencePanel::startRecording(int insertAt, bool empty)
{
    macro_ = owner_.macroForCommand();
    if (!macro_)
        return;
    if (empty) {
        recording_.startEmpty(delays_->isOn());
        recording_.writeTo(*macro_);
        refill(-1);
    } else {
        recording_.start(*macro_, insertAt, delays_->isOn());
    }
    record_->setFaces(stopFaces_);
    list_->setEnabled(false);
    if (owner_.recording)
        owner_.recording(true);
    setFocus();
}

void KeySequencePanel::afterRecordedKey()
{
    if (!macro_)
        return;
    recording_.writeTo(*macro_);
    refill(recording_.lastInserted());
    if (!recording_.recording())
        stopRecording();  // the macro is full
}

void KeySequencePanel::stopRecording()
{
    recording_.stop();
    record_->setFaces(recordFaces_);
    list_->setEnabled(true);
    if (macro_) {
        recording_.writeTo(*macro_);
        owner_.edited();
    }
    if (owner_.recording)
        owner_.recording(false);
    refill(recording_.lastInserted());
}

void KeySequencePanel::openContextMenu(const QPoint& position)
{
    if (recording_.recording())
        return;
    skin::SkinMenu menu(this);
    menu.setItemWidth(150);
    using core::SequenceCommand;
    menu.appendItem(static_cast<int>(SequenceCommand::RecordBefore), QStringLiteral("Start Record before"));
    menu.appendItem(static_cast<int>(SequenceCommand::RecordAfter), QStringLiteral("Start Record after"));
    menu.appendItem(static_cast<int>(SequenceCommand::InsertDelay), QStringLiteral("Insert Delay"));
    skin::SkinMenu* mouse = menu.appendSubmenu(QStringLiteral("Insert Mouse Event"));
    const char* const buttons[] = {"Left Button", "Right Button", "Wheel"};
    for (int button = 0; button < 3; ++button) {
        skin::SkinMenu* actions = mouse->appendSubmenu(QString::fromLatin1(buttons[button]));
        const int first = static_cast<int>(SequenceCommand::FirstMouseEvent) + 3 * button;
        actions->appendItem(first, QStringLiteral("Down"));
        actions->appendItem(first + 1, QStringLiteral("Up"));
        actions->appendItem(first + 2, QStringLiteral("Click"));
    }
    menu.appendItem(static_cast<int>(SequenceCommand::EditDelay), QStringLiteral("Edit Delay"));
    menu.appendItem(static_cast<int>(SequenceCommand::Delete), QStringLiteral("Delete"));
    runCommand(trackSkinMenu(menu, list_->viewport()->mapToGlobal(position)));
}

void KeySequencePanel::runCommand(int command)
{
    if (command == 0 || recording_.recording())
        return;
    settings::MacroRecord* macro = owner_.macroForCommand();
    if (!macro)
        return;
    macro_ = macro;
    const core::SelectedRow row = selectedRow();
    using core::SequenceCommand;
    bool changed = false;
    int touched = row ? row->eventNumber - 1 : -1;
    switch (command) {
    case static_cast<int>(SequenceCommand::RecordBefore):
    case static_cast<int>(SequenceCommand::RecordAfter):
        startRecording(core::recordInsertionPoint(*macro, row, command == static_cast<int>(SequenceCommand::RecordBefore)),
                       false);
        return;
    case static_cast<int>(SequenceCommand::InsertDelay):
        changed = core::insertDelay(*macro, row);
        touched -= 1;
        break;
    case static_cast<int>(SequenceCommand::EditDelay):
        openDelayEdit();
        return;
    case static_cast<int>(SequenceCommand::Delete):
        changed = core::deleteSequenceRow(*macro, row);
        touched = std::min(touched, core::eventCount(*macro) - 1);
        break;
    default:
        if (command >= static_cast<int>(SequenceCommand::FirstMouseEvent) &&
            command <= static_cast<int>(SequenceCommand::LastMouseEvent)) {
            changed = core::insertMouseEvent(*macro, command, row);
            if (!row)
                touched = core::eventCount(*macro) - 1;
        }
        break;
    }
    if (changed) {
        owner_.edited();
        refill(touched);
    }
}

void KeySequencePanel::openDelayEdit()
{
    const core::SelectedRow row = selectedRow();
    if (!row || row->kind != core::SequenceRowKind::Delay)
        return;
    const QRect rect = list_->visualItemRect(list_->currentItem());
    delayEdit_->setGeometry(rect.translated(list_->viewport()->mapTo(this, QPoint(0, 0))));
    delayEdit_->raise();
    const int event = row->eventNumber - 1;
    delayEdit_->setText(QString::number(macro_ ? macro_->Events[event].DelayMs : 0));
    delayEdit_->selectAll();
    delayEdit_->show();
    delayEdit_->setFocus();
}

void KeySequencePanel::endDelayEdit(const QString& text, bool commit)
{
    if (!delayEdit_->isVisible())
        return;
    delayEdit_->hide();
    const core::SelectedRow row = selectedRow();
    if (!commit || !macro_ || !row)
        return;
    if (core::setDelay(*macro_, row, text.toStdString())) {
        owner_.edited();
        refill(row->eventNumber - 1);
    }
}

void KeySequencePanel::loopChanged()
{
    if (showing_ || !macro_)
        return;
    const int times = core::clampedLoopTimes(times_->text().toStdString());
    if (!times_->text().isEmpty() && times_->text() != QString::number(times))
        times_->setText(QString::number(times));
    core::setLoopTimes(*macro_, loop_->isOn(), times);
    owner_.edited();
}

bool KeySequencePanel::event(QEvent* event)
{
    if (const auto* message = skin::SkinMessageEvent::from(event)) {
        if (message->message() == skin::kCommandMessage) {
            if (message->wParam() == kRecord)
                startOrStopRecording();
            else if (message->wParam() == kLoop)
                loopChanged();
            return true;
        }
        if (message->message() == skin::kEditChangedMessage) {
            if (delayEdit_->isVisible() && message->wParam() == skin::kEditEnter)
                endDelayEdit(delayEdit_->text(), true);
            else if (!delayEdit_->isVisible())
                loopChanged();
            return true;
        }
        if (message->message() == skin::editKillFocusMessage()) {
            endDelayEdit(delayEdit_->text(), true);
            return true;
        }
    }
    return SkinWindow::event(event);
}

bool KeySequencePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == delayEdit_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        endDelayEdit({}, false);
        return true;
    }
    return SkinWindow::eventFilter(watched, event);
}

void KeySequencePanel::keyPressEvent(QKeyEvent* event)
{
    // Enter, Esc and Space stay here: recording them presses no button.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Space:
        event->accept();
        return;
    default:
        SkinWindow::keyPressEvent(event);
    }
}

}  // namespace option::app

#include "option/skin/BitmapEdit.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QPalette>

#include "option/skin/ApplicationStatus.h"
#include "option/skin/SkinFonts.h"
#include "option/skin/SkinMessageEvent.h"
#include "option/skin/logic/NumericFilter.h"

namespace option::skin {
namespace {

const QColor kTextColour(36, 36, 36);

EditKey editKeyOf(const QKeyEvent& event)
{
    const int key = event.key();
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return keypad ? EditKey::KeypadDigit : EditKey::Digit;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return EditKey::Enter;
    case Qt::Key_Left: return EditKey::Left;
    case Qt::Key_Right: return EditKey::Right;
    case Qt::Key_Home: return EditKey::Home;
    case Qt::Key_End: return EditKey::End;
    case Qt::Key_Backspace: return EditKey::Backspace;
    case Qt::Key_Delete: return EditKey::Delete;
    case Qt::Key_Minus: return EditKey::Minus;
    case Qt::Key_Plus: return EditKey::Plus;
    default: return EditKey::Other;
    }
}

// What a user expects of any edit box; whatever they bring in is filtered as
// text afterwards.
bool isEditingShortcut(QKeyEvent* event)
{
    return event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Copy) ||
           event->matches(QKeySequence::Cut) || event->matches(QKeySequence::SelectAll) ||
           event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo);
}

bool isEnter(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

}  // namespace

BitmapEdit::BitmapEdit(QWidget* parent) : QLineEdit(parent)
{
    setFrame(false);
    QPalette colours = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, Qt::white);
        colours.setColor(group, QPalette::Text, kTextColour);
    }
    setPalette(colours);
    setFont(editFont());
    connect(this, &QLineEdit::textChanged, this, &BitmapEdit::filterText);
}

void BitmapEdit::setNumeric(bool numeric)
{
    numeric_ = numeric;
    filterText(text());
}

void BitmapEdit::setSigned(bool isSigned)
{
    signed_ = isSigned;
    filterText(text());
}

void BitmapEdit::setFontSize(int height, int width)
{
    setFont(skinFont(kArialFace, height, width));
}

void BitmapEdit::setStatusText(const QString& text)
{
    statusText_ = text;
    setAccessibleDescription(text);
}

void BitmapEdit::filterText(const QString& text)
{
    if (numeric_) {
        const QString kept = QString::fromStdString(filterNumericText(text.toStdString(), signed_));
        if (kept != text) {
            const int caret = cursorPosition() - static_cast<int>(text.size() - kept.size());
            setText(kept);  // changes the text again: that change is the one reported
            setCursorPosition(std::max(0, caret));
            return;
        }
    }
    postSkinMessage(parentWidget(), kEditChangedMessage, kEditChanged, 0);
}

void BitmapEdit::keyPressEvent(QKeyEvent* event)
{
    if (!keyReachesEdit(editKeyOf(*event), numeric_) && !isEditingShortcut(event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void BitmapEdit::keyReleaseEvent(QKeyEvent* event)
{
    QLineEdit::keyReleaseEvent(event);
    if (isEnter(*event) && !event->isAutoRepeat()) postSkinMessage(parentWidget(), kEditChangedMessage, kEditEnter, 0);
}

void BitmapEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    postSkinMessage(parentWidget(), editKillFocusMessage(), 0, 0);
}

void BitmapEdit::enterEvent(QEnterEvent* event)
{
    QLineEdit::enterEvent(event);
    if (statusText_ != ApplicationStatus::text()) ApplicationStatus::enter(statusText_);
}

}  // namespace option::skin

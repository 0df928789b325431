#include "option/skin/NumberSpin.h"

#include <QSignalBlocker>

#include "option/skin/BitmapEdit.h"
#include "option/skin/SkinButton.h"
#include "option/skin/SkinMessageEvent.h"

namespace option::skin {
namespace {

constexpr int kUpButtonId = 1;
constexpr int kDownButtonId = 2;

}  // namespace

NumberSpin::NumberSpin(QWidget* parent, const QRect& rect, int controlId, QObject* owner)
    : QWidget(parent),
      controlId_(controlId),
      owner_(owner ? owner : parent),
      edit_(new BitmapEdit(this)),
      up_(new SkinButton(this, QRect(), kUpButtonId)),
      down_(new SkinButton(this, QRect(), kDownButtonId))
{
    edit_->setNumeric(true);
    for (SkinButton* arrow : {up_, down_}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
    }
    setGeometry(rect);
    setRange(range_.minimum, range_.maximum);
    setValue(0);
}

void NumberSpin::setRange(int minimum, int maximum)
{
    range_.minimum = minimum;
    range_.maximum = std::max(minimum, maximum);
    edit_->setSigned(numberSpinSigned(range_));
    edit_->setMaxLength(numberSpinTextLength(range_));
}

void NumberSpin::setStep(int step)
{
    range_.step = step;
}

void NumberSpin::setValue(int value)
{
    value_ = std::clamp(value, range_.minimum, range_.maximum);
    showText(QString::number(value_), true);
}

void NumberSpin::setArrowFaces(const StateImages& up, const StateImages& down)
{
    up_->setFaces(up);
    down_->setFaces(down);
}

void NumberSpin::setStatusText(const QString& text)
{
    edit_->setStatusText(text);
    up_->setStatusText(text);
    down_->setStatusText(text);
}

void NumberSpin::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int arrowsLeft = std::max(0, width() - kArrowWidth);
    const int arrowsTop = std::max(0, (height() - 2 * kArrowHeight) / 2);
    edit_->setGeometry(0, 0, arrowsLeft, height());
    up_->setGeometry(arrowsLeft, arrowsTop, kArrowWidth, kArrowHeight);
    down_->setGeometry(arrowsLeft, arrowsTop + kArrowHeight, kArrowWidth, kArrowHeight);
}

// The box's own replacements do not come back as changes: they are the result
// of a change already handled.
void NumberSpin::showText(const QString& text, bool caretToEnd)
{
    const QSignalBlocker quiet(edit_);
    if (edit_->text() != text) edit_->setText(text);
    if (caretToEnd) edit_->setCursorPosition(static_cast<int>(text.size()));
}

void NumberSpin::applyEdit(bool enter)
{
    const SpinEdit edit = editNumberSpin(edit_->text().toStdString(), enter, range_);
    showText(QString::fromStdString(edit.text), edit.caretToEnd);
    value_ = edit.value;
    if (edit.notifyOwner) postSkinMessage(owner_.data(), kSpinValueMessage, wParamOfInt(value_), controlId_);
}

void NumberSpin::step(int direction)
{
    const auto next = stepNumberSpin(value_, direction, range_);
    if (!next) return;
    showText(QString::number(*next), true);
    applyEdit(false);
}

bool NumberSpin::event(QEvent* event)
{
    const SkinMessageEvent* message = SkinMessageEvent::from(event);
    if (!message) return QWidget::event(event);
    if (message->message() == kEditChangedMessage) {
        applyEdit(message->wParam() == kEditEnter);
    } else if (message->message() == editKillFocusMessage()) {
        // Leaving the box settles what was typed, as Enter does.
        applyEdit(true);
    } else if (message->message() == kCommandMessage) {
        step(message->wParam() == kUpButtonId ? +1 : -1);
    }
    return true;
}

}  // namespace option::skin

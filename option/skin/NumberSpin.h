#pragma once
// A numeric BitmapEdit with an up and a down button (16x8 each, stacked at its
// right edge). Minimum, maximum and step are 0, 10 and 1 until set; a negative
// minimum allows a sign. Every change the user makes (typing, Enter, the
// buttons) posts kSpinValueMessage (wParam = value via wParamOfInt, lParam =
// control id) to the owner, except while the typed value is still below the
// minimum. Leaving the box settles the typed value as Enter does. setValue
// shows a value without telling the owner.

#include <QPointer>
#include <QWidget>

#include "option/skin/SkinImages.h"
#include "option/skin/logic/NumberSpinEditing.h"

namespace option::skin {

class BitmapEdit;
class SkinButton;

class NumberSpin : public QWidget {
    Q_OBJECT
public:
    // The owner receives the value messages; the parent when owner is null.
    NumberSpin(QWidget* parent, const QRect& rect, int controlId, QObject* owner = nullptr);

    void setRange(int minimum, int maximum);
    void setStep(int step);
    const SpinRange& range() const { return range_; }
    void setValue(int value);
    int value() const { return value_; }
    int controlId() const { return controlId_; }

    void setArrowFaces(const StateImages& up, const StateImages& down);
    void setStatusText(const QString& text);

    BitmapEdit* edit() const { return edit_; }
    SkinButton* upButton() const { return up_; }
    SkinButton* downButton() const { return down_; }

    // The buttons' size.
    static constexpr int kArrowWidth = 16;
    static constexpr int kArrowHeight = 8;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyEdit(bool enter);
    void step(int direction);
    void showText(const QString& text, bool caretToEnd);

    int controlId_;
    QPointer<QObject> owner_;
    SpinRange range_;
    int value_ = 0;
    BitmapEdit* edit_;
    SkinButton* up_;
    SkinButton* down_;
};

}  // namespace option::skin

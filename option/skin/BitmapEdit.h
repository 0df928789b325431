#pragma once
// A one-line edit box of the skin: RGB(36,36,36) text on white, "Arial" 14.
//
// - Numeric mode: only digits, Enter, the caret keys, Backspace, Delete, minus
//   and plus reach it (and the clipboard, select-all and undo shortcuts); any
//   text that gets in, typed or pasted, keeps only its digits, and its signs
//   in signed mode.
// - Each change posts kEditChangedMessage (kEditChanged) to the parent; Enter,
//   when released, posts kEditChangedMessage (kEditEnter); losing the focus
//   posts editKillFocusMessage().
// - The mouse entering sets the application's status text to the box's.

#include <QLineEdit>

namespace option::skin {

class BitmapEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit BitmapEdit(QWidget* parent = nullptr);

    void setNumeric(bool numeric);
    bool isNumeric() const { return numeric_; }
    void setSigned(bool isSigned);
    bool isSigned() const { return signed_; }
    // Pixel height and average character width ("Arial" 14 and 6 by default).
    void setFontSize(int height, int width);
    void setStatusText(const QString& text);
    QString statusText() const { return statusText_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    void filterText(const QString& text);

    bool numeric_ = false;
    bool signed_ = false;
    QString statusText_;
};

}  // namespace option::skin

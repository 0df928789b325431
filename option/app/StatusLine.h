#pragma once
// The main window's status line: one left-aligned, vertically centred line in
// RGB(100,100,100) over its own picture. It shows the status text of the control
// under the mouse; a notice (what became of an apply) stays until the mouse
// enters the next control.
#include <QFont>
#include <QImage>
#include <QWidget>

namespace option::app {

class StatusLine final : public QWidget {
    Q_OBJECT
public:
    StatusLine(QWidget* parent, const QRect& rect, const QImage& picture);

    // The mouse entered a control with this status text, or left it ("").
    void showHoverText(const QString& text);
    void showNotice(const QString& text);
    // Japanese and Russian take the system's face, which has their letters.
    void useSystemFace(bool systemFace);

    QString text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setText(const QString& text);

    QImage picture_;
    QString text_;
    QString notice_;
    QFont font_;
};

}  // namespace option::app

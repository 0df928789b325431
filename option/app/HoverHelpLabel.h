#pragma once
// A picture or text that describes itself in the main window's status line
// while the pointer is over it, like the skin's buttons do.
#include <QLabel>
#include <QString>

namespace option::app {

class HoverHelpLabel final : public QLabel {
    Q_OBJECT
public:
    explicit HoverHelpLabel(QWidget* parent) : QLabel(parent) {}

    void setStatusText(const QString& text) { statusText_ = text; }
    QString statusText() const { return statusText_; }

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QString statusText_;
    bool hovered_ = false;
};

}  // namespace option::app

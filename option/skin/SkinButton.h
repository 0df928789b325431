#pragma once
// A button drawn from four pictures (normal, hover, pressed, disabled), usually
// cut from its window's four page-sized state images at the button's place.
//
// - Click: sends kCommandMessage (wParam = control id) to the parent and emits
//   command(id). A checkable button toggles its on state first.
// - On state: a checkable button's checked state; on a push button a mark
//   (active tab, current slot) that shows the pressed face while enabled.
// - Hover: the mouse entering posts kHoverMessage (kEntering, id) to the parent
//   and sets the application's status text (ApplicationStatus); leaving posts
//   kHoverMessage (kLeaving, id) and empties it.
// - A button placed at a rectangle with no area exists but is never seen.
// The status text never pops up as a tooltip: the main window's status line
// shows it.

#include <QAbstractButton>
#include <QString>

#include "option/layout/LayoutEntry.h"
#include "option/skin/SkinImages.h"
#include "option/skin/logic/ButtonFace.h"

namespace option::skin {

class SkinButton : public QAbstractButton {
    Q_OBJECT
public:
    SkinButton(QWidget* parent, const QRect& rect, int controlId);
    // Placed at the entry's rectangle with its status text and its faces cut
    // from `pageImages`.
    static SkinButton* fromLayout(QWidget* parent, const layout::LayoutEntry& entry, int controlId,
                                  const StateImages& pageImages);

    // Moves the button to `rect` and cuts its four faces from the page-sized
    // images there.
    void setBitmaps(const QRect& rect, const StateImages& pageImages);
    // Faces of the button's own size (spin arrows, pictures of its own).
    void setFaces(const StateImages& faces);
    const StateImages& faces() const { return faces_; }

    int controlId() const { return controlId_; }
    void setStatusText(const QString& text);
    QString statusText() const { return statusText_; }
    // Drawn over the face in RGB(224,224,224), 5 pixels from the left; most
    // buttons have none (their words are part of the artwork).
    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    // Adds a small "TM" after the caption.
    void setTrademark(bool trademark);
    void setHandCursor(bool hand);

    // Repaints only when the state changes.
    void setOn(bool on);
    bool isOn() const;

    ButtonFace currentFace() const;
    bool isHovered() const { return hover_; }

signals:
    void command(int controlId);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void endHover();
    void sendCommand();

    int controlId_;
    StateImages faces_;
    QString statusText_;
    QString caption_;
    bool trademark_ = false;
    bool pushOn_ = false;  // the on mark of a push button
    bool hover_ = false;
};

}  // namespace option::skin

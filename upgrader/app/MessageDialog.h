#pragma once
// The upgrader's four message dialogs. Their wording is part of their pictures
// (skin/upgrader_<kind>/); the confirmation has OK and Cancel, the others OK.
// A dialog is application-modal, answers once through answered() and then
// closes and deletes itself.

#include <QString>

#include "option/skin/SkinWindow.h"

namespace upgrader::app {

enum class DialogKind { Confirm, Notice, Success, Failure };
enum class DialogAnswer { Ok, Cancel };

// The window title of each dialog.
QString dialogTitle(DialogKind kind);

class MessageDialog : public option::skin::SkinWindow {
    Q_OBJECT
public:
    explicit MessageDialog(DialogKind kind);

    DialogKind kind() const { return kind_; }
    // Shows the dialog in the middle of the screen.
    void present();

signals:
    void answered(upgrader::app::DialogAnswer answer);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void answer(DialogAnswer answer);

    DialogKind kind_;
    bool answered_ = false;
};

// Moves a top-level window to the middle of its screen.
void centerOnScreen(QWidget& window);

}  // namespace upgrader::app

#pragma once
// The application-wide status text: the one-line description of the control
// under the mouse, and the main window that shows it. Skin controls set it when
// the mouse enters them and post kStatusTextMessage (wParam kEntering or
// kLeaving) to the main window, which then reads text() into its status line.
// User-interface thread only.

#include <QString>

class QObject;

namespace option::skin {

class ApplicationStatus {
public:
    // The window that receives kStatusTextMessage; none (nothing is posted)
    // until set, and none again once that window is destroyed.
    static void setMainWindow(QObject* mainWindow);
    static QObject* mainWindow();

    static QString text();
    // The mouse entered a control with this status text.
    static void enter(const QString& statusText);
    // The mouse left it: the text becomes empty.
    static void leave();
};

}  // namespace option::skin

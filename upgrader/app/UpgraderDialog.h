#pragma once
// The upgrader's main dialog: its background and shape, the exit button, the
// progress bar and the painted texts (the image's file name, "DFU V" with the
// mouse's firmware version, the upgrader's own version). It only shows what it
// is given; the exit button, and a close by the window system, ask for the end
// through exitRequested(). The Escape key does nothing.

#include <QString>

#include "option/skin/SkinWindow.h"

namespace upgrader::app {

inline constexpr char kUpgraderVersionText[] = "Firmware Update V1.07";
inline constexpr char kDeviceVersionPrefix[] = "DFU V";

class UpgraderDialog : public option::skin::SkinWindow {
    Q_OBJECT
public:
    UpgraderDialog();

    // The image's path; the dialog shows the part after the last '/'.
    void setImagePath(const QString& path);
    void setDeviceVersionText(const QString& text);
    // The bar runs from 0 to `maximum`; the position is clamped to it.
    void setProgressRange(int maximum);
    void setProgress(int position);

    int progress() const { return progress_; }
    int progressMaximum() const { return maximum_; }
    const QString& fileName() const { return fileName_; }

signals:
    void exitRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QRect progressRect_;
    QRect fileNameRect_;
    QRect deviceVersionRect_;
    QRect upgraderVersionRect_;
    QString fileName_;
    QString deviceVersionText_;
    int maximum_ = 0;
    int progress_ = 0;
};

}  // namespace upgrader::app

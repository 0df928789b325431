#pragma once
// The double-click test area of the main settings page: a still picture until
// the user double-clicks it (as the desktop recognises a double click with the
// current double-click time); then it plays the clip once and the sound
// without waiting for it. Once the clip has run the still is not shown again.
#include <QImage>
#include <QWidget>

#include <memory>

namespace platform {
class SoundPlayer;
}
namespace option::skin {
class AnimationControl;
}

namespace option::app {

inline constexpr char kDoubleClickSound[] = "Wave/double_click.wav";

class DoubleClickTest final : public QWidget {
    Q_OBJECT
public:
    // `clip` and `still` are files of the program folder.
    DoubleClickTest(QWidget* parent, const QRect& rect, const QString& clip, const QString& still);
    ~DoubleClickTest() override;

    // How many double clicks it has taken.
    int doubleClicks() const { return doubleClicks_; }
    // The clip, once it was first played.
    skin::AnimationControl* clip() const { return clip_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void playSound();

    QString clipFile_;
    QImage still_;
    skin::AnimationControl* clip_ = nullptr;
    std::unique_ptr<platform::SoundPlayer> player_;
    int doubleClicks_ = 0;
};

}  // namespace option::app

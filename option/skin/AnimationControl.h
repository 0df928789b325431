#pragma once
// Shows an animated GIF, or any other picture still. All frames are decoded
// when the file is loaded; playing only switches frames on a timer, so it never
// holds up the window. Each frame stays for its delay (a delay of 4 hundredths
// or less for 100 ms); after the last one the control is filled with the
// GIF's background colour and the animation starts again from the first frame.
// A file that is not a GIF, or a GIF of one frame, is shown still.

#include <QColor>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace option::skin {

class AnimationControl : public QWidget {
    Q_OBJECT
public:
    explicit AnimationControl(QWidget* parent = nullptr);

    // Reads the file (a relative name from the program folder) and takes the
    // animation's size. False, showing nothing, when it cannot be read.
    bool load(const QString& fileName);
    // Same, from the file's contents.
    bool loadData(const QByteArray& data);

    void start();
    void stop();
    // Played once: the animation stops on its last frame instead of starting again.
    void setPlaysOnce(bool once) { playsOnce_ = once; }
    bool isPlaying() const { return timer_.isActive(); }

    int frameCount() const { return static_cast<int>(frames_.size()); }
    // How long frame `index` stays on screen; 0 for a still picture.
    int frameMilliseconds(int index) const;
    int currentFrame() const { return current_; }
    QColor backgroundColour() const { return background_; }
    QSize animationSize() const { return size_; }
    bool isStill() const { return frames_.size() <= 1; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Frame {
        QImage image;  // the whole logical screen, earlier frames composed in
        int milliseconds = 0;
    };

    void clear();
    void showNextFrame();

    std::vector<Frame> frames_;
    QColor background_ = Qt::black;
    QSize size_;
    int current_ = 0;
    bool playsOnce_ = false;
    QTimer timer_;
};

}  // namespace option::skin

#include "option/skin/AnimationControl.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>

#include "option/skin/SkinImages.h"
#include "option/skin/logic/GifAnimation.h"
#include "platform/system/DebugOutput.h"

namespace option::skin {
namespace {

std::span<const std::uint8_t> bytesOf(const QByteArray& data)
{
    return {reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size())};
}

}  // namespace

AnimationControl::AnimationControl(QWidget* parent) : QWidget(parent)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &AnimationControl::showNextFrame);
}

void AnimationControl::clear()
{
    stop();
    frames_.clear();
    current_ = 0;
    size_ = QSize();
    background_ = Qt::black;
}

bool AnimationControl::load(const QString& fileName)
{
    QFile file(programFilePath(fileName));
    if (!file.open(QIODevice::ReadOnly)) {
        platform::debugPrintf("AnimationControl: cannot open %s\n", qPrintable(file.fileName()));
        clear();
        update();
        return false;
    }
    return loadData(file.readAll());
}

bool AnimationControl::loadData(const QByteArray& data)
{
    clear();
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);

    if (const auto screen = readGifScreen(bytesOf(data))) {
        background_ = QColor::fromRgba(screen->background);
        size_ = QSize(screen->width, screen->height);
        reader.setFormat("gif");
        while (reader.canRead()) {
            QImage image = reader.read();
            if (image.isNull()) break;
            // The reader gives each frame's delay in milliseconds, ten per hundredth.
            const int delay = std::max(0, reader.nextImageDelay()) / 10;
            frames_.push_back({std::move(image), option::skin::frameMilliseconds(delay)});
        }
    } else {
        QImage image = reader.read();
        if (!image.isNull()) {
            size_ = image.size();
            frames_.push_back({std::move(image), 0});
        }
    }

    if (frames_.empty()) {
        platform::debugPrintf("AnimationControl: no picture: %s\n", qPrintable(reader.errorString()));
        size_ = QSize();
        update();
        return false;
    }
    if (size_.isEmpty()) size_ = frames_.front().image.size();
    if (frames_.size() == 1) frames_.front().milliseconds = 0;
    resize(size_);
    update();
    return true;
}

int AnimationControl::frameMilliseconds(int index) const
{
    if (index < 0 || index >= frameCount()) return 0;
    return frames_[static_cast<std::size_t>(index)].milliseconds;
}

void AnimationControl::start()
{
    if (isStill()) return;
    current_ = 0;
    update();
    timer_.start(frames_.front().milliseconds);
}

void AnimationControl::stop()
{
    timer_.stop();
}

void AnimationControl::showNextFrame()
{
    if (playsOnce_ && current_ + 1 >= frameCount())
        return;
    current_ = (current_ + 1) % frameCount();
    update();
    timer_.start(frames_[static_cast<std::size_t>(current_)].milliseconds);
}

// Each frame holds what earlier frames left on the screen; the background shows
// through wherever the GIF left it open, which is also the fill that starts
// every round again.
void AnimationControl::paintEvent(QPaintEvent*)
{
    if (frames_.empty()) return;
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    painter.drawImage(QPoint(0, 0), frames_[static_cast<std::size_t>(current_)].image);
}

}  // namespace option::skin

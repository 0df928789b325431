#include "option/app/DoubleClickTest.h"

#include <QMouseEvent>
#include <QPainter>

#include "option/skin/AnimationControl.h"
#include "option/skin/SkinImages.h"
#include "platform/sound/SoundFile.h"
#include "platform/sound/SoundPlayer.h"
#include "platform/system/DebugOutput.h"

namespace option::app {

DoubleClickTest::DoubleClickTest(QWidget* parent, const QRect& rect, const QString& clip, const QString& still)
    : QWidget(parent), clipFile_(clip), still_(skin::loadProgramImage(still))
{
    setGeometry(rect);
}

DoubleClickTest::~DoubleClickTest() = default;

void DoubleClickTest::paintEvent(QPaintEvent*)
{
    if (clip_ || still_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(rect(), still_);
}

void DoubleClickTest::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    ++doubleClicks_;
    if (!clip_) {
        clip_ = new skin::AnimationControl(this);
        clip_->setPlaysOnce(true);
        clip_->load(clipFile_);
        // Stretched over the area, as the still was.
        clip_->setGeometry(rect());
        clip_->setAttribute(Qt::WA_TransparentForMouseEvents);
        clip_->show();
    }
    clip_->start();
    playSound();
    update();
}

void DoubleClickTest::playSound()
{
    const std::optional<platform::SoundClip> sound =
        platform::loadSoundFile(skin::programFilePath(QString::fromLatin1(kDoubleClickSound)).toStdString());
    if (!sound) {
        platform::debugOutput("DoubleClickTest: no sound\n");
        return;
    }
    if (!player_)
        player_ = platform::openSoundPlayer();
    if (player_)
        player_->play(*sound);
}

}  // namespace option::app

// Sound output through QAudioSink on a thread of the player's own, whose event
// loop drives the sink. Every failure is silence.

#include "platform/sound/SoundPlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QObject>
#include <QThread>

namespace platform {
namespace {

// Lives on the player thread; owns the sink of the sound playing.
class SinkOwner : public QObject {
public:
    void play(const QByteArray& samples, int sampleRate, int channels)
    {
        stop();
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) return;
        QAudioFormat format;
        format.setSampleRate(sampleRate);
        format.setChannelCount(channels);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format)) return;
        buffer_ = new QBuffer(this);
        buffer_->setData(samples);
        if (!buffer_->open(QIODevice::ReadOnly)) {
            stop();
            return;
        }
        sink_ = new QAudioSink(device, format, this);
        QObject::connect(sink_, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
            // Idle: every sample was played; Stopped with an error: the device failed.
            if (state == QAudio::IdleState || (state == QAudio::StoppedState && sink_->error() != QAudio::NoError))
                QMetaObject::invokeMethod(this, [this] { stop(); }, Qt::QueuedConnection);
        });
        sink_->start(buffer_);
    }

    void stop()
    {
        if (sink_ != nullptr) {
            sink_->disconnect(this);
            sink_->stop();
            delete sink_;
            sink_ = nullptr;
        }
        delete buffer_;
        buffer_ = nullptr;
    }

private:
    QAudioSink* sink_ = nullptr;
    QBuffer* buffer_ = nullptr;
};

class QtSoundPlayer final : public SoundPlayer {
public:
    QtSoundPlayer()
    {
        thread_.setObjectName(QStringLiteral("sound player"));
        owner_ = new SinkOwner;
        owner_->moveToThread(&thread_);
        QObject::connect(&thread_, &QThread::finished, owner_, &QObject::deleteLater);
        thread_.start();
    }

    ~QtSoundPlayer() override
    {
        QMetaObject::invokeMethod(owner_, [owner = owner_] { owner->stop(); }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }

    void play(SoundClip clip) override
    {
        if (clip.frames() == 0) {
            stop();
            return;
        }
        // Whole frames only, as the sink takes them.
        const auto bytes = static_cast<qsizetype>(clip.frames() * clip.channels * sizeof(std::int16_t));
        QByteArray samples(reinterpret_cast<const char*>(clip.samples.data()), bytes);
        QMetaObject::invokeMethod(
            owner_,
            [owner = owner_, samples, rate = static_cast<int>(clip.sampleRate), channels = int{clip.channels}] {
                owner->play(samples, rate, channels);
            },
            Qt::QueuedConnection);
    }

    void stop() override
    {
        QMetaObject::invokeMethod(owner_, [owner = owner_] { owner->stop(); }, Qt::QueuedConnection);
    }

private:
    QThread thread_;
    SinkOwner* owner_ = nullptr;
};

// Without an application object Qt's audio cannot run: sounds are not heard.
class SilentSoundPlayer final : public SoundPlayer {
public:
    void play(SoundClip) override {}
    void stop() override {}
};

}  // namespace

std::unique_ptr<SoundPlayer> openSoundPlayer()
{
    if (QCoreApplication::instance() == nullptr) return std::make_unique<SilentSoundPlayer>();
    return std::make_unique<QtSoundPlayer>();
}

}  // namespace platform

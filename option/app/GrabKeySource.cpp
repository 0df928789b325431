#include "option/app/GrabKeySource.h"

#include <QSocketNotifier>

namespace option::app {

GrabKeySource::GrabKeySource(std::unique_ptr<platform::KeyboardGrab> grab, QObject* parent)
    : QObject(parent), grab_(std::move(grab))
{
}

GrabKeySource::~GrabKeySource() { remove(); }

bool GrabKeySource::install(core::KeyListener& listener)
{
    remove();
    if (!grab_->grab())
        return false;
    listener_ = &listener;
    const int fd = grab_->readableFd();
    if (fd >= 0 && !notifier_) {
        notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] { deliverWaitingKeys(); });
    }
    if (notifier_)
        notifier_->setEnabled(true);
    // Keys may already sit in the connection's queue.
    deliverWaitingKeys();
    return true;
}

void GrabKeySource::remove()
{
    if (notifier_)
        notifier_->setEnabled(false);
    listener_ = nullptr;
    grab_->release();
}

void GrabKeySource::deliverWaitingKeys()
{
    for (const platform::GrabbedKey& key : grab_->takeKeys()) {
        // A listener may remove the source while it takes a key (a capture that
        // is complete, a recording that is full): the rest belongs to nobody.
        if (!listener_)
            break;
        listener_->keyMessage(core::KeyMessage{key.virtualKey, key.scanCode, key.released, key.timeMs});
    }
}

std::unique_ptr<GrabKeySource> createDisplayKeySource(QObject* parent)
{
    return std::make_unique<GrabKeySource>(platform::createX11KeyboardGrab(), parent);
}

}  // namespace option::app

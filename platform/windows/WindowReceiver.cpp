#include "platform/windows/WindowReceiver.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <algorithm>
#include <climits>

#if defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define ZURO_THREAD_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_THREAD__)
#define ZURO_THREAD_SANITIZER 1
#endif

#ifdef ZURO_THREAD_SANITIZER
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
#endif

namespace platform::windows {
namespace {

// Qt passes posted events between threads under locks that ThreadSanitizer does
// not see (Qt itself is not instrumented); these mark the hand-over for it.
QEvent* handedOver(QEvent* event)
{
#ifdef ZURO_THREAD_SANITIZER
    __tsan_release(event);
#endif
    return event;
}

void takenOver(QEvent* event)
{
#ifdef ZURO_THREAD_SANITIZER
    __tsan_acquire(event);
#else
    (void)event;
#endif
}

// Win32 raises shorter timer intervals to this minimum.
constexpr std::uint32_t kMinimumTimerIntervalMs = 10;

const QEvent::Type kMessageEventType = static_cast<QEvent::Type>(QEvent::registerEventType());
const QEvent::Type kDrainEventType = static_cast<QEvent::Type>(QEvent::registerEventType());

class MessageEvent final : public QEvent {
public:
    MessageEvent(MessageId message, WParam wParam, LParam lParam)
        : QEvent(kMessageEventType), message(message), wParam(wParam), lParam(lParam)
    {
    }
    const MessageId message;
    const WParam wParam;
    const LParam lParam;
};

}  // namespace

struct WindowReceiver::DispatchScope {
    explicit DispatchScope(WindowReceiver& receiver) : receiver(receiver) { ++receiver.dispatchDepth_; }
    ~DispatchScope()
    {
        if (--receiver.dispatchDepth_ == 0 && receiver.retired_) receiver.deleteLater();
    }
    WindowReceiver& receiver;
};

WindowReceiver::WindowReceiver(MessageHandler& handler, std::shared_ptr<ThreadInbox> inbox)
    : handler_(handler), inbox_(std::move(inbox))
{
}

void WindowReceiver::postMessage(WindowReceiver* receiver, MessageId message, WParam wParam, LParam lParam)
{
    QCoreApplication::postEvent(receiver, handedOver(new MessageEvent(message, wParam, lParam)));
}

void WindowReceiver::postDrain(WindowReceiver* receiver)
{
    QCoreApplication::postEvent(receiver, handedOver(new QEvent(kDrainEventType)));
}

LResult WindowReceiver::callMessage(MessageId message, WParam wParam, LParam lParam)
{
    if (retired_) return 0;
    DispatchScope scope(*this);
    return handler_.onMessage(message, wParam, lParam);
}

LResult WindowReceiver::callCopyData(WindowHandle sender, std::uint32_t dwData, const std::uint8_t* data,
                                     std::size_t size)
{
    if (retired_) return 0;
    DispatchScope scope(*this);
    return handler_.onCopyData(sender, dwData, data, size);
}

void WindowReceiver::setTimer(std::uint32_t id, std::uint32_t intervalMs)
{
    if (retired_) return;
    QTimer*& timer = timers_[id];
    if (!timer) {
        timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer, &QTimer::timeout, this, [this, id] { callMessage(WM_TIMER, id, 0); });
    }
    // Starting a running QTimer restarts its interval, as SetTimer does.
    const std::uint32_t interval = std::clamp<std::uint32_t>(intervalMs, kMinimumTimerIntervalMs, INT_MAX);
    timer->start(static_cast<int>(interval));
}

void WindowReceiver::killTimer(std::uint32_t id)
{
    const auto it = timers_.find(id);
    if (it == timers_.end()) return;
    // The timer may be the one whose timeout is running right now.
    it->second->stop();
    it->second->deleteLater();
    timers_.erase(it);
}

void WindowReceiver::retire()
{
    retired_ = true;
    for (auto& [id, timer] : timers_) timer->stop();
    if (dispatchDepth_ == 0) delete this;
}

bool WindowReceiver::event(QEvent* event)
{
    takenOver(event);
    if (event->type() == kMessageEventType) {
        const auto* message = static_cast<MessageEvent*>(event);
        callMessage(message->message, message->wParam, message->lParam);
        return true;
    }
    if (event->type() == kDrainEventType) {
        if (!retired_) inbox_->drain();
        return true;
    }
    return QObject::event(event);
}

}  // namespace platform::windows

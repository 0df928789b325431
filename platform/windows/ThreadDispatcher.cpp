#include "platform/windows/ThreadDispatcher.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QThread>
#include <QTimerEvent>

#include <algorithm>
#include <climits>

#include "platform/windows/LocalSocket.h"
#include "platform/windows/MessageWindow.h"
#include "platform/windows/WindowFrame.h"

namespace platform::msgwin {
namespace {

// Connections a thread keeps open at most; more are refused, so that a peer that
// opens connections without end cannot use up the descriptors.
constexpr std::size_t kMaxConnections = 1024;
// Win32 never runs a timer faster than every 10 ms.
constexpr std::uint32_t kMinTimerInterval = 10;

QEvent::Type postedMessageType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

class PostedMessage : public QEvent {
public:
    PostedMessage(WindowHandle window, MessageId message, WParam wParam, LParam lParam)
        : QEvent(postedMessageType()), window(window), message(message), wParam(wParam), lParam(lParam)
    {
    }
    const WindowHandle window;
    const MessageId message;
    const WParam wParam;
    const LParam lParam;
};

struct DispatcherSlot {
    ThreadDispatcher* dispatcher = nullptr;
    ~DispatcherSlot() { delete dispatcher; }
};

thread_local DispatcherSlot tlsDispatcher;

}  // namespace

struct ThreadDispatcher::Connection {
    int fd = -1;
    WindowHandle window = 0;
    QSocketNotifier* notifier = nullptr;
    FrameAssembler assembler;
    std::vector<std::uint8_t> buffer;
    bool busy = false;  // a send from it is being handled; it is not read meanwhile
    bool closed = false;
};

ThreadDispatcher* ThreadDispatcher::current()
{
    return tlsDispatcher.dispatcher;
}

ThreadDispatcher* ThreadDispatcher::ensureCurrent()
{
    if (tlsDispatcher.dispatcher) return tlsDispatcher.dispatcher;
    if (!QCoreApplication::instance()) return nullptr;
    // Socket notifiers and timers need the thread's event dispatcher, which Qt
    // creates for a thread it did not start with its first event loop object.
    if (!QThread::currentThread()->eventDispatcher()) {
        QEventLoop createsDispatcher;
    }
    tlsDispatcher.dispatcher = new ThreadDispatcher();
    return tlsDispatcher.dispatcher;
}

ThreadDispatcher::ThreadDispatcher() = default;

ThreadDispatcher::~ThreadDispatcher()
{
    if (tlsDispatcher.dispatcher == this) tlsDispatcher.dispatcher = nullptr;
    for (auto& [fd, connection] : connections_) {
        connection->notifier->setEnabled(false);
        closeDescriptor(fd);
    }
    for (auto& [window, entry] : windows_) {
        entry.notifier->setEnabled(false);
        closeDescriptor(entry.listenFd);
    }
}

void ThreadDispatcher::addWindow(WindowHandle window, MessageHandler& handler, int listenFd)
{
    Window entry;
    entry.handler = &handler;
    entry.listenFd = listenFd;
    entry.notifier = new QSocketNotifier(listenFd, QSocketNotifier::Read, this);
    connect(entry.notifier, &QSocketNotifier::activated, this, [this, window] { acceptConnections(window); });
    windows_[window] = entry;
}

void ThreadDispatcher::removeWindow(WindowHandle window)
{
    const auto found = windows_.find(window);
    if (found == windows_.end()) return;
    killTimersOf(window);
    found->second.notifier->setEnabled(false);
    found->second.notifier->deleteLater();
    closeDescriptor(found->second.listenFd);
    windows_.erase(found);
    // A connection whose send is being handled is closed once it was answered.
    std::vector<std::shared_ptr<Connection>> idle;
    for (auto& [fd, connection] : connections_)
        if (connection->window == window && !connection->busy) idle.push_back(connection);
    for (auto& connection : idle) closeConnection(connection);
}

LResult ThreadDispatcher::deliverMessage(WindowHandle window, MessageId message, WParam wParam, LParam lParam)
{
    const auto found = windows_.find(window);
    if (found == windows_.end()) return 0;
    // The handler may destroy the window: nothing of it is touched afterwards.
    return found->second.handler->onMessage(message, wParam, lParam);
}

LResult ThreadDispatcher::deliverCopyData(WindowHandle window, WindowHandle sender, std::uint32_t dwData,
                                          const std::uint8_t* data, std::size_t size)
{
    const auto found = windows_.find(window);
    if (found == windows_.end()) return 0;
    return found->second.handler->onCopyData(sender, dwData, data, size);
}

void ThreadDispatcher::queuePost(WindowHandle window, MessageId message, WParam wParam, LParam lParam)
{
    QCoreApplication::postEvent(this, new PostedMessage(window, message, wParam, lParam));
}

void ThreadDispatcher::setTimer(WindowHandle window, std::uint32_t id, std::uint32_t intervalMs)
{
    if (windows_.count(window) == 0) return;
    killTimer(window, id);
    const int interval = static_cast<int>(std::clamp<std::uint32_t>(intervalMs, kMinTimerInterval, INT_MAX));
    const int qtTimer = startTimer(interval);
    if (qtTimer != 0) timers_[qtTimer] = {window, id};
}

void ThreadDispatcher::killTimer(WindowHandle window, std::uint32_t id)
{
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (it->second == std::make_pair(window, id)) {
            QObject::killTimer(it->first);
            timers_.erase(it);
            return;
        }
    }
}

void ThreadDispatcher::killTimersOf(WindowHandle window)
{
    for (auto it = timers_.begin(); it != timers_.end();) {
        if (it->second.first == window) {
            QObject::killTimer(it->first);
            it = timers_.erase(it);
        } else {
            ++it;
        }
    }
}

bool ThreadDispatcher::event(QEvent* event)
{
    if (event->type() != postedMessageType()) return QObject::event(event);
    const auto* posted = static_cast<PostedMessage*>(event);
    deliverMessage(posted->window, posted->message, posted->wParam, posted->lParam);
    return true;
}

void ThreadDispatcher::timerEvent(QTimerEvent* event)
{
    const auto found = timers_.find(event->timerId());
    if (found == timers_.end()) return;
    const auto [window, id] = found->second;
    deliverMessage(window, WM_TIMER, id, 0);
}

void ThreadDispatcher::appendServiceFds(std::vector<pollfd>& fds) const
{
    for (const auto& [window, entry] : windows_) fds.push_back({entry.listenFd, POLLIN, 0});
    for (const auto& [fd, connection] : connections_)
        if (!connection->busy) fds.push_back({fd, POLLIN, 0});
}

void ThreadDispatcher::serviceFds(const std::vector<pollfd>& fds, std::size_t first)
{
    for (std::size_t i = first; i < fds.size(); ++i) {
        if (fds[i].revents == 0) continue;
        const int fd = fds[i].fd;
        // Handling one descriptor may close others or open new ones under a reused
        // number; each is looked up again, and reading a quiet one does no harm.
        const auto connection = connections_.find(fd);
        if (connection != connections_.end()) {
            readConnection(connection->second);
            continue;
        }
        for (const auto& [window, entry] : windows_) {
            if (entry.listenFd == fd) {
                acceptConnections(window);
                break;
            }
        }
    }
}

void ThreadDispatcher::acceptConnections(WindowHandle window)
{
    for (;;) {
        const auto found = windows_.find(window);
        if (found == windows_.end()) return;
        const int fd = acceptFrom(found->second.listenFd);
        if (fd < 0) return;
        if (connections_.size() >= kMaxConnections) {
            closeDescriptor(fd);
            continue;
        }
        auto connection = std::make_shared<Connection>();
        connection->fd = fd;
        connection->window = window;
        connection->buffer.resize(kMaxPacketSize);
        connection->notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(connection->notifier, &QSocketNotifier::activated, this, [this, fd] {
            const auto open = connections_.find(fd);
            if (open != connections_.end()) readConnection(open->second);
        });
        connections_[fd] = connection;
        readConnection(connection);
    }
}

void ThreadDispatcher::readConnection(const std::shared_ptr<Connection>& connection)
{
    while (!connection->busy && !connection->closed) {
        const ReceivedPacket packet =
            receivePacket(connection->fd, connection->buffer.data(), connection->buffer.size());
        if (packet.status == IoStatus::WouldBlock) return;
        if (packet.status == IoStatus::Closed || packet.truncated) {
            closeConnection(connection);
            return;
        }
        switch (connection->assembler.feed(connection->buffer.data(), packet.size)) {
        case FrameAssembler::Result::Incomplete:
            break;
        case FrameAssembler::Result::Malformed:
            closeConnection(connection);
            return;
        case FrameAssembler::Result::Complete:
            if (!handleFrame(connection)) return;
            break;
        }
    }
}

bool ThreadDispatcher::handleFrame(const std::shared_ptr<Connection>& connection)
{
    const FrameHeader& header = connection->assembler.header();
    const bool withoutPayload = header.payloadSize == 0;
    if (header.target != connection->window || windows_.count(connection->window) == 0) {
        closeConnection(connection);
        return false;
    }
    switch (header.kind) {
    case FrameKind::Post:
        if (!withoutPayload) break;
        queuePost(header.target, header.message, header.wParam, header.lParam);
        return true;
    case FrameKind::Send: {
        if (!withoutPayload) break;
        connection->busy = true;
        connection->notifier->setEnabled(false);
        const LResult result = deliverMessage(header.target, header.message, header.wParam, header.lParam);
        answer(connection, result);
        return !connection->closed;
    }
    case FrameKind::CopyData: {
        connection->busy = true;
        connection->notifier->setEnabled(false);
        const auto& payload = connection->assembler.payload();
        const LResult result = deliverCopyData(header.target, header.sender, header.dwData,
                                               payload.data(), payload.size());
        answer(connection, result);
        return !connection->closed;
    }
    case FrameKind::Reply:
        break;
    }
    closeConnection(connection);
    return false;
}

void ThreadDispatcher::answer(const std::shared_ptr<Connection>& connection, LResult result)
{
    connection->busy = false;
    if (connection->closed) return;
    FrameHeader reply;
    reply.kind = FrameKind::Reply;
    reply.target = connection->window;
    reply.lParam = result;
    std::uint8_t packet[kFrameHeaderSize];
    encodeFrameHeader(reply, packet);
    if (sendPacket(connection->fd, packet, sizeof packet) != IoStatus::Done ||
        windows_.count(connection->window) == 0) {
        closeConnection(connection);
        return;
    }
    connection->notifier->setEnabled(true);
}

void ThreadDispatcher::closeConnection(const std::shared_ptr<Connection>& connection)
{
    if (connection->closed) return;
    connection->closed = true;
    connection->notifier->setEnabled(false);
    connection->notifier->deleteLater();
    connections_.erase(connection->fd);
    closeDescriptor(connection->fd);
}

}  // namespace platform::msgwin

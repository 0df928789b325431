#include "platform/windows/MessageWindow.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <unordered_map>

#include "platform/windows/Frame.h"
#include "platform/windows/FrameServer.h"
#include "platform/windows/LocalWindows.h"
#include "platform/windows/RegisteredMessages.h"
#include "platform/windows/ThreadInbox.h"
#include "platform/windows/WindowClient.h"
#include "platform/windows/WindowFiles.h"
#include "platform/windows/WindowReceiver.h"

namespace platform {
namespace {

using namespace platform::windows;

constexpr int kListenBacklog = 64;
constexpr const char* kRegisteredMessagesFile = "messages";

class LocalMessageWindow final : public MessageWindow {
public:
    LocalMessageWindow(std::string folder, WindowHandle handle, std::string_view title, int lockFd)
        : folder_(std::move(folder)), handle_(handle), title_(title), lockFd_(lockFd)
    {
    }

    ~LocalMessageWindow() override
    {
        // First out of reach of this process, then of the others; the lock file
        // goes last so that the handle never looks free while files remain.
        LocalWindows::instance().remove(handle_);
        unlink(titleIndexPath(folder_, title_, handle_).c_str());
        FrameServer::instance().removeWindow(handle_);
        unlink(socketPath(folder_, handle_).c_str());
        unlink(lockFilePath(folder_, handle_).c_str());
        close(lockFd_);
        if (receiver_) receiver_->retire();
    }

    bool open(MessageHandler& handler)
    {
        const int listenFd = listenOnSocket();
        if (listenFd < 0) return false;
        const auto inbox = ThreadInbox::current();
        receiver_ = new WindowReceiver(handler, inbox);
        LocalWindows::instance().add({handle_, std::this_thread::get_id(), inbox, receiver_});
        return FrameServer::instance().addListener(handle_, listenFd) && writeTitleIndex(folder_, title_, handle_);
    }

    WindowHandle handle() const override { return handle_; }
    const std::string& title() const override { return title_; }

    void setTimer(std::uint32_t id, std::uint32_t intervalMs) override
    {
        WindowReceiver* receiver = receiver_;
        QMetaObject::invokeMethod(receiver, [receiver, id, intervalMs] { receiver->setTimer(id, intervalMs); });
    }

    void killTimer(std::uint32_t id) override
    {
        WindowReceiver* receiver = receiver_;
        QMetaObject::invokeMethod(receiver, [receiver, id] { receiver->killTimer(id); });
    }

private:
    int listenOnSocket() const
    {
        const std::string path = socketPath(folder_, handle_);
        if (!fitsSocketPath(path)) return -1;
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0) return -1;
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        // We hold the window's lock, so a socket left at this path is a dead one's.
        unlink(path.c_str());
        if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
            listen(fd, kListenBacklog) != 0) {
            close(fd);
            return -1;
        }
        return fd;
    }

    const std::string folder_;
    const WindowHandle handle_;
    const std::string title_;
    const int lockFd_;
    WindowReceiver* receiver_ = nullptr;
};

// Runs a call on a window of another thread of this process and waits for it.
LResult sendToThread(std::shared_ptr<PendingSend> call)
{
    struct Outcome {
        std::atomic<bool> done{false};
        LResult result = 0;
    };
    const auto outcome = std::make_shared<Outcome>();
    const auto waiter = ThreadInbox::current();
    call->complete = [outcome, waiter](LResult result) {
        outcome->result = result;
        outcome->done.store(true, std::memory_order_release);
        waiter->wake();
    };
    if (!LocalWindows::instance().queueSend(call)) return 0;
    waiter->waitUntil(outcome->done);
    return outcome->result;
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::unique_ptr<MessageWindow> MessageWindow::create(std::string_view title, MessageHandler& handler)
{
    // Events reach the window only through an application object.
    if (!QCoreApplication::instance()) return nullptr;
    const std::string folder = windowsFolder();
    if (folder.empty()) return nullptr;
    // A thread without an event dispatcher gets one now, so that timers can start
    // before its loop first runs.
    if (!QAbstractEventDispatcher::instance()) QEventLoop makesDispatcher;

    const WindowHandle handle = allocateHandle(folder);
    if (handle == 0) return nullptr;
    const int lockFd = createLockFile(folder, handle);
    if (lockFd < 0) return nullptr;
    auto window = std::make_unique<LocalMessageWindow>(folder, handle, title, lockFd);
    if (!window->open(handler)) return nullptr;
    return window;
}

WindowHandle findWindow(std::string_view title)
{
    const std::string folder = windowsFolder();
    if (folder.empty()) return 0;
    for (WindowHandle window : windowsWithTitle(folder, title)) {
        if (LocalWindows::instance().contains(window) || probeWindow(folder, window) == WindowState::Alive)
            return window;
    }
    return 0;
}

bool isWindow(WindowHandle window)
{
    if (window == 0) return false;
    if (LocalWindows::instance().contains(window)) return true;
    const std::string folder = windowsFolder();
    return !folder.empty() && probeWindow(folder, window) == WindowState::Alive;
}

bool postMessage(WindowHandle window, MessageId message, WParam wParam, LParam lParam)
{
    if (window == 0) return false;
    if (LocalWindows::instance().post(window, message, wParam, lParam)) return true;
    const std::string folder = windowsFolder();
    if (folder.empty()) return false;
    Frame frame;
    frame.kind = FrameKind::Post;
    frame.target = window;
    frame.message = message;
    frame.wParam = wParam;
    frame.lParam = lParam;
    return postToProcess(folder, frame);
}

LResult sendMessage(WindowHandle window, MessageId message, WParam wParam, LParam lParam)
{
    if (window == 0) return 0;
    if (WindowReceiver* receiver = LocalWindows::instance().receiverOnThisThread(window))
        return receiver->callMessage(message, wParam, lParam);
    if (LocalWindows::instance().contains(window)) {
        auto call = std::make_shared<PendingSend>();
        call->target = window;
        call->message = message;
        call->wParam = wParam;
        call->lParam = lParam;
        return sendToThread(std::move(call));
    }
    const std::string folder = windowsFolder();
    if (folder.empty()) return 0;
    Frame frame;
    frame.kind = FrameKind::Send;
    frame.target = window;
    frame.message = message;
    frame.wParam = wParam;
    frame.lParam = lParam;
    return sendToProcess(folder, std::move(frame));
}

LResult sendCopyData(WindowHandle window, WindowHandle sender, std::uint32_t dwData, const void* data,
                     std::size_t size)
{
    if (window == 0 || size > kMaxFramePayload || (size > 0 && !data)) return 0;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    if (WindowReceiver* receiver = LocalWindows::instance().receiverOnThisThread(window))
        return receiver->callCopyData(sender, dwData, bytes, size);

    std::vector<std::uint8_t> payload(bytes, bytes + size);
    if (LocalWindows::instance().contains(window)) {
        auto call = std::make_shared<PendingSend>();
        call->target = window;
        call->copyData = true;
        call->message = WM_COPYDATA;
        call->sender = sender;
        call->dwData = dwData;
        call->payload = std::move(payload);
        return sendToThread(std::move(call));
    }
    const std::string folder = windowsFolder();
    if (folder.empty()) return 0;
    Frame frame;
    frame.kind = FrameKind::CopyData;
    frame.target = window;
    frame.message = WM_COPYDATA;
    frame.sender = sender;
    frame.dwData = dwData;
    frame.payload = std::move(payload);
    return sendToProcess(folder, std::move(frame));
}

bool activateWindow(WindowHandle window)
{
    return postMessage(window, WM_SYSCOMMAND, SC_RESTORE, 0) && postMessage(window, WM_ACTIVATE, WA_ACTIVE, 0);
}

int broadcastMessage(MessageId message, WParam wParam, LParam lParam)
{
    const std::string folder = windowsFolder();
    if (folder.empty()) return 0;
    int reached = 0;
    for (WindowHandle window : listWindowHandles(folder)) {
        if (postMessage(window, message, wParam, lParam)) ++reached;
        else probeWindow(folder, window);  // removes a dead window's files
    }
    return reached;
}

MessageId registerWindowMessage(std::string_view name)
{
    const std::string folder = windowsFolder();
    if (folder.empty()) return 0;
    // Numbers never change once handed out, so each process remembers them.
    static std::mutex mutex;
    static std::unordered_map<std::string, MessageId> known;
    std::string key = folder + '\0';
    for (char c : name) key += asciiLower(c);
    {
        std::lock_guard lock(mutex);
        const auto it = known.find(key);
        if (it != known.end()) return it->second;
    }
    const MessageId id = registerMessageName(folder + kRegisteredMessagesFile, name);
    if (id != 0) {
        std::lock_guard lock(mutex);
        known.emplace(std::move(key), id);
    }
    return id;
}

}  // namespace platform

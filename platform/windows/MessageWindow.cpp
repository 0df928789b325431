#include "platform/windows/MessageWindow.h"

#include "platform/windows/LocalSocket.h"
#include "platform/windows/LocalWindows.h"
#include "platform/windows/RemoteDelivery.h"
#include "platform/windows/ThreadDispatcher.h"
#include "platform/windows/WindowFiles.h"
#include "platform/windows/WindowFrame.h"

namespace platform {
namespace {

using msgwin::FrameHeader;
using msgwin::FrameKind;
using msgwin::ThreadDispatcher;
using msgwin::WindowRegistration;

class LocalMessageWindow final : public MessageWindow {
public:
    LocalMessageWindow(std::string title, std::unique_ptr<WindowRegistration> registration,
                       ThreadDispatcher& dispatcher)
        : title_(std::move(title)), registration_(std::move(registration)), dispatcher_(dispatcher)
    {
    }

    ~LocalMessageWindow() override
    {
        msgwin::localWindows::remove(handle());
        dispatcher_.removeWindow(handle());
        // registration_ then removes the files: the title goes first, the lock last.
    }

    WindowHandle handle() const override { return registration_->handle(); }
    const std::string& title() const override { return title_; }

    void setTimer(std::uint32_t id, std::uint32_t intervalMs) override
    {
        dispatcher_.setTimer(handle(), id, intervalMs);
    }

    void killTimer(std::uint32_t id) override { dispatcher_.killTimer(handle(), id); }

private:
    std::string title_;
    std::unique_ptr<WindowRegistration> registration_;
    ThreadDispatcher& dispatcher_;
};

}  // namespace

std::unique_ptr<MessageWindow> MessageWindow::create(std::string_view title, MessageHandler& handler)
{
    if (title.size() > msgwin::kMaxTitleLength) return nullptr;
    ThreadDispatcher* dispatcher = ThreadDispatcher::ensureCurrent();
    if (!dispatcher) return nullptr;
    const std::string folder = msgwin::windowsFolder();
    if (folder.empty()) return nullptr;
    auto registration = WindowRegistration::claim(folder, msgwin::localWindows::contains);
    if (!registration) return nullptr;
    const WindowHandle window = registration->handle();
    const int listenFd = msgwin::listenAt(msgwin::socketPath(folder, window));
    if (listenFd < 0) return nullptr;
    dispatcher->addWindow(window, handler, listenFd);
    WindowRegistration& files = *registration;
    auto created = std::make_unique<LocalMessageWindow>(std::string(title), std::move(registration), *dispatcher);
    msgwin::localWindows::add(window, dispatcher);
    // Published last: a window found by its title can already be reached.
    if (!files.publishTitle(title)) return nullptr;
    return created;
}

WindowHandle findWindow(std::string_view title)
{
    const auto found = msgwin::windowsTitled(msgwin::windowsFolder(), title);
    return found.empty() ? 0 : found.front();
}

bool isWindow(WindowHandle window)
{
    if (window == 0) return false;
    return msgwin::localWindows::contains(window) || msgwin::isLiveWindow(msgwin::windowsFolder(), window);
}

bool postMessage(WindowHandle window, MessageId message, WParam wParam, LParam lParam)
{
    if (window == 0) return false;
    if (msgwin::localWindows::post(window, message, wParam, lParam)) return true;
    const std::string folder = msgwin::windowsFolder();
    if (folder.empty()) return false;
    FrameHeader header;
    header.kind = FrameKind::Post;
    header.target = window;
    header.message = message;
    header.wParam = wParam;
    header.lParam = lParam;
    return msgwin::postThroughSocket(folder, header);
}

LResult sendMessage(WindowHandle window, MessageId message, WParam wParam, LParam lParam)
{
    if (window == 0) return 0;
    if (ThreadDispatcher* own = msgwin::localWindows::ownedByCallingThread(window))
        return own->deliverMessage(window, message, wParam, lParam);
    const std::string folder = msgwin::windowsFolder();
    if (folder.empty()) return 0;
    FrameHeader header;
    header.kind = FrameKind::Send;
    header.target = window;
    header.message = message;
    header.wParam = wParam;
    header.lParam = lParam;
    return msgwin::sendThroughSocket(folder, header, nullptr);
}

LResult sendCopyData(WindowHandle window, WindowHandle sender, std::uint32_t dwData,
                     const void* data, std::size_t size)
{
    if (window == 0 || size > msgwin::kMaxPayloadSize || (size > 0 && data == nullptr)) return 0;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    if (ThreadDispatcher* own = msgwin::localWindows::ownedByCallingThread(window))
        return own->deliverCopyData(window, sender, dwData, bytes, size);
    const std::string folder = msgwin::windowsFolder();
    if (folder.empty()) return 0;
    FrameHeader header;
    header.kind = FrameKind::CopyData;
    header.target = window;
    header.message = WM_COPYDATA;
    header.sender = sender;
    header.dwData = dwData;
    header.payloadSize = static_cast<std::uint32_t>(size);
    return msgwin::sendThroughSocket(folder, header, bytes);
}

int broadcastMessage(MessageId message, WParam wParam, LParam lParam)
{
    int reached = 0;
    for (WindowHandle window : msgwin::listedWindows(msgwin::windowsFolder()))
        if (postMessage(window, message, wParam, lParam)) ++reached;
    return reached;
}

}  // namespace platform

// The other process of the message window benchmark: one window that answers
// echo sends and posts back, until it gets WM_CLOSE. Prints "ready <handle>".

#include <cstdio>

#include "bench/windows/BenchPeer.h"
#include "platform/windows/EventLoop.h"
#include "platform/windows/MessageWindow.h"

namespace {

using namespace platform;

class EchoHandler : public MessageHandler {
public:
    LResult onMessage(MessageId message, WParam wParam, LParam lParam) override
    {
        switch (message) {
        case benchpeer::kEcho:
            return static_cast<LResult>(wParam + 1);
        case benchpeer::kPostBack:
            postMessage(static_cast<WindowHandle>(lParam), benchpeer::kPostedBack, wParam, 0);
            return 0;
        case WM_CLOSE:
            quitEventLoop(0);
            return 0;
        default:
            return 0;
        }
    }

    LResult onCopyData(WindowHandle, std::uint32_t, const std::uint8_t*, std::size_t size) override
    {
        return static_cast<LResult>(size);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    ensureEventLoopApplication(argc, argv);
    EchoHandler handler;
    auto window = MessageWindow::create(benchpeer::kTitle, handler);
    if (!window) return 1;
    std::printf("ready %u\n", window->handle());
    std::fflush(stdout);
    return runEventLoop();
}

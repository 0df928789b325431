// The other process of the cross-process tests.
//   platform_windows_peer window <title>   creates the window, prints "ready <handle>", serves
//   platform_windows_peer register <name>... prints the registered number of each name

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

#include "platform/windows/EventLoop.h"
#include "platform/windows/MessageWindow.h"
#include "tests/platform/windows/PeerProtocol.h"

namespace {

using namespace platform;

void say(const char* line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

class PeerHandler : public MessageHandler {
public:
    WindowHandle self = 0;

    LResult onMessage(MessageId message, WParam wParam, LParam lParam) override
    {
        const auto other = static_cast<WindowHandle>(lParam);
        switch (message) {
        case peer::kEcho:
            return static_cast<LResult>(wParam * 3) + lParam;
        case peer::kPostBack:
            return postMessage(other, peer::kPostedBack, wParam, self) ? 1 : 0;
        case peer::kHang:
            say("hanging");
            for (;;) pause();
        case peer::kQuit:
            quitEventLoop(0);
            return 1;
        case peer::kSendBack:
            return sendMessage(other, peer::kEcho, wParam, 0) + 1;
        case peer::kAnnounce:
            postMessage(other, peer::kAnnounceAck, self, 0);
            return 0;
        default:
            return 0;
        }
    }

    LResult onCopyData(WindowHandle sender, std::uint32_t dwData, const std::uint8_t* data,
                       std::size_t size) override
    {
        std::vector<std::uint8_t> reversed(data, data + size);
        std::reverse(reversed.begin(), reversed.end());
        sendCopyData(sender, self, dwData + 1, reversed.data(), reversed.size());
        return peer::payloadChecksum(data, size);
    }
};

int serveWindow(int argc, char** argv, const char* title)
{
    ensureEventLoopApplication(argc, argv);
    PeerHandler handler;
    auto window = MessageWindow::create(title, handler);
    if (!window) {
        say("failed");
        return 1;
    }
    handler.self = window->handle();
    say(("ready " + std::to_string(handler.self)).c_str());
    return runEventLoop();
}

int registerNames(int argc, char** argv)
{
    std::string line;
    for (int i = 2; i < argc; ++i) line += std::to_string(registerWindowMessage(argv[i])) + " ";
    say(line.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "window") == 0) return serveWindow(argc, argv, argv[2]);
    if (argc >= 3 && std::strcmp(argv[1], "register") == 0) return registerNames(argc, argv);
    std::fprintf(stderr, "usage: %s window <title> | register <name>...\n", argv[0]);
    return 2;
}

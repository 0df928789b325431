#include "monitor/app/SignalWatcher.h"

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>

#include "platform/system/DebugOutput.h"
#include "platform/windows/MessageWindow.h"

namespace monitor::app {
namespace {

int g_signalPipeWrite = -1;

void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    if (g_signalPipeWrite >= 0) {
        [[maybe_unused]] const ssize_t written = write(g_signalPipeWrite, &byte, 1);
    }
    errno = savedErrno;
}

}  // namespace

struct SignalWatcher::Impl {
    int pipe[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier;
};

std::unique_ptr<SignalWatcher> SignalWatcher::install(platform::WindowHandle window)
{
    auto impl = std::make_unique<Impl>();
    if (pipe2(impl->pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return nullptr;
    g_signalPipeWrite = impl->pipe[1];
    const int readEnd = impl->pipe[0];
    impl->notifier = std::make_unique<QSocketNotifier>(readEnd, QSocketNotifier::Read);
    QObject::connect(impl->notifier.get(), &QSocketNotifier::activated, [readEnd, window] {
        unsigned char byte = 0;
        while (read(readEnd, &byte, 1) == 1) {
            platform::debugPrintf("CMonitorApp: signal %d, closing\n", byte);
            platform::postMessage(window, platform::WM_CLOSE, 0, 0);
        }
    });

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);

    std::unique_ptr<SignalWatcher> watcher(new SignalWatcher);
    watcher->impl_ = std::move(impl);
    return watcher;
}

SignalWatcher::~SignalWatcher()
{
    signal(SIGTERM, SIG_DFL);
    signal(SIGINT, SIG_DFL);
    g_signalPipeWrite = -1;
    impl_->notifier.reset();
    close(impl_->pipe[0]);
    close(impl_->pipe[1]);
}

}  // namespace monitor::app

#include "monitor/app/SignalWatcher.h"

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>

#include "platform/system/DebugOutput.h"
#include "platform/windows/MessageWindow.h"

namespace monitor::app {
namespace {

static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler stores into these flags");
constexpr std::size_t kMaxFlags = 4;

volatile sig_atomic_t g_signalPipeWrite = -1;
std::atomic<bool>* g_flags[kMaxFlags] = {};

void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    for (std::atomic<bool>* flag : g_flags) {
        if (flag != nullptr)
            flag->store(true);
    }
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

std::unique_ptr<SignalWatcher> SignalWatcher::install(platform::WindowHandle window,
                                                      const std::vector<std::atomic<bool>*>& flagsToSet)
{
    if (flagsToSet.size() > kMaxFlags)
        return nullptr;
    auto impl = std::make_unique<Impl>();
    if (pipe2(impl->pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return nullptr;
    std::size_t next = 0;
    for (std::atomic<bool>* flag : flagsToSet)
        g_flags[next++] = flag;
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
    for (std::atomic<bool>*& flag : g_flags)
        flag = nullptr;
    impl_->notifier.reset();
    close(impl_->pipe[0]);
    close(impl_->pipe[1]);
}

}  // namespace monitor::app

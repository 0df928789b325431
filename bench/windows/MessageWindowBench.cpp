// Round trips between two processes through message windows: a send answered by
// the peer's handler, a post answered by a post back, and copy data. Each
// benchmark reports the median and the 99th percentile of single round trips.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/windows/BenchPeer.h"
#include "platform/windows/EventLoop.h"
#include "platform/windows/MessageWindow.h"

extern char** environ;

namespace {

using namespace platform;
using Clock = std::chrono::steady_clock;

WindowHandle gPeer = 0;
WindowHandle gSelf = 0;

// Ends the event loop when the peer's post comes back.
class PostBackHandler : public MessageHandler {
public:
    LResult onMessage(MessageId message, WParam, LParam) override
    {
        if (message == benchpeer::kPostedBack) quitEventLoop(0);
        return 0;
    }
};

class Samples {
public:
    explicit Samples(std::size_t expected) { microseconds_.reserve(expected); }

    template <typename Work>
    void time(Work&& work)
    {
        const auto start = Clock::now();
        work();
        microseconds_.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }

    void report(benchmark::State& state)
    {
        if (microseconds_.empty()) return;
        std::sort(microseconds_.begin(), microseconds_.end());
        const auto at = [&](double share) {
            return microseconds_[std::min(microseconds_.size() - 1,
                                          static_cast<std::size_t>(share * static_cast<double>(microseconds_.size())))];
        };
        state.counters["median_us"] = at(0.5);
        state.counters["p99_us"] = at(0.99);
    }

private:
    std::vector<double> microseconds_;
};

void BM_SendRoundTrip(benchmark::State& state)
{
    Samples samples(static_cast<std::size_t>(state.max_iterations));
    WParam n = 0;
    for (auto _ : state) {
        samples.time([&] {
            if (sendMessage(gPeer, benchpeer::kEcho, n, 0) != static_cast<LResult>(n + 1))
                state.SkipWithError("wrong or no answer");
        });
        ++n;
    }
    samples.report(state);
}

void BM_PostRoundTrip(benchmark::State& state)
{
    Samples samples(static_cast<std::size_t>(state.max_iterations));
    for (auto _ : state) {
        samples.time([&] {
            if (!postMessage(gPeer, benchpeer::kPostBack, 0, gSelf)) state.SkipWithError("post failed");
            else runEventLoop();
        });
    }
    samples.report(state);
}

void BM_CopyDataRoundTrip(benchmark::State& state)
{
    const std::vector<std::uint8_t> payload(static_cast<std::size_t>(state.range(0)), 0x5A);
    Samples samples(static_cast<std::size_t>(state.max_iterations));
    for (auto _ : state) {
        samples.time([&] {
            if (sendCopyData(gPeer, gSelf, 1, payload.data(), payload.size()) != static_cast<LResult>(payload.size()))
                state.SkipWithError("wrong or no answer");
        });
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
    samples.report(state);
}

BENCHMARK(BM_SendRoundTrip)->UseRealTime()->Repetitions(3);
BENCHMARK(BM_PostRoundTrip)->UseRealTime()->Repetitions(3);
BENCHMARK(BM_CopyDataRoundTrip)->Arg(64)->Arg(64 * 1024)->Arg(1024 * 1024)->UseRealTime()->Repetitions(3);

struct Peer {
    pid_t pid = -1;
    int output = -1;
};

Peer startPeer(const std::string& program)
{
    int fds[2];
    if (pipe(fds) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    Peer peer;
    if (posix_spawn(&peer.pid, program.c_str(), &actions, nullptr, argv, environ) != 0) peer.pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    peer.output = fds[0];
    return peer;
}

// The peer's "ready <handle>" line; 0 when it does not come within ten seconds.
WindowHandle readReadyLine(int fd)
{
    std::string line;
    char c = 0;
    while (line.size() < 64) {
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, 10'000) != 1 || read(fd, &c, 1) != 1) return 0;
        if (c == '\n') break;
        line += c;
    }
    unsigned handle = 0;
    return std::sscanf(line.c_str(), "ready %u", &handle) == 1 ? handle : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    // A private runtime folder, so the benchmark meets no other windows.
    char folder[] = "/tmp/zuro-windows-bench-XXXXXX";
    if (!mkdtemp(folder)) return 1;
    setenv("XDG_RUNTIME_DIR", folder, 1);
    ensureEventLoopApplication(argc, argv);

    PostBackHandler handler;
    auto window = MessageWindow::create("Message window bench", handler);
    const auto program = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "platform_windows_bench_peer";
    Peer peer = startPeer(program.string());
    gSelf = window ? window->handle() : 0;
    gPeer = peer.pid > 0 ? readReadyLine(peer.output) : 0;

    int status = 0;
    if (gSelf == 0 || gPeer == 0) {
        std::fprintf(stderr, "the peer window could not be set up\n");
        status = 1;
    } else {
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        sendMessage(gPeer, WM_CLOSE, 0, 0);
    }
    if (peer.pid > 0) {
        kill(peer.pid, SIGKILL);
        waitpid(peer.pid, nullptr, 0);
    }
    window.reset();
    std::filesystem::remove_all(folder);
    return status;
}

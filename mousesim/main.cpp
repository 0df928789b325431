// mousesim: the simulated mouse (`serve`) and the commands that drive it.

#include <csignal>
#include <cstdio>
#include <string>
#include <sys/signalfd.h>
#include <vector>

#include "mousesim/BusPaths.h"
#include "mousesim/CommandLine.h"
#include "mousesim/ControlClient.h"
#include "mousesim/Simulator.h"

namespace {

using namespace mousesim;

constexpr int kExitOk = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;
constexpr int kExitNoSimulator = 3;

constexpr int kReplyMarginMs = 5000;

int serve(const ServeOptions& options)
{
    // The signals are taken from a descriptor in the loop, never in a handler.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigprocmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    FileDescriptor stop(signalfd(-1, &stopSignals, SFD_CLOEXEC | SFD_NONBLOCK));
    if (!stop.valid()) {
        std::perror("mousesim: signalfd");
        return kExitRefused;
    }
    const std::string folder = busFolder();
    if (folder.empty()) {
        std::fprintf(stderr, "mousesim: the runtime directory is unusable\n");
        return kExitRefused;
    }
    Simulator simulator(options, folder, stop.get());
    if (const auto failure = simulator.start()) {
        std::fprintf(stderr, "mousesim: %s\n", failure->c_str());
        return kExitRefused;
    }
    std::printf("mousesim: serving in %s\n", folder.c_str());
    std::fflush(stdout);
    simulator.run();
    return kExitOk;
}

int sendCommand(const ControlInvocation& invocation)
{
    const std::string path = controlSocketPath();
    auto client = path.empty() ? std::nullopt : ControlClient::connect(path);
    if (!client) {
        std::fprintf(stderr, "mousesim: no simulator is running\n");
        return kExitNoSimulator;
    }
    const int limit = invocation.command.verb == Verb::WaitInputReaders
                          ? static_cast<int>(invocation.command.value) + kReplyMarginMs
                          : kReplyMarginMs;
    const auto reply = client->send(joinWords(invocation.words), limit);
    if (!reply) {
        std::fprintf(stderr, "mousesim: the simulator did not answer\n");
        return kExitNoSimulator;
    }
    switch (reply->outcome) {
        case control::Outcome::Ok: std::fputs(reply->text.c_str(), stdout); return kExitOk;
        case control::Outcome::Refused: std::fprintf(stderr, "mousesim: refused: %s\n", reply->text.c_str()); return kExitRefused;
        case control::Outcome::Usage: std::fprintf(stderr, "mousesim: %s\n", reply->text.c_str()); return kExitUsage;
    }
    return kExitRefused;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const Invocation invocation = parseCommandLine(args);
    if (const auto* error = std::get_if<UsageError>(&invocation)) {
        std::fprintf(stderr, "mousesim: %s\n%s", error->message.c_str(), kUsageText);
        return kExitUsage;
    }
    if (const auto* options = std::get_if<ServeOptions>(&invocation)) return serve(*options);
    return sendCommand(std::get<ControlInvocation>(invocation));
}

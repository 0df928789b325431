// hidbridge.so against a running simulator: how long an event report takes from
// the simulator's socket to the handler of the caller's window, and what a
// feature read through the library costs next to the bare socket round trip.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>

#include "hidbridge/SimulatorBus.h"
#include "mousesim/ControlClient.h"
#include "mousesim/SeqPacket.h"
#include "mousesim/ServeProcess.h"
#include "platform/windows/EventLoop.h"
#include "tests/hidbridge_e2e/BridgeSession.h"

namespace {

using namespace hidbridge::e2e;
using hidbridge::BridgeExports;
using hidbridge::simbus::kGetFeature;
using hidbridge::simbus::kMaxPacket;

std::uint64_t monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1'000'000'000u + static_cast<std::uint64_t>(now.tv_nsec);
}

// One simulator, one window and the bridge with both collections open, for all benchmarks.
struct Session {
    std::string filesDir;
    std::unique_ptr<mousesim::ServeProcess> serve;
    std::optional<mousesim::ControlClient> control;
    MessageRecorder recorder;
    std::unique_ptr<platform::MessageWindow> window;
    std::uint64_t lastEventHandledNs = 0;
    std::string failure;

    Session()
    {
        const BridgeProcess& process = BridgeProcess::instance();
        if (!process.failure().empty()) {
            failure = process.failure();
            return;
        }
        filesDir = process.runtimeDir() + "/bench-files";
        std::filesystem::create_directories(filesDir);
        serve = mousesim::ServeProcess::start({MOUSESIM_PROGRAM, process.runtimeDir(), filesDir + "/state.txt",
                                               filesDir + "/report.log", {}},
                                              failure);
        if (!serve) return;
        control = mousesim::ControlClient::connect(process.busFolder() + "control.sock");
        recorder.onEach = [this](const ReceivedMessage& m) {
            if (m.message == kEventMessage) lastEventHandledNs = monotonicNs();
        };
        window = platform::MessageWindow::create("hidbridge benchmark", recorder);
        const BridgeExports& bridge = process.bridge();
        if (!control || !window || !bridge.openDevMonitor(window->handle(), kEventMessage, kDeviceMessage)) {
            failure = "cannot open monitoring";
            return;
        }
        const auto reader = control->send("wait-input-readers 1");
        if (!reader || reader->outcome != mousesim::control::Outcome::Ok || !bridge.openFeatureDevice())
            failure = "the bridge did not open the simulated mouse";
    }

    ~Session()
    {
        const BridgeProcess& process = BridgeProcess::instance();
        if (process.failure().empty()) {
            process.bridge().closeDevMonitor(0);
            process.bridge().closeFeatureDevice();
        }
        control.reset();
        serve.reset();
    }
};

Session* session = nullptr;

double percentile(std::vector<double> samples, double fraction)
{
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(samples.size() - 1) + 0.5);
    return samples[std::min(index, samples.size() - 1)];
}

// From the simulator writing the event report to its socket to the window's
// handler taking the message. Argument: the pause in milliseconds between two
// events; the bridge's reader rests 10 ms after each report, so events closer
// together than that wait for it.
void BM_EventReportToMessage(benchmark::State& state)
{
    if (!session->failure.empty()) {
        state.SkipWithError(session->failure.c_str());
        return;
    }
    const int pauseMs = static_cast<int>(state.range(0));
    std::vector<double> latenciesUs;
    std::uint32_t value = 0;
    for (auto _ : state) {
        value = value % 0xFFFE + 1;
        const std::size_t before = session->recorder.count(kEventMessage);
        const auto reply = session->control->send("event 0x90 " + std::to_string(value));
        const auto sentAt = reply ? mousesim::control::answerValue(reply->text, mousesim::control::kSentAtKey)
                                  : std::nullopt;
        if (!sentAt || !MessageRecorder::runUntil(
                           [&] { return session->recorder.count(kEventMessage) > before; }, 2000)) {
            state.SkipWithError("an event report did not arrive");
            return;
        }
        const double latencyNs = static_cast<double>(session->lastEventHandledNs - std::stoull(*sentAt));
        latenciesUs.push_back(latencyNs / 1000.0);
        state.SetIterationTime(latencyNs / 1e9);
        if (pauseMs > 0) {
            state.PauseTiming();
            const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(pauseMs);
            MessageRecorder::runUntil([&] { return std::chrono::steady_clock::now() >= until; }, pauseMs + 1);
            state.ResumeTiming();
        }
    }
    state.counters["median_us"] = percentile(latenciesUs, 0.5);
    state.counters["p99_us"] = percentile(latenciesUs, 0.99);
}
BENCHMARK(BM_EventReportToMessage)->Arg(20)->Iterations(300)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EventReportToMessage)->Arg(0)->Iterations(200)->UseManualTime()->Unit(benchmark::kMicrosecond);

bool libraryGet()
{
    unsigned char report[3] = {0x05, 0, 0};
    return BridgeProcess::instance().bridge().getFeature(report, 3) != 0;
}

bool rawGet(int fd)
{
    const std::uint8_t request[] = {kGetFeature, 3, 0, 0x05};
    std::vector<std::uint8_t> reply;
    return mousesim::sendPacketNow(fd, request) &&
           mousesim::receivePacketWithin(fd, reply, kMaxPacket, 2000) == mousesim::ReceiveResult::Packet &&
           reply.size() == 5 && reply[1] == 1;
}

mousesim::FileDescriptor rawFeatureConnection()
{
    return mousesim::connectTo(BridgeProcess::instance().busFolder() + "zuro-mouse-feature.hid");
}

void BM_FeatureGetThroughLibrary(benchmark::State& state)
{
    if (!session->failure.empty()) return state.SkipWithError(session->failure.c_str());
    for (auto _ : state)
        if (!libraryGet()) return state.SkipWithError("GetFeature failed");
}
BENCHMARK(BM_FeatureGetThroughLibrary)->Unit(benchmark::kMicrosecond);

void BM_FeatureGetRawSocket(benchmark::State& state)
{
    if (!session->failure.empty()) return state.SkipWithError(session->failure.c_str());
    const mousesim::FileDescriptor fd = rawFeatureConnection();
    for (auto _ : state)
        if (!rawGet(fd.get())) return state.SkipWithError("the raw round trip failed");
}
BENCHMARK(BM_FeatureGetRawSocket)->Unit(benchmark::kMicrosecond);

// Both in turn, so that they meet the same load of the machine: the library's
// time over the raw round trip's.
void BM_FeatureGetLibraryOverRaw(benchmark::State& state)
{
    if (!session->failure.empty()) return state.SkipWithError(session->failure.c_str());
    const mousesim::FileDescriptor fd = rawFeatureConnection();
    using Clock = std::chrono::steady_clock;
    Clock::duration library{};
    Clock::duration raw{};
    for (auto _ : state) {
        const auto start = Clock::now();
        if (!libraryGet()) return state.SkipWithError("GetFeature failed");
        const auto between = Clock::now();
        if (!rawGet(fd.get())) return state.SkipWithError("the raw round trip failed");
        library += between - start;
        raw += Clock::now() - between;
    }
    const double iterations = static_cast<double>(state.iterations());
    const auto us = [&](Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count() / iterations; };
    state.counters["library_us"] = us(library);
    state.counters["raw_us"] = us(raw);
    state.counters["ratio"] = us(library) / us(raw);
}
BENCHMARK(BM_FeatureGetLibraryOverRaw)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Session running;
    session = &running;
    if (!running.failure.empty()) std::fprintf(stderr, "hidbridge_bench: %s\n", running.failure.c_str());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

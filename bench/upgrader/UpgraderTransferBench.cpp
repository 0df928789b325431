// The firmware transfer of a full 204800-byte image (200 blocks) against the
// simulated mouse, through hidbridge.so and the upgrader's transfer thread:
// wall time next to the pauses the update prescribes (the waits before each
// status poll and after the set-up commands). The ratio is the cost of
// everything that is not a prescribed pause; the target is 1.05 or less.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <future>

#include "mousesim/ServeProcess.h"
#include "tests/hidbridge_e2e/BridgeSession.h"
#include "upgrader/core/BridgeUpdateDevice.h"
#include "upgrader/core/FirmwareTransfer.h"
#include "upgrader/core/TransferThread.h"

namespace {

using Clock = std::chrono::steady_clock;

// Adds up the pauses the transfer asks for and hands them to the thread's waiter.
class PauseCounter final : public upgrader::Waiter {
public:
    explicit PauseCounter(upgrader::Waiter& inner) : inner_(inner) {}
    bool wait(std::chrono::milliseconds duration) override
    {
        prescribed += duration;
        const Clock::time_point start = Clock::now();
        const bool ok = inner_.wait(duration);
        waited += Clock::now() - start;
        return ok;
    }
    std::chrono::milliseconds prescribed{0};
    Clock::duration waited{};

private:
    upgrader::Waiter& inner_;
};

std::vector<std::uint8_t> fullImage(std::uint8_t version)
{
    std::vector<std::uint8_t> image(upgrader::kFirmwareMaxSize);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 7 + (i >> 10));
    const std::uint8_t tag[] = {'M', 'S', 'F', 'W', version};
    std::copy(std::begin(tag), std::end(tag), image.begin());
    return image;
}

void BM_TransferOfAFullImage(benchmark::State& state)
{
    const hidbridge::e2e::BridgeProcess& process = hidbridge::e2e::BridgeProcess::instance();
    if (!process.failure().empty()) {
        state.SkipWithError(process.failure().c_str());
        return;
    }
    const std::string files = process.runtimeDir() + "/bench-files";
    std::filesystem::create_directories(files);
    std::string failure;
    auto mouse = mousesim::ServeProcess::start(
        {MOUSESIM_PROGRAM, process.runtimeDir(), files + "/state.txt", files + "/report.log", {}}, failure);
    const hidbridge::BridgeExports& bridge = process.bridge();
    if (!mouse || !bridge.openFeatureDevice()) {
        state.SkipWithError(("the simulated mouse cannot be opened: " + failure).c_str());
        return;
    }
    upgrader::BridgeUpdateDevice device(bridge.setFeature, bridge.getFeature);
    const auto image = upgrader::makeFirmwareImage(fullImage(108)).image;

    double wallMs = 0;
    double prescribedMs = 0;
    double sleptMs = 0;  // time inside the waits: the pauses plus the wake-up delays
    bool succeeded = true;
    for (auto _ : state) {
        std::promise<bool> result;
        std::chrono::milliseconds prescribed{0};
        Clock::duration slept{};
        upgrader::TransferThread thread(
            [&](upgrader::Waiter& waiter) {
                PauseCounter counter(waiter);
                const bool ok = upgrader::FirmwareTransfer(device, counter).run(*image);
                prescribed = counter.prescribed;
                slept = counter.waited;
                return ok;
            },
            [&](bool ok) { result.set_value(ok); });
        const Clock::time_point start = Clock::now();
        thread.start();
        succeeded = result.get_future().get() && succeeded;
        const auto wall = Clock::now() - start;
        state.SetIterationTime(std::chrono::duration<double>(wall).count());
        wallMs += std::chrono::duration<double, std::milli>(wall).count();
        prescribedMs += static_cast<double>(prescribed.count());
        sleptMs += std::chrono::duration<double, std::milli>(slept).count();
    }
    const std::optional<std::uint8_t> version = upgrader::readFirmwareVersion(device);
    bridge.closeFeatureDevice();
    if (!succeeded || version != 108) {
        state.SkipWithError("the mouse did not take the image");
        return;
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["wall_ms"] = wallMs / iterations;
    state.counters["pauses_ms"] = prescribedMs / iterations;
    state.counters["slept_ms"] = sleptMs / iterations;
    state.counters["ratio"] = wallMs / prescribedMs;
    std::printf("upgrader_bench: 200 blocks in %.0f ms against %.0f ms of prescribed pauses: ratio %.4f "
                "(target <= 1.05); %.0f ms of it in the waits, %.0f ms exchanging reports\n",
                wallMs / iterations, prescribedMs / iterations, wallMs / prescribedMs, sleptMs / iterations,
                (wallMs - sleptMs) / iterations);
}
BENCHMARK(BM_TransferOfAFullImage)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

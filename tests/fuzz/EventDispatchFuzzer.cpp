// libFuzzer target: the mouse's event words through the monitor's dispatcher,
// against the recording fakes of the dispatch tests, over a settings block whose
// header, profile values and button functions come from the input too (they come
// from files and from the mouse). Input: a count n, n event words of four bytes,
// then the block's bytes. Nothing may crash, overflow or index out of range,
// and the active profile stays a profile.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "monitor/dispatch/MouseEventDispatcher.h"
#include "tests/fuzz/FuzzWorkFolder.h"
#include "tests/monitor_dispatch/RecordingDispatchFakes.h"

namespace {

using monitor::dispatch::test::FakeHost;
using monitor::dispatch::test::FakeMonitor;
using monitor::dispatch::test::Journal;

constexpr std::size_t kHeaderBytes = offsetof(settings::SettingsBlock, Profiles);
constexpr std::size_t kValuesOffset = offsetof(settings::ProfileRecord, DbleClickSpeed);
constexpr std::size_t kValuesBytes = offsetof(settings::ProfileRecord, MacroKeyInfo) - kValuesOffset;

// Takes up to `size` bytes from the front of `input` into `target`.
void take(std::span<const std::uint8_t>& input, void* target, std::size_t size)
{
    const std::size_t count = std::min(size, input.size());
    std::memcpy(target, input.data(), count);
    input = input.subspan(count);
}

// The block's header, then one profile's values for all five, then each slot's
// function code for all five.
void fillBlock(settings::SettingsBlock& block, std::span<const std::uint8_t> input)
{
    take(input, &block, kHeaderBytes);
    auto* values = reinterpret_cast<std::uint8_t*>(&block.Profiles[0]) + kValuesOffset;
    take(input, values, kValuesBytes);
    for (settings::ButtonAssignment& slot : block.Profiles[0].MacroKeyInfo) take(input, &slot.FunctionCode, 1);
    for (int p = 1; p < settings::kProfileCount; ++p) block.Profiles[p] = block.Profiles[0];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    std::span<const std::uint8_t> input(data + 1, size - 1);
    const std::size_t eventCount = std::min<std::size_t>(data[0], input.size() / 4);
    const std::span<const std::uint8_t> words = input.first(eventCount * 4);
    input = input.subspan(eventCount * 4);

    Journal journal;
    FakeMonitor monitor(journal, fuzzing::workFolder());
    FakeHost host(journal);
    fillBlock(*monitor.blockData, input);
    const bool startedValid = settings::isValidProfileIndex(monitor.blockData->CurrentProfile);
    monitor::dispatch::MouseEventDispatcher dispatcher(monitor, host);
    for (std::size_t i = 0; i < eventCount; ++i) {
        std::uint32_t word = 0;
        std::memcpy(&word, &words[i * 4], 4);
        dispatcher.onDeviceEvent(word);
        if (startedValid && !settings::isValidProfileIndex(monitor.blockData->CurrentProfile)) std::abort();
    }
    return 0;
}

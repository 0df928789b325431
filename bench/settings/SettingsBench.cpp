// Loading and saving a full configuration: config.ini, five profiles whose 24
// slots each hold a 500-event macro, a macro store of 100 sets holding those 120
// macros, and a timer store of 51 timers. Every save really changes every file.
// Reported as medians of repeated runs.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "settings/BlockDefaults.h"
#include "settings/ConfigFile.h"
#include "settings/FixedText.h"
#include "settings/FunctionCodes.h"
#include "settings/InstallFolder.h"
#include "settings/MacroStore.h"
#include "settings/TimerStore.h"

namespace {

using namespace settings;

constexpr int kStoreSets = 100;
constexpr int kTimers = 51;

MacroRecord fullMacro(int number)
{
    MacroRecord macro;
    setFieldText(macro.Name, "Macro " + std::to_string(number));
    macro.LoopCount = 1 + number % 255;
    macro.EventCount = kMaxMacroEvents;
    for (int i = 0; i < kMaxMacroEvents; ++i) {
        macro.Events[i] = MacroEvent{static_cast<std::uint8_t>(4 + (number + i / 2) % 50),
                                     static_cast<std::uint8_t>(i % 2 == 0 ? kMacroActionPress : kMacroActionRelease),
                                     static_cast<std::uint16_t>(number * 7 + i)};
    }
    return macro;
}

std::string setName(int set)
{
    return "Macro set " + std::to_string(set);
}

class FullConfiguration {
public:
    FullConfiguration()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "settings-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        root_ = pattern + "/";
        std::filesystem::create_directories(root_ + "config");
        std::filesystem::create_directories(root_ + "xdg");
        ::setenv("XDG_CONFIG_HOME", (root_ + "xdg").c_str(), 1);
        folder_ = std::make_unique<InstallFolder>(root_);

        createDefaultBlock(*block, 1);
        store.sets.resize(kStoreSets);
        for (int s = 0; s < kStoreSets; ++s)
            store.sets[static_cast<std::size_t>(s)].name = setName(s);
        for (int p = 0; p < kProfileCount; ++p) {
            for (int s = 0; s < kButtonSlotCount; ++s) {
                const int number = p * kButtonSlotCount + s;
                const MacroRecord macro = fullMacro(number);
                MacroSet& set = store.sets[static_cast<std::size_t>(number % kStoreSets)];
                set.macros.push_back(macro);
                ButtonAssignment& slot = block->Profiles[p].MacroKeyInfo[s];
                slot.FunctionCode = kFunctionMacro;
                setFieldText(slot.MacroSetName, set.name);
                setFieldText(slot.MacroName, fieldText(macro.Name));
                slot.MacroLoopCount = macro.LoopCount;
                slot.MacroEventCount = kMaxMacroEvents;
                for (int i = 0; i < kMaxMacroEvents; ++i)
                    slot.MacroEvents[i] = macro.Events[i];
            }
        }
        for (int t = 0; t < kTimers; ++t) {
            TimerRecord timer;
            timer.Seconds = 15 + t;
            setFieldText(timer.Name, "Timer " + std::to_string(t));
            timers.push_back(timer);
        }
        if (!saveAll())
            std::abort();
    }

    ~FullConfiguration()
    {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    // Changes one byte of every record, so that every file is rewritten.
    void change()
    {
        ++version_;
        for (ProfileRecord& profile : block->Profiles) {
            for (ButtonAssignment& slot : profile.MacroKeyInfo)
                slot.MacroEvents[0].DelayMs = static_cast<std::uint16_t>(version_);
        }
        for (MacroSet& set : store.sets) {
            for (MacroRecord& macro : set.macros)
                macro.Events[0].DelayMs = static_cast<std::uint16_t>(version_);
            set.mark = MacroChangeMark::Changed;
        }
        for (TimerRecord& timer : timers)
            timer.Seconds = 15 + version_ % 900;
        block->InfoData.Counters[0] = version_;
    }

    bool saveAll()
    {
        for (MacroSet& set : store.sets)
            set.mark = MacroChangeMark::Changed;
        return settings::saveAll(*block, *folder_) && saveMacroStore(store, folder_->macroStoreFile()) &&
               saveTimerStore(timers, folder_->timerStoreFile());
    }

    bool loadAll(SettingsBlock& into, MacroStore& loadedStore, TimerStore& loadedTimers) const
    {
        return settings::loadAll(into, *folder_) && loadMacroStore(loadedStore, folder_->macroStoreFile()) &&
               loadTimerStore(loadedTimers, folder_->timerStoreFile());
    }

    std::uintmax_t bytesOnDisk() const
    {
        std::uintmax_t total = 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root_ + "config"))
            total += entry.is_regular_file() ? entry.file_size() : 0;
        return total + std::filesystem::file_size(folder_->configIni());
    }

    std::unique_ptr<SettingsBlock> block = std::make_unique<SettingsBlock>();
    MacroStore store;
    TimerStore timers;

private:
    std::string root_;
    std::unique_ptr<InstallFolder> folder_;
    int version_ = 0;
};

void BM_LoadAll(benchmark::State& state)
{
    FullConfiguration configuration;
    auto block = std::make_unique<SettingsBlock>();
    MacroStore store;
    TimerStore timers;
    for (auto _ : state) {
        if (!configuration.loadAll(*block, store, timers))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(block.get());
    }
    if (store.sets.size() != kStoreSets || timers.size() != kTimers)
        state.SkipWithError("store not loaded whole");
    state.counters["file_bytes"] = static_cast<double>(configuration.bytesOnDisk());
}

void BM_SaveAll(benchmark::State& state)
{
    FullConfiguration configuration;
    for (auto _ : state) {
        configuration.change();
        if (!configuration.saveAll())
            state.SkipWithError("save failed");
    }
    state.counters["file_bytes"] = static_cast<double>(configuration.bytesOnDisk());
}

BENCHMARK(BM_LoadAll)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveAll)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();

// libFuzzer target: arbitrary bytes as a profile file, a macro store and a timer
// store. Loading, composing every slot's caption, synchronising the store with
// the loaded profile and saving must neither crash nor touch memory outside the
// records, and a timer store must read back as it was saved.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "platform/keyboard/KeyboardLayout.h"
#include "settings/FixedText.h"
#include "settings/MacroStore.h"
#include "settings/MacroStoreSync.h"
#include "settings/ProfileFile.h"
#include "settings/RecordBytes.h"
#include "settings/SettingsBlock.h"
#include "settings/SlotCaption.h"
#include "settings/TimerStore.h"
#include "tests/fuzz/FuzzWorkFolder.h"

namespace {

using fuzzing::workFolder;

class UsLayout final : public platform::KeyboardLayout {
public:
    std::string keyText(std::uint8_t usage) const override { return platform::usKeyText(usage); }
};

void writeInput(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    stream.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void checkTimers(const std::string& input)
{
    settings::TimerStore timers;
    settings::loadTimerStore(timers, input);
    const std::string saved = workFolder() + "Timer.ini";
    if (!settings::saveTimerStore(timers, saved))
        std::abort();
    settings::TimerStore reloaded;
    settings::loadTimerStore(reloaded, saved);
    if (reloaded.size() != timers.size())
        std::abort();
    for (std::size_t i = 0; i < timers.size(); ++i) {
        if (!settings::sameBytes(reloaded[i], timers[i]))
            std::abort();
    }
}

void checkProfileAndMacros(const std::string& input)
{
    static const UsLayout layout;
    auto block = std::make_unique<settings::SettingsBlock>();
    if (settings::loadProfileFile(block->Profiles[0], input)) {
        for (const settings::ButtonAssignment& slot : block->Profiles[0].MacroKeyInfo)
            settings::slotCaption(slot, block->Profiles[0], layout);
    }
    for (int p = 1; p < settings::kProfileCount; ++p)
        block->Profiles[p] = block->Profiles[0];

    settings::MacroStore store;
    settings::loadMacroStore(store, input);
    for (const settings::ButtonAssignment& slot : block->Profiles[0].MacroKeyInfo)
        settings::findMacro(store, settings::fieldText(slot.MacroSetName), settings::fieldText(slot.MacroName), &slot);
    // Marks the sets the profile changes; the first set is rewritten as well.
    settings::syncMacroStoreWithProfiles(store, *block);
    if (!store.sets.empty())
        store.sets.front().mark = settings::MacroChangeMark::Changed;
    const std::string saved = workFolder() + "Preset_sequence.dat";
    std::filesystem::remove(saved);
    if (!settings::saveMacroStore(store, saved))
        std::abort();
    settings::MacroStore reloaded;
    settings::loadMacroStore(reloaded, saved);
    const std::size_t listed = std::min(store.sets.size(), static_cast<std::size_t>(settings::kMaxLoadedMacroSets));
    if (reloaded.sets.size() != listed)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input = workFolder() + "input.ini";
    writeInput(input, data, size);
    checkTimers(input);
    checkProfileAndMacros(input);
    return 0;
}

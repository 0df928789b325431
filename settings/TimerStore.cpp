#include "settings/TimerStore.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/ini/AtomicFile.h"
#include "platform/ini/FolderLock.h"
#include "platform/ini/IniBatch.h"
#include "platform/ini/IniDocument.h"
#include "platform/ini/ProfileValues.h"
#include "settings/RecordBytes.h"

namespace settings {
namespace {

constexpr std::string_view kSection = "Timer";
constexpr std::string_view kCountKey = "Count";
constexpr int kMissingCount = -1;

}  // namespace

void readTimerStore(const platform::ini::IniBatch& file, TimerStore& timers)
{
    timers.clear();
    const int count = std::clamp(file.readInt(kSection, kCountKey, kMissingCount), 0, kMaxLoadedTimers);
    timers.resize(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < timers.size(); ++i) {
        if (!file.readStruct(kSection, std::to_string(i), &timers[i], sizeof(TimerRecord)))
            zeroBytes(timers[i]);
    }
}

bool loadTimerStore(TimerStore& timers, const std::string& path)
{
    const platform::ini::IniBatch file(path, false);
    if (!file.readable()) {
        timers.clear();
        return false;
    }
    readTimerStore(file, timers);
    return true;
}

bool saveTimerStore(const TimerStore& timers, const std::string& path)
{
    const auto parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(parent, ignored);
    }
    // A new document written key by key is what deleting the file and then
    // writing every key gives, without a moment with no file at all.
    platform::ini::IniDocument document;
    platform::ini::writeIntTo(document, kSection, kCountKey, static_cast<int>(timers.size()));
    for (std::size_t i = 0; i < timers.size(); ++i)
        platform::ini::writeStructTo(document, kSection, std::to_string(i), &timers[i], sizeof(TimerRecord));

    const platform::ini::FolderLock lock(path);
    return lock.locked() && platform::ini::replaceFileAtomically(path, document.serialize());
}

}  // namespace settings

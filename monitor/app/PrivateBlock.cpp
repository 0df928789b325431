#include "monitor/app/PrivateBlock.h"

#include <algorithm>
#include <cstring>

namespace monitor::app {
namespace {

constexpr std::size_t kWordSize = 4;
constexpr std::size_t kWordCount = settings::kSettingsBlockSize / kWordSize;
static_assert(settings::kSettingsBlockSize % kWordSize == 0);
// Equal stretches are skipped this many bytes at a time.
constexpr std::size_t kStretch = 256;
static_assert(kStretch % kWordSize == 0);

const unsigned char* bytesOf(const settings::SettingsBlock& block)
{
    return reinterpret_cast<const unsigned char*>(&block);
}

unsigned char* bytesOf(settings::SettingsBlock& block)
{
    return reinterpret_cast<unsigned char*>(&block);
}

}  // namespace

void PrivateBlock::modify(const std::function<void(settings::SettingsBlock&)>& change)
{
    const std::lock_guard held(mutex_);
    if (openReads_.empty()) {
        change(*block_);
        return;
    }
    const auto before = std::make_unique<settings::SettingsBlock>(*block_);
    change(*block_);
    rememberChanges(*before);
}

void PrivateBlock::rememberChanges(const settings::SettingsBlock& before)
{
    const unsigned char* old = bytesOf(before);
    const unsigned char* now = bytesOf(*block_);
    for (std::size_t start = 0; start < settings::kSettingsBlockSize; start += kStretch) {
        const std::size_t length = std::min(kStretch, settings::kSettingsBlockSize - start);
        if (std::memcmp(old + start, now + start, length) == 0)
            continue;
        for (std::size_t offset = start; offset < start + length; offset += kWordSize) {
            if (std::memcmp(old + offset, now + offset, kWordSize) == 0)
                continue;
            for (OpenRead& read : openReads_)
                read.changedWords[offset / kWordSize] = true;
        }
    }
}

std::unique_ptr<settings::SettingsBlock> PrivateBlock::snapshot() const
{
    const std::lock_guard held(mutex_);
    return std::make_unique<settings::SettingsBlock>(*block_);
}

PrivateBlock::ReadSnapshot PrivateBlock::snapshotForRead()
{
    const std::lock_guard held(mutex_);
    ReadSnapshot snapshot{nextReadId_++, std::make_unique<settings::SettingsBlock>(*block_)};
    openReads_.push_back({snapshot.id, std::make_unique<settings::SettingsBlock>(*block_),
                          std::vector<bool>(kWordCount, false)});
    return snapshot;
}

bool PrivateBlock::mergeRead(ReadId id, const settings::SettingsBlock& read)
{
    const std::lock_guard held(mutex_);
    const auto it = std::find_if(openReads_.begin(), openReads_.end(), [id](const OpenRead& r) { return r.id == id; });
    if (it == openReads_.end())
        return false;
    const auto before = std::make_unique<settings::SettingsBlock>(*block_);
    const unsigned char* base = bytesOf(*it->base);
    const unsigned char* fresh = bytesOf(read);
    unsigned char* live = bytesOf(*block_);
    for (std::size_t word = 0; word < kWordCount; ++word) {
        const std::size_t offset = word * kWordSize;
        if (!it->changedWords[word] && std::memcmp(base + offset, fresh + offset, kWordSize) != 0)
            std::memcpy(live + offset, fresh + offset, kWordSize);
    }
    openReads_.erase(it);
    // Another read still open sees the merge as a change of the block.
    if (!openReads_.empty())
        rememberChanges(*before);
    return true;
}

void PrivateBlock::dropRead(ReadId id)
{
    const std::lock_guard held(mutex_);
    std::erase_if(openReads_, [id](const OpenRead& read) { return read.id == id; });
}

}  // namespace monitor::app

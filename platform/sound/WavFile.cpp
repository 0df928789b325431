#include "platform/sound/WavFile.h"

#include <cstring>

namespace platform {
namespace {

constexpr std::size_t kRiffHeaderSize = 12;  // "RIFF", size, "WAVE"
constexpr std::size_t kChunkHeaderSize = 8;  // id, size
constexpr std::size_t kPcmFormatSize = 16;
constexpr std::size_t kExtensibleFormatSize = 40;
constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
constexpr std::size_t kExtensibleSubFormatOffset = 24;
constexpr std::uint16_t kBitsPerSample = 16;
constexpr std::uint16_t kMaxChannels = 8;
constexpr std::uint32_t kMinSampleRate = 1000;
constexpr std::uint32_t kMaxSampleRate = 384000;

std::uint16_t le16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t le32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool hasId(const std::uint8_t* p, const char* id)
{
    return std::memcmp(p, id, 4) == 0;
}

// Reads the "fmt " chunk; false unless it describes 16-bit integer PCM.
bool readFormat(std::span<const std::uint8_t> chunk, PcmWav& wav)
{
    if (chunk.size() < kPcmFormatSize) return false;
    std::uint16_t format = le16(&chunk[0]);
    if (format == kFormatExtensible) {
        if (chunk.size() < kExtensibleFormatSize) return false;
        format = le16(&chunk[kExtensibleSubFormatOffset]);
    }
    const std::uint16_t channels = le16(&chunk[2]);
    const std::uint32_t sampleRate = le32(&chunk[4]);
    const std::uint16_t blockAlign = le16(&chunk[12]);
    const std::uint16_t bits = le16(&chunk[14]);
    if (format != kFormatPcm || bits != kBitsPerSample || channels == 0 || channels > kMaxChannels ||
        sampleRate < kMinSampleRate || sampleRate > kMaxSampleRate || blockAlign != channels * 2)
        return false;
    wav.channels = channels;
    wav.sampleRate = sampleRate;
    return true;
}

}  // namespace

std::optional<PcmWav> parsePcmWav(std::span<const std::uint8_t> file)
{
    if (file.size() < kRiffHeaderSize || !hasId(&file[0], "RIFF") || !hasId(&file[8], "WAVE")) return std::nullopt;
    PcmWav wav;
    bool formatSeen = false;
    std::size_t offset = kRiffHeaderSize;
    while (file.size() - offset >= kChunkHeaderSize) {
        const std::uint8_t* header = &file[offset];
        const std::size_t size = le32(header + 4);
        offset += kChunkHeaderSize;
        if (size > file.size() - offset) return std::nullopt;  // truncated or absurd
        const auto chunk = file.subspan(offset, size);
        if (hasId(header, "fmt ")) {
            if (!readFormat(chunk, wav)) return std::nullopt;
            formatSeen = true;
        } else if (hasId(header, "data")) {
            if (!formatSeen) return std::nullopt;
            const std::size_t frameSize = static_cast<std::size_t>(wav.channels) * 2;
            wav.dataOffset = offset;
            wav.dataSize = size - size % frameSize;
            return wav;
        }
        offset += size + (size & 1);  // chunks are padded to even sizes
        if (offset > file.size()) return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace platform

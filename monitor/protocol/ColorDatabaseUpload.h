#pragma once
// Report 26: the light-effect color database, uploaded in 1024-byte chunks when
// the mouse asks for it. Its content is the mouse's business.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "monitor/protocol/DeviceLink.h"
#include "monitor/protocol/ProtocolConstants.h"
#include "settings/InstallFolder.h"

namespace monitor::protocol {

inline constexpr char kColorDatabaseFile[] = "LightEffectColorDatabase.bin";
inline constexpr std::size_t kColorChunkDataSize = 1024;
// The chunk index is 16 bits wide; a larger file cannot be numbered.
inline constexpr std::size_t kMaxColorChunks = 65536;

#pragma pack(push, 1)
struct ColorChunkWire {
    std::uint8_t ReportId;
    std::uint8_t ChunkIndex[2];
    std::uint8_t Data[kColorChunkDataSize];
    std::uint8_t Checksum[2];
};
#pragma pack(pop)

static_assert(sizeof(ColorChunkWire) == length::kColorChunk);
static_assert(offsetof(ColorChunkWire, ChunkIndex) == 1);
static_assert(offsetof(ColorChunkWire, Data) == 3);
static_assert(offsetof(ColorChunkWire, Checksum) == 1027);

// Chunk `index` of `database`, zero-padded past its end.
std::array<std::uint8_t, length::kColorChunk> encodeColorChunk(std::uint16_t index,
                                                               std::span<const std::uint8_t> database);

std::size_t colorChunkCount(std::size_t databaseSize);

// The whole file; nothing when it cannot be opened or read, or is too large to
// number its chunks.
std::optional<std::vector<std::uint8_t>> readColorDatabase(const std::string& path);

// Every chunk with its handshake; a failed chunk does not stop the others. The
// result is that of the last chunk; an empty database sends nothing and succeeds.
bool uploadColorDatabase(DeviceLink& link, std::span<const std::uint8_t> database);

// The file of the installation folder; false when it cannot be read.
bool uploadColorDatabaseFile(DeviceLink& link, const settings::InstallFolder& folder);

}  // namespace monitor::protocol

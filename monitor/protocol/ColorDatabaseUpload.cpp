#include "monitor/protocol/ColorDatabaseUpload.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "monitor/protocol/Checksum.h"
#include "monitor/protocol/ReportExchange.h"
#include "monitor/protocol/WireBytes.h"

namespace monitor::protocol {
namespace {

constexpr std::size_t kMaxDatabaseSize = kMaxColorChunks * kColorChunkDataSize;
// Short reads are retried this many times before the file counts as unreadable.
constexpr int kMaxFurtherReads = 100;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::array<std::uint8_t, length::kColorChunk> encodeColorChunk(std::uint16_t index,
                                                               std::span<const std::uint8_t> database)
{
    ColorChunkWire wire{};
    wire.ReportId = report::kColorChunk;
    putLittleEndian16(wire.ChunkIndex, index);
    const std::size_t begin = std::size_t{index} * kColorChunkDataSize;
    if (begin < database.size()) {
        const std::size_t count = std::min(kColorChunkDataSize, database.size() - begin);
        std::copy_n(database.begin() + static_cast<std::ptrdiff_t>(begin), count, wire.Data);
    }
    auto bytes = toBytes(wire);
    storeChecksum(bytes);
    return bytes;
}

std::size_t colorChunkCount(std::size_t databaseSize)
{
    return (databaseSize + kColorChunkDataSize - 1) / kColorChunkDataSize;
}

std::optional<std::vector<std::uint8_t>> readColorDatabase(const std::string& path)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0)
        return std::nullopt;
    const long size = std::ftell(file.get());
    if (size < 0 || static_cast<unsigned long>(size) > kMaxDatabaseSize || std::fseek(file.get(), 0, SEEK_SET) != 0)
        return std::nullopt;
    std::vector<std::uint8_t> database(static_cast<std::size_t>(size));
    std::size_t done = 0;
    for (int read = 0; read <= kMaxFurtherReads && done < database.size(); ++read) {
        const std::size_t got = std::fread(database.data() + done, 1, database.size() - done, file.get());
        if (got == 0 && std::ferror(file.get()))
            return std::nullopt;
        done += got;
    }
    if (done < database.size())
        return std::nullopt;
    return database;
}

bool uploadColorDatabase(DeviceLink& link, std::span<const std::uint8_t> database)
{
    const std::size_t chunks = colorChunkCount(database.size());
    if (chunks > kMaxColorChunks)
        return false;
    bool result = true;
    for (std::size_t index = 0; index < chunks; ++index) {
        result = writeReport(link, encodeColorChunk(static_cast<std::uint16_t>(index), database),
                             handshake_delay::kColorChunk);
    }
    return result;
}

bool uploadColorDatabaseFile(DeviceLink& link, const settings::InstallFolder& folder)
{
    const auto database = readColorDatabase(folder.file(kColorDatabaseFile));
    return database && uploadColorDatabase(link, *database);
}

}  // namespace monitor::protocol

#include "monitor/protocol/SensorImageFile.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "monitor/protocol/BmpWriter.h"

namespace monitor::protocol {
namespace {

static_assert(kSensorRowStride == 32 && bmpRowStride(kSensorImageSide) == kSensorRowStride);

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool holdsRows(std::FILE* file)
{
    if (std::fseek(file, 0, SEEK_END) != 0)
        return false;
    const long size = std::ftell(file);
    return size >= static_cast<long>(kBmpPixelOffset + kSensorRowsSize);
}

bool writeAt(std::FILE* file, long offset, const std::uint8_t* bytes, std::size_t count)
{
    return std::fseek(file, offset, SEEK_SET) == 0 && std::fwrite(bytes, 1, count, file) == count &&
           std::fflush(file) == 0;
}

// An existing bitmap keeps its headers and palette; only its rows are replaced.
File openForUpdate(const std::string& path)
{
    File file(std::fopen(path.c_str(), "rb+"));
    if (!file)
        file.reset(std::fopen(path.c_str(), "wb+"));
    if (!file)
        return nullptr;
    if (holdsRows(file.get()))
        return file;
    const std::vector<std::uint8_t> header = encodeGreyBitmapHeader(kSensorImageSide, kSensorImageSide);
    if (!writeAt(file.get(), 0, header.data(), header.size()))
        return nullptr;
    return file;
}

bool rotateRowsInPlace(std::FILE* file)
{
    std::array<std::uint8_t, kSensorRowsSize> rows{};
    if (std::fseek(file, static_cast<long>(kBmpPixelOffset), SEEK_SET) != 0 ||
        std::fread(rows.data(), 1, rows.size(), file) != rows.size())
        return false;
    for (std::uint8_t& byte : rows)
        byte = rotateLeftByTwo(byte);
    return writeAt(file, static_cast<long>(kBmpPixelOffset), rows.data(), rows.size());
}

}  // namespace

std::array<std::uint8_t, kSensorRowsSize> sensorImageRows(const SensorImage& image)
{
    std::array<std::uint8_t, kSensorRowsSize> rows{};
    for (int row = 0; row < kSensorImageSide; ++row) {
        for (int x = 0; x < kSensorImageSide; ++x) {
            const int column = kSensorImageSide - 1 - x;
            rows[static_cast<std::size_t>(row) * kSensorRowStride + static_cast<std::size_t>(x)] =
                image[static_cast<std::size_t>(column * kSensorImageSide + row)];
        }
    }
    return rows;
}

bool storeSensorImage(const std::string& path, const SensorImage& image)
{
    const File file = openForUpdate(path);
    if (!file)
        return false;
    const auto rows = sensorImageRows(image);
    return writeAt(file.get(), static_cast<long>(kBmpPixelOffset), rows.data(), rows.size()) &&
           rotateRowsInPlace(file.get());
}

bool storeSensorImage(const settings::InstallFolder& folder, const SensorImage& image)
{
    return storeSensorImage(folder.userFile(kSensorImageFile), image);
}

}  // namespace monitor::protocol

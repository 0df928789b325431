#include "monitor/host/WavSoundOutput.h"

#include <filesystem>
#include <fstream>

#include "monitor/host/SoundMixing.h"
#include "monitor/host/SoundTable.h"

namespace monitor::host {
namespace {

// Feedback sounds are a few seconds long; a larger file is not one of them.
constexpr std::uintmax_t kLargestSoundFile = 16u * 1024u * 1024u;

}  // namespace

std::vector<std::uint8_t> readSoundFile(const std::string& path, std::uintmax_t limit)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size == 0 || size > limit) return {};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    if (in.gcount() != static_cast<std::streamsize>(size)) return {};
    return bytes;
}

void WavSoundOutput::play(int number, float loudness)
{
    player_.stop();
    const std::string path = soundFilePath(folder_, number);
    if (path.empty()) return;
    std::vector<std::uint8_t> bytes = readSoundFile(path, kLargestSoundFile);
    if (bytes.empty()) return;
    scaleWavSamples(bytes, loudness);
    player_.play(std::move(bytes));
}

}  // namespace monitor::host

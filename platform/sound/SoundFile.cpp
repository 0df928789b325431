#include "platform/sound/SoundFile.h"

#include <sndfile.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>

namespace platform {
namespace {

constexpr int kMaxChannels = 8;
constexpr int kMinSampleRate = 1000;
constexpr int kMaxSampleRate = 384000;
constexpr sf_count_t kChunkFrames = 4096;
// libsndfile hands every encoding out as floats in [-1, 1); 16-bit samples come
// back exactly when multiplied by 2^15.
constexpr float kInt16Scale = 32768.0f;

std::int16_t toInt16(float sample)
{
    const float scaled = std::nearbyint(sample * kInt16Scale);
    return static_cast<std::int16_t>(std::clamp(scaled, -32768.0f, 32767.0f));
}

// A descriptor of a regular file of acceptable size, opened without blocking
// (a FIFO would block an ordinary open until a writer came); -1 otherwise.
int openRegularFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0 ||
        static_cast<std::size_t>(info.st_size) > kMaxSoundFileBytes) {
        ::close(fd);
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

struct SndFileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

}  // namespace

std::optional<SoundClip> loadSoundFile(const std::string& path)
{
    const int fd = openRegularFile(path);
    if (fd < 0) return std::nullopt;
    SF_INFO info{};
    std::unique_ptr<SNDFILE, SndFileCloser> file(sf_open_fd(fd, SFM_READ, &info, SF_TRUE));
    if (!file) return std::nullopt;  // libsndfile closed the descriptor
    if (info.channels <= 0 || info.channels > kMaxChannels || info.samplerate < kMinSampleRate ||
        info.samplerate > kMaxSampleRate)
        return std::nullopt;

    SoundClip clip;
    clip.channels = static_cast<std::uint16_t>(info.channels);
    clip.sampleRate = static_cast<std::uint32_t>(info.samplerate);
    // The frame count of the header is not trusted: samples are read until the
    // file ends or the limit is reached.
    std::vector<float> chunk(static_cast<std::size_t>(kChunkFrames) * clip.channels);
    for (;;) {
        const sf_count_t frames = sf_readf_float(file.get(), chunk.data(), kChunkFrames);
        if (frames <= 0) break;
        const std::size_t count = static_cast<std::size_t>(frames) * clip.channels;
        if (clip.samples.size() + count > kMaxSoundSamples) return std::nullopt;
        std::transform(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(count),
                       std::back_inserter(clip.samples), toInt16);
    }
    if (clip.samples.empty()) return std::nullopt;
    return clip;
}

}  // namespace platform

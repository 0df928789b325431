// Writes the two trophy chimes as 16-bit PCM WAV files: "Trophy.wav", two bell
// notes, and "Every_Trophy.wav", a rising arpeggio that rings out, for the
// moment every trophy is earned. Each note is a few decaying harmonics. With a
// second folder it also writes there "double_click.wav", two short high ticks
// for the double-click test.
// Usage: zuro_chime_generator FOLDER [CLICK_FOLDER]

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kSampleRate = 44100;
constexpr double kAttackSeconds = 0.004;
constexpr double kPeak = 0.8;  // leaves room for the loudest feedback setting

struct Note {
    double startSeconds;
    double frequency;
    double decaySeconds;  // time for the fundamental to fall to 1/e
};

// Partials of a small bell: relative frequency, loudness, and how much faster
// than the fundamental they fade.
struct Partial {
    double ratio;
    double gain;
    double decaySpeed;
};
constexpr Partial kPartials[] = {{1.0, 1.0, 1.0}, {2.0, 0.45, 1.8}, {3.0, 0.25, 2.6}, {4.2, 0.12, 3.5}};

std::vector<float> render(const std::vector<Note>& notes, double lengthSeconds)
{
    std::vector<float> samples(static_cast<std::size_t>(lengthSeconds * kSampleRate), 0.0f);
    for (const Note& note : notes) {
        const auto first = static_cast<std::size_t>(note.startSeconds * kSampleRate);
        for (std::size_t i = first; i < samples.size(); ++i) {
            const double t = static_cast<double>(i - first) / kSampleRate;
            const double attack = std::min(1.0, t / kAttackSeconds);
            double value = 0;
            for (const Partial& partial : kPartials)
                value += partial.gain * std::exp(-t * partial.decaySpeed / note.decaySeconds) *
                         std::sin(2 * std::numbers::pi * note.frequency * partial.ratio * t);
            samples[i] += static_cast<float>(attack * value);
        }
    }
    float loudest = 0;
    for (const float sample : samples) loudest = std::max(loudest, std::abs(sample));
    if (loudest > 0)
        for (float& sample : samples) sample = static_cast<float>(sample * kPeak / loudest);
    // The last 20 ms fade to silence, so the file does not end in a click.
    const std::size_t fade = kSampleRate / 50;
    for (std::size_t i = 0; i < fade && i < samples.size(); ++i)
        samples[samples.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(fade);
    return samples;
}

bool writeWav(const std::string& path, const std::vector<float>& samples)
{
    SF_INFO info{};
    info.samplerate = kSampleRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
        std::fprintf(stderr, "zuro_chime_generator: %s: %s\n", path.c_str(), sf_strerror(nullptr));
        return false;
    }
    const auto count = static_cast<sf_count_t>(samples.size());
    const bool written = sf_writef_float(file, samples.data(), count) == count;
    return sf_close(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: zuro_chime_generator FOLDER [CLICK_FOLDER]\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    // C6 then G6; C6 E6 G6 and C7 held.
    const std::vector<Note> trophy{{0.0, 1046.5, 0.35}, {0.16, 1568.0, 0.6}};
    const std::vector<Note> everyTrophy{{0.0, 1046.5, 0.3}, {0.12, 1318.5, 0.3}, {0.24, 1568.0, 0.35},
                                        {0.36, 2093.0, 0.9}};
    // Two ticks as far apart as a brisk double click.
    const std::vector<Note> doubleClick{{0.0, 2637.0, 0.025}, {0.14, 2637.0, 0.025}};
    const bool ok = writeWav(folder + "Trophy.wav", render(trophy, 1.2)) &&
                    writeWav(folder + "Every_Trophy.wav", render(everyTrophy, 2.2)) &&
                    (argc < 3 || writeWav(std::string(argv[2]) + "/double_click.wav", render(doubleClick, 0.3)));
    return ok ? 0 : 1;
}

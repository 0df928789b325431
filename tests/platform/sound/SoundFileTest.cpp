// Sound files are decoded by libsndfile into 16-bit samples, whatever their
// encoding; anything that is not a readable sound file gives nothing.

#include "platform/sound/SoundFile.h"
#include "tests/platform/sound/WavBytes.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <bit>
#include <chrono>
#include <filesystem>
#include <string_view>

namespace platform {
namespace {

using test::WavSpec;
using test::wavBytes;

constexpr std::uint16_t kFloat = 3;

class SoundFileTest : public testing::Test {
protected:
    testsupport::TemporaryFolder folder{"zuro-sound"};

    std::string writeWav(const std::string& name, const std::vector<std::uint8_t>& bytes)
    {
        folder.write(name, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        return folder.file(name);
    }
    std::vector<std::int16_t> samplesOf(const WavSpec& spec)
    {
        const auto clip = loadSoundFile(writeWav("clip.wav", wavBytes(spec)));
        return clip ? clip->samples : std::vector<std::int16_t>{};
    }
};

void putFloat(std::vector<std::uint8_t>& out, float value)
{
    test::put32(out, std::bit_cast<std::uint32_t>(value));
}

TEST_F(SoundFileTest, DecodesTheCommonEncodingsToSixteenBits)
{
    const auto pcm16 = loadSoundFile(writeWav("a.wav", test::wavOfSamples({0, 1000, -32768, 32767, -1}, 1)));
    ASSERT_TRUE(pcm16);
    EXPECT_EQ(pcm16->channels, 1);
    EXPECT_EQ(pcm16->sampleRate, 8000u);
    EXPECT_EQ(pcm16->samples, (std::vector<std::int16_t>{0, 1000, -32768, 32767, -1}));  // exact

    WavSpec eightBit;  // unsigned, 128 is silence
    eightBit.bitsPerSample = 8;
    eightBit.data = {0x80, 0xC0, 0x40, 0xFF};
    EXPECT_EQ(samplesOf(eightBit), (std::vector<std::int16_t>{0, 16384, -16384, 32512}));

    WavSpec twentyFourBit;
    twentyFourBit.bitsPerSample = 24;
    twentyFourBit.data = {0x56, 0x34, 0x12, 0x00, 0x00, 0x80};
    EXPECT_EQ(samplesOf(twentyFourBit), (std::vector<std::int16_t>{0x1234, -32768}));

    WavSpec thirtyTwoBit;
    thirtyTwoBit.bitsPerSample = 32;
    test::put32(thirtyTwoBit.data, 0x40000000);
    EXPECT_EQ(samplesOf(thirtyTwoBit), (std::vector<std::int16_t>{16384}));

    WavSpec floatStereo;  // values past full scale are clipped
    floatStereo.format = kFloat;
    floatStereo.bitsPerSample = 32;
    floatStereo.channels = 2;
    floatStereo.sampleRate = 48000;
    for (const float value : {0.5f, -0.25f, 1.5f, -1.0f}) putFloat(floatStereo.data, value);
    const auto stereo = loadSoundFile(writeWav("f.wav", wavBytes(floatStereo)));
    ASSERT_TRUE(stereo);
    EXPECT_EQ(stereo->channels, 2);
    EXPECT_EQ(stereo->sampleRate, 48000u);
    EXPECT_EQ(stereo->frames(), 2u);
    EXPECT_EQ(stereo->samples, (std::vector<std::int16_t>{16384, -8192, 32767, -32768}));
}

TEST_F(SoundFileTest, AnythingButAReadableSoundFileGivesNothingAndNeverBlocks)
{
    EXPECT_FALSE(loadSoundFile(folder.file("missing.wav")));
    EXPECT_FALSE(loadSoundFile(writeWav("text.wav", {'h', 'e', 'l', 'l', 'o', '\n'})));
    EXPECT_FALSE(loadSoundFile(writeWav("empty.wav", {})));
    auto cut = test::wavOfSamples({1, 2, 3});
    cut.resize(30);  // inside "fmt "
    EXPECT_FALSE(loadSoundFile(writeWav("cut.wav", cut)));
    WavSpec absurdRate;
    absurdRate.sampleRate = 0xFFFFFFFF;
    EXPECT_FALSE(loadSoundFile(writeWav("rate.wav", wavBytes(absurdRate))));

    const std::string huge = writeWav("huge.wav", test::wavOfSamples({1, 2}));
    std::filesystem::resize_file(huge, kMaxSoundFileBytes + 1);  // sparse: no disk used
    EXPECT_FALSE(loadSoundFile(huge));

    EXPECT_FALSE(loadSoundFile(folder.path()));  // a directory
    const std::string fifo = folder.file("fifo.wav");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(loadSoundFile(fifo));  // no writer: an ordinary open would wait forever
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

}  // namespace
}  // namespace platform

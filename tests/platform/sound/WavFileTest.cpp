#include "platform/sound/WavFile.h"
#include "tests/platform/sound/WavBytes.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

using test::WavSpec;
using test::wavBytes;

constexpr std::size_t kCanonicalDataOffset = 44;

TEST(WavFile, AcceptsSixteenBitPcm)
{
    const auto mono = parsePcmWav(wavBytes());
    ASSERT_TRUE(mono);
    EXPECT_EQ(mono->channels, 1);
    EXPECT_EQ(mono->sampleRate, 8000u);
    EXPECT_EQ(mono->dataOffset, kCanonicalDataOffset);
    EXPECT_EQ(mono->dataSize, 8u);

    WavSpec stereo;
    stereo.channels = 2;
    stereo.sampleRate = 44100;
    stereo.dataBytes = 10;  // two and a half frames: the half frame is dropped
    const auto parsed = parsePcmWav(wavBytes(stereo));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->channels, 2);
    EXPECT_EQ(parsed->dataSize, 8u);
}

TEST(WavFile, SkipsUnknownChunksIncludingTheirPadding)
{
    auto file = wavBytes();
    // An odd-sized "LIST" chunk (3 bytes + 1 pad) between "fmt " and "data".
    const std::vector<std::uint8_t> list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    file.insert(file.begin() + 36, list.begin(), list.end());
    const auto parsed = parsePcmWav(file);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->dataOffset, kCanonicalDataOffset + list.size());
    EXPECT_EQ(parsed->dataSize, 8u);
}

TEST(WavFile, RefusesOtherFormats)
{
    WavSpec eightBit;
    eightBit.bitsPerSample = 8;
    EXPECT_FALSE(parsePcmWav(wavBytes(eightBit)));

    WavSpec floating;
    floating.format = 3;  // IEEE float
    floating.bitsPerSample = 32;
    EXPECT_FALSE(parsePcmWav(wavBytes(floating)));

    WavSpec noChannels;
    noChannels.channels = 0;
    EXPECT_FALSE(parsePcmWav(wavBytes(noChannels)));

    WavSpec absurdRate;
    absurdRate.sampleRate = 0xFFFFFFFF;
    EXPECT_FALSE(parsePcmWav(wavBytes(absurdRate)));
}

TEST(WavFile, RefusesDamagedFiles)
{
    const auto good = wavBytes();
    EXPECT_FALSE(parsePcmWav({}));
    EXPECT_FALSE(parsePcmWav(std::span(good).first(30)));  // cut inside "fmt "
    EXPECT_FALSE(parsePcmWav(std::span(good).first(48)));  // samples cut short

    auto notRiff = good;
    notRiff[0] = 'X';
    EXPECT_FALSE(parsePcmWav(notRiff));

    auto hugeData = good;
    hugeData[40] = hugeData[41] = hugeData[42] = hugeData[43] = 0xFF;
    EXPECT_FALSE(parsePcmWav(hugeData));

    auto hugeFormat = good;
    hugeFormat[16] = hugeFormat[17] = hugeFormat[18] = hugeFormat[19] = 0xFF;
    EXPECT_FALSE(parsePcmWav(hugeFormat));

    // The "data" chunk moved in front of "fmt ".
    std::vector<std::uint8_t> dataBeforeFormat(good.begin(), good.begin() + 12);
    dataBeforeFormat.insert(dataBeforeFormat.end(), good.begin() + 36, good.end());
    dataBeforeFormat.insert(dataBeforeFormat.end(), good.begin() + 12, good.begin() + 36);
    EXPECT_FALSE(parsePcmWav(dataBeforeFormat));
}

}  // namespace
}  // namespace platform

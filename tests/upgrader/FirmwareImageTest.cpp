// The image in 1024-byte blocks and its table of block sums.

#include <gtest/gtest.h>

#include <numeric>

#include "tests/support/TemporaryFolder.h"
#include "upgrader/core/FirmwareImage.h"

namespace upgrader::test {
namespace {

std::vector<std::uint8_t> patterned(std::size_t size)
{
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 31 + 7 + (i >> 10));
    return bytes;
}

// Sum of image bytes [from, from + 1024), the bytes past the end counting 0.
std::uint16_t expectedSum(const std::vector<std::uint8_t>& image, std::size_t block)
{
    unsigned sum = 0;
    for (std::size_t i = block * 1024; i < std::min(image.size(), (block + 1) * 1024); ++i)
        sum += image[i];
    return static_cast<std::uint16_t>(sum);
}

TEST(FirmwareImage, BlocksAndSumsForEachSize)
{
    struct Case {
        std::size_t size;
        std::size_t blocks;
    };
    for (const Case c : {Case{1, 1}, Case{1024, 1}, Case{1025, 2}, Case{2048, 2}, Case{204800, 200}}) {
        SCOPED_TRACE(c.size);
        const std::vector<std::uint8_t> bytes = patterned(c.size);
        const ImageLoad load = makeFirmwareImage(bytes);
        ASSERT_EQ(load.problem, ImageProblem::None);
        const FirmwareImage& image = *load.image;
        EXPECT_EQ(image.size(), c.size);
        EXPECT_EQ(image.blockCount(), c.blocks);
        for (std::size_t block = 0; block < 200; ++block)
            ASSERT_EQ(image.checksum(block), expectedSum(bytes, block)) << "block " << block;
        // The last block holds the image's last bytes, then zeros.
        const FirmwareBlock last = image.block(c.blocks - 1);
        const std::size_t used = c.size - (c.blocks - 1) * 1024;
        EXPECT_TRUE(std::equal(last.begin(), last.begin() + static_cast<long>(used), bytes.end() - static_cast<long>(used)));
        EXPECT_TRUE(std::all_of(last.begin() + static_cast<long>(used), last.end(), [](auto b) { return b == 0; }));
    }
}

TEST(FirmwareImage, TheSumWrapsAt65536)
{
    const std::vector<std::uint8_t> bytes(1024, 0xFF);  // 261120 = 3 * 65536 + 64512
    EXPECT_EQ(makeFirmwareImage(bytes).image->checksum(0), 64512);
}

TEST(FirmwareImage, EmptyOversizedAndUnreadableImagesAreRefused)
{
    EXPECT_EQ(makeFirmwareImage({}).problem, ImageProblem::Empty);
    EXPECT_EQ(makeFirmwareImage(patterned(204801)).problem, ImageProblem::TooLarge);
    EXPECT_FALSE(makeFirmwareImage(patterned(204801)).image);

    testsupport::TemporaryFolder folder;
    const std::vector<std::uint8_t> big = patterned(300000);
    folder.write("big.bin", std::string(big.begin(), big.end()));
    folder.write("fw.bin", "\x01\x02\x03");
    folder.write("sub/keep", "");
    EXPECT_EQ(loadFirmwareImage(folder.file("big.bin")).problem, ImageProblem::TooLarge);
    EXPECT_EQ(loadFirmwareImage(folder.file("missing.bin")).problem, ImageProblem::Unreadable);
    EXPECT_EQ(loadFirmwareImage(folder.file("sub")).problem, ImageProblem::Unreadable);
    const ImageLoad small = loadFirmwareImage(folder.file("fw.bin"));
    ASSERT_EQ(small.problem, ImageProblem::None);
    EXPECT_EQ(small.image->size(), 3u);
    EXPECT_EQ(small.image->checksum(0), 6);
}

}  // namespace
}  // namespace upgrader::test

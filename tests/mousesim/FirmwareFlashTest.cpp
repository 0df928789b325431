// Firmware updates over reports 27 and 28, as the update tool runs them.

#include <gmock/gmock.h>

#include "MouseConversation.h"
#include "platform/ini/PrivateProfile.h"
#include "tests/support/TemporaryFolder.h"

namespace mousesim::test {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;

constexpr std::uint8_t kStartSignature[8] = {'Z', 'N', 'U', 'P', 'D', 'A', 'T', 'E'};
constexpr std::uint8_t kTransferSignature[4] = {0x55, 0xAA, 0x5A, 0xA5};

Bytes command(std::uint8_t code) {
    Bytes r(1026, 0);
    r[0] = 0x1B;
    r[1] = code;
    return r;
}

Bytes startCommand() {
    Bytes r = command(0x00);
    std::copy(std::begin(kStartSignature), std::end(kStartSignature), r.begin() + 4);
    return r;
}

Bytes sizeCommand(std::uint32_t size) {
    Bytes r = command(0x01);
    for (int i = 0; i < 4; ++i) r[4 + i] = static_cast<std::uint8_t>(size >> (8 * i));
    std::copy(std::begin(kTransferSignature), std::end(kTransferSignature), r.begin() + 8);
    return r;
}

Bytes prepareCommand() {
    Bytes r = command(0x02);
    r[4] = 0xEC;
    return r;
}

Bytes blockOf(const Bytes& image, std::size_t index) {
    Bytes block(1024, 0);
    for (std::size_t i = 0; i < 1024 && index * 1024 + i < image.size(); ++i) block[i] = image[index * 1024 + i];
    return block;
}

Bytes headerCommand(std::uint16_t index, const Bytes& block) {
    unsigned sum = 0;
    for (std::uint8_t b : block) sum += b;
    Bytes r = command(0x03);
    r[4] = static_cast<std::uint8_t>(index), r[5] = static_cast<std::uint8_t>(index >> 8);
    r[6] = static_cast<std::uint8_t>(sum), r[7] = static_cast<std::uint8_t>(sum >> 8);
    std::copy(std::begin(kTransferSignature), std::end(kTransferSignature), r.begin() + 8);
    return r;
}

Bytes dataCommand(const Bytes& block) {
    Bytes r = command(0x04);
    std::copy(block.begin(), block.end(), r.begin() + 2);
    return r;
}

// An image whose first bytes name its version, filled with a varying pattern.
Bytes taggedImage(std::size_t size, std::uint8_t version) {
    Bytes image(size);
    for (std::size_t i = 0; i < size; ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    image[0] = 'M', image[1] = 'S', image[2] = 'F', image[3] = 'W', image[4] = version;
    return image;
}

class FirmwareUpdate : public MouseConversation {
protected:
    // Sends one command and answers the update status read right after it.
    std::string send(const Bytes& report) {
        EXPECT_TRUE(hostSends(report));
        return mouseAnswers(28, 3);
    }

    // The whole update as the tool runs it, optionally leaving out one block;
    // every status read on the way.
    std::vector<std::string> transfer(const Bytes& image, std::optional<std::size_t> skipBlock = std::nullopt) {
        std::vector<std::string> statuses{send(startCommand()), send(sizeCommand(static_cast<std::uint32_t>(image.size()))),
                                          send(prepareCommand())};
        const std::size_t blocks = (image.size() + 1023) / 1024;
        for (std::size_t i = 0; i < blocks; ++i) {
            if (skipBlock == i) continue;
            const Bytes block = blockOf(image, i);
            statuses.push_back(send(headerCommand(static_cast<std::uint16_t>(i), block)));
            statuses.push_back(send(dataCommand(block)));
        }
        statuses.push_back(send(command(0x0F)));
        return statuses;
    }
};

TEST_F(FirmwareUpdate, ACompleteCorrectTransferInstallsTheImagesVersion) {
    const auto statuses = transfer(taggedImage(2500, 108));  // 3 blocks
    EXPECT_EQ(statuses.size(), 3u + 2 * 3 + 1);
    EXPECT_THAT(statuses, Each(std::string("1C 01 00")));
    EXPECT_EQ(mouseAnswers(9, 6), "09 06 6C 6C 00 00");
    ASSERT_TRUE(store.last);
    EXPECT_EQ(store.last->firmwareVersion, 108);
}

TEST_F(FirmwareUpdate, AnImageWithoutVersionTagCountsAsTheNextVersion) {
    Bytes image(1025, 0x5A);  // 2 blocks, the second holding one image byte
    EXPECT_THAT(transfer(image), Each(std::string("1C 01 00")));
    EXPECT_EQ(mouseAnswers(9, 6), "09 06 6C 6C 00 00");
}

TEST_F(FirmwareUpdate, TheShippedPackageInstallsTheVersionItsConfigNames)
{
    const std::string folder = ZURO_FIRMWARE_PACKAGE;
    const int version = platform::ini::readInt(folder + "/config.ini", "Firmware", "Version", -1);
    const std::string name = platform::ini::readString(folder + "/config.ini", "Firmware", "Name");
    const std::string image = testsupport::readFile(folder + "/" + name);
    ASSERT_FALSE(image.empty()) << name;
    ASSERT_LE(image.size(), 204800u);
    EXPECT_THAT(transfer(Bytes(image.begin(), image.end())), Each(std::string("1C 01 00")));
    ASSERT_TRUE(store.last);
    EXPECT_EQ(store.last->firmwareVersion, version);
}

TEST_F(FirmwareUpdate, VersionOnlyChangesAtTheFinish) {
    const Bytes image = taggedImage(1024, 120);
    send(startCommand());
    send(sizeCommand(1024));
    send(prepareCommand());
    send(headerCommand(0, blockOf(image, 0)));
    EXPECT_EQ(send(dataCommand(blockOf(image, 0))), "1C 01 00");
    EXPECT_EQ(mouseAnswers(9, 6), "09 06 6B 6B 00 00");
    EXPECT_EQ(send(command(0x0F)), "1C 01 00");
    EXPECT_EQ(mouseAnswers(9, 6), "09 06 78 78 00 00");
}

TEST_F(FirmwareUpdate, ABadBlockChecksumAsksForTheBlockAgainThenFails) {
    const Bytes image = taggedImage(2048, 120);
    send(startCommand());
    send(sizeCommand(2048));
    send(prepareCommand());
    Bytes block = blockOf(image, 0);
    send(headerCommand(0, block));
    block[10] ^= 0xFF;
    EXPECT_EQ(send(dataCommand(block)), "1C 04 00");
    EXPECT_EQ(send(dataCommand(block)), "1C 04 00");
    EXPECT_EQ(send(dataCommand(block)), "1C 04 00");
    EXPECT_EQ(send(dataCommand(block)), "1C 02 00");
    EXPECT_EQ(send(dataCommand(blockOf(image, 0))), "1C 02 00");  // too late: the transfer failed
    EXPECT_EQ(send(command(0x0F)), "1C 02 00");
    EXPECT_EQ(mouseAnswers(9, 6), "09 06 6B 6B 00 00");
}

TEST_F(FirmwareUpdate, ARepeatedBlockThatArrivesRightIsTaken) {
    const Bytes image = taggedImage(1024, 120);
    send(startCommand());
    send(sizeCommand(1024));
    send(prepareCommand());
    Bytes block = blockOf(image, 0);
    send(headerCommand(0, block));
    Bytes spoiled = block;
    spoiled[0] = 0;
    EXPECT_EQ(send(dataCommand(spoiled)), "1C 04 00");
    EXPECT_EQ(send(dataCommand(block)), "1C 01 00");
    EXPECT_EQ(send(command(0x0F)), "1C 01 00");
    EXPECT_EQ(mouseAnswers(9, 6), "09 06 78 78 00 00");
}

TEST_F(FirmwareUpdate, AMissingBlockFailsTheTransfer) {
    const auto statuses = transfer(taggedImage(3000, 120), 1);
    // start, size, prepare, block 0 header and data, then block 2's header fails.
    EXPECT_THAT(std::vector<std::string>(statuses.begin(), statuses.begin() + 5), Each(std::string("1C 01 00")));
    EXPECT_EQ(statuses[5], "1C 02 00");
    EXPECT_EQ(statuses.back(), "1C 02 00");
    EXPECT_EQ(mouseAnswers(9, 6), "09 06 6B 6B 00 00");
}

TEST_F(FirmwareUpdate, AFlashWriteFailureFailsTheTransferOnce) {
    mouse.faultFlashFailAt(1);
    const auto statuses = transfer(taggedImage(3000, 120));
    EXPECT_EQ(statuses[5], "1C 01 00");  // header of block 1
    EXPECT_EQ(statuses[6], "1C 02 00");  // its data cannot be written
    EXPECT_EQ(statuses.back(), "1C 02 00");
    EXPECT_EQ(mouseAnswers(9, 6), "09 06 6B 6B 00 00");

    EXPECT_THAT(transfer(taggedImage(3000, 120)), Each(std::string("1C 01 00")));
    EXPECT_EQ(mouseAnswers(9, 6), "09 06 78 78 00 00");
}

TEST_F(FirmwareUpdate, AFinishBeforeTheLastBlockFails) {
    const Bytes image = taggedImage(2048, 120);
    send(startCommand());
    send(sizeCommand(2048));
    send(prepareCommand());
    send(headerCommand(0, blockOf(image, 0)));
    send(dataCommand(blockOf(image, 0)));
    EXPECT_EQ(send(command(0x0F)), "1C 02 00");
    EXPECT_EQ(mouseAnswers(9, 6), "09 06 6B 6B 00 00");
}

TEST_F(FirmwareUpdate, WrongSignaturesSizesAndOrderFail) {
    Bytes badStart = startCommand();
    badStart[11] ^= 1;
    EXPECT_EQ(send(badStart), "1C 02 00");
    EXPECT_EQ(send(sizeCommand(1024)), "1C 02 00");

    send(startCommand());
    EXPECT_EQ(send(prepareCommand()), "1C 02 00");  // size was skipped

    send(startCommand());
    Bytes badTransfer = sizeCommand(1024);
    badTransfer[8] = 0;
    EXPECT_EQ(send(badTransfer), "1C 02 00");

    send(startCommand());
    EXPECT_EQ(send(sizeCommand(0)), "1C 02 00");
    send(startCommand());
    EXPECT_EQ(send(sizeCommand(204801)), "1C 02 00");
    send(startCommand());
    EXPECT_EQ(send(sizeCommand(204800)), "1C 01 00");
}

TEST_F(FirmwareUpdate, MalformedUpdateReportsAreRefused) {
    Bytes shortReport(1025, 0);
    shortReport[0] = 0x1B;
    EXPECT_FALSE(hostSends(shortReport));
    EXPECT_FALSE(hostSends(command(0x07)));
}

TEST_F(FirmwareUpdate, UnpluggingEndsTheTransfer) {
    const Bytes image = taggedImage(1024, 120);
    send(startCommand());
    send(sizeCommand(1024));
    send(prepareCommand());
    ASSERT_TRUE(mouse.unplug());
    ASSERT_TRUE(mouse.plug());
    EXPECT_EQ(send(headerCommand(0, blockOf(image, 0))), "1C 02 00");
    EXPECT_EQ(mouseAnswers(9, 6), "09 06 6B 6B 00 00");
}

}  // namespace
}  // namespace mousesim::test

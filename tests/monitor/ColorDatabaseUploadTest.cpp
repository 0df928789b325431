#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "monitor/protocol/ColorDatabaseUpload.h"
#include "tests/monitor/ProtocolConversation.h"
#include "tests/monitor/ProtocolFolder.h"

namespace monitor::protocol::test {
namespace {

using ::testing::ElementsAre;

Bytes database(std::size_t size)
{
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
    return bytes;
}

class ColorDatabaseUploadTest : public ProtocolTest {
protected:
    ProtocolFolder install;
};

TEST_F(ColorDatabaseUploadTest, SendsTheFileIn1024ByteChunksEachWithItsHandshake)
{
    const Bytes file = database(2500);
    EXPECT_TRUE(uploadColorDatabase(link, file));
    EXPECT_THAT(conversation.lines(), ElementsAre("send 1a 00 00 01 08 ..(1029)", "pause 300", kReady,
                                                  "send 1a 01 00 01 08 ..(1029)", "pause 300", kReady,
                                                  "send 1a 02 00 01 08 ..(1029)", "pause 300", kReady));
    const auto chunks = mouse.writesOf(26);
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_TRUE(std::equal(chunks[1].begin() + 3, chunks[1].begin() + 1027, file.begin() + 1024));
    // The last chunk holds 452 bytes of the file, then zeros.
    EXPECT_TRUE(std::equal(chunks[2].begin() + 3, chunks[2].begin() + 3 + 452, file.begin() + 2048));
    EXPECT_TRUE(std::all_of(chunks[2].begin() + 3 + 452, chunks[2].begin() + 1027, [](std::uint8_t b) { return b == 0; }));
    for (const Bytes& chunk : chunks) {
        unsigned sum = 0;
        for (std::size_t i = 0; i < 1027; ++i)
            sum += chunk[i];
        EXPECT_EQ(chunk[1027], sum & 0xff);
        EXPECT_EQ(chunk[1028], (sum >> 8) & 0xff);
    }
}

TEST_F(ColorDatabaseUploadTest, ChunkIndexIsLittleEndian)
{
    const auto chunk = encodeColorChunk(0x0102, database(10));
    EXPECT_EQ(hex(std::span(chunk).first(4)), "1a 02 01 00") << "past the end: all zero";
}

TEST_F(ColorDatabaseUploadTest, AFailedChunkDoesNotStopTheOthersAndTheLastDecides)
{
    mouse.refuseWrites(26);
    EXPECT_TRUE(uploadColorDatabase(link, database(2048)));
    EXPECT_EQ(mouse.writesOf(26).size(), 2u);

    conversation.clear();
    mouse.answer("04 01 00");
    mouse.answer("04 02 00");
    EXPECT_FALSE(uploadColorDatabase(link, database(2048)));
    EXPECT_EQ(mouse.writesOf(26).size(), 4u);
}

TEST_F(ColorDatabaseUploadTest, AnEmptyDatabaseSendsNothingAndSucceeds)
{
    install.write(kColorDatabaseFile, "");
    EXPECT_TRUE(uploadColorDatabaseFile(link, install.folder()));
    EXPECT_TRUE(conversation.lines().empty());
}

TEST_F(ColorDatabaseUploadTest, TheFileOfTheInstallationFolderIsSentByteForByte)
{
    const Bytes file = database(1030);
    install.write(kColorDatabaseFile, std::string(file.begin(), file.end()));
    EXPECT_TRUE(uploadColorDatabaseFile(link, install.folder()));
    const auto chunks = mouse.writesOf(26);
    ASSERT_EQ(chunks.size(), 2u);
    EXPECT_TRUE(std::equal(chunks[0].begin() + 3, chunks[0].begin() + 1027, file.begin()));
    EXPECT_EQ(hex(std::span(chunks[1]).subspan(3, 8)), hex(std::span(file).subspan(1024, 6)) + " 00 00");
}

TEST_F(ColorDatabaseUploadTest, AMissingFileFailsWithoutSending)
{
    EXPECT_FALSE(uploadColorDatabaseFile(link, install.folder()));
    EXPECT_TRUE(conversation.lines().empty());
}

}  // namespace
}  // namespace monitor::protocol::test

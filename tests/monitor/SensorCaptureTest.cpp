#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "monitor/protocol/BmpWriter.h"
#include "monitor/protocol/SensorCapture.h"
#include "monitor/protocol/SensorImageFile.h"
#include "tests/monitor/ProtocolConversation.h"
#include "tests/monitor/ProtocolFolder.h"

namespace monitor::protocol::test {
namespace {

using ::testing::ElementsAre;

// The mouse's image: pixel (column c, row r) at c * 30 + r.
SensorImage imageOf(std::uint8_t (*pixel)(int column, int row))
{
    SensorImage image{};
    for (int c = 0; c < 30; ++c) {
        for (int r = 0; r < 30; ++r)
            image[static_cast<std::size_t>(c * 30 + r)] = pixel(c, r);
    }
    return image;
}

std::uint32_t le32(const std::string& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= std::uint32_t{static_cast<std::uint8_t>(bytes[at + i])} << (8 * i);
    return value;
}

class SensorCaptureTest : public ProtocolTest {
protected:
    ProtocolFolder install;
};

TEST_F(SensorCaptureTest, RequestThenCaptureTimeHandshakeSettleTimeAndTheImageRead)
{
    Bytes answer(1028, 0);
    answer[0] = 0x0c;
    for (std::size_t i = 0; i < 900; ++i)
        answer[3 + i] = static_cast<std::uint8_t>(i % 251);
    answer[903] = 0xee;  // past the image
    mouse.answer(answer);

    const SensorCapture capture = captureSensorImage(link);
    EXPECT_THAT(conversation.lines(), ElementsAre("send 0c 03 01 00", "pause 2000", kReady, "pause 500",
                                                  "get 0c -> 0c 00 00 00 01 ..(1028)"));
    EXPECT_EQ(mouse.readLengths().back(), 1028u);
    EXPECT_TRUE(capture.imageRead);
    EXPECT_EQ(capture.image[0], 0);
    EXPECT_EQ(capture.image[899], 899 % 251);
}

TEST_F(SensorCaptureTest, ARefusedRequestSkipsOnlyTheCaptureWaits)
{
    mouse.refuseWrites(12);
    mouse.failNextRead(12);
    const SensorCapture capture = captureSensorImage(link);
    EXPECT_THAT(conversation.lines(), ElementsAre("send 0c 03 01 00 refused", "pause 500", "get 0c failed"));
    EXPECT_FALSE(capture.imageRead);
    EXPECT_TRUE(std::all_of(capture.image.begin(), capture.image.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(SensorImageRowsTest, TransposedMirroredAndPadded)
{
    const auto rows = sensorImageRows(imageOf([](int c, int r) { return static_cast<std::uint8_t>(c * 8 + r % 8); }));
    for (int row = 0; row < 30; ++row) {
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(rows[row * 32 + x], (29 - x) * 8 + row % 8) << row << "," << x;
        EXPECT_EQ(rows[row * 32 + 30], 0);
        EXPECT_EQ(rows[row * 32 + 31], 0);
    }
}

TEST(SensorImageRowsTest, EveryByteIsRotatedLeftByTwoBits)
{
    EXPECT_EQ(rotateLeftByTwo(16), 64);
    EXPECT_EQ(rotateLeftByTwo(200), 35);  // 11001000 -> 00100011
    EXPECT_EQ(rotateLeftByTwo(0x81), 0x06);
}

TEST_F(SensorCaptureTest, AnExistingBitmapKeepsItsHeadersAndGetsTheRotatedRows)
{
    const std::string header(1078, '\xab');
    install.write(kSensorImageFile, header + std::string(960, '\x55') + "tail");
    const SensorImage image = imageOf([](int c, int r) -> std::uint8_t { return c == 29 && r == 0 ? 200 : 16; });

    ASSERT_TRUE(storeSensorImage(install.folder(), image));
    const std::string file = install.read(kSensorImageFile);
    ASSERT_EQ(file.size(), 1078u + 960u + 4u);
    EXPECT_EQ(file.substr(0, 1078), header);
    EXPECT_EQ(static_cast<std::uint8_t>(file[1078]), 35) << "row 0 begins with column 29";
    EXPECT_EQ(static_cast<std::uint8_t>(file[1078 + 1]), 64);
    EXPECT_EQ(static_cast<std::uint8_t>(file[1078 + 29]), 64);
    EXPECT_EQ(file[1078 + 30], 0);
    EXPECT_EQ(file[1078 + 31], 0);
    EXPECT_EQ(static_cast<std::uint8_t>(file[1078 + 29 * 32 + 5]), 64);
    EXPECT_EQ(file.substr(1078 + 960), "tail");
}

TEST_F(SensorCaptureTest, AMissingBitmapIsCreatedWithGreyBitmapHeaders)
{
    install.write("Wave/other", "");
    ASSERT_TRUE(storeSensorImage(install.folder(), imageOf([](int, int) -> std::uint8_t { return 1; })));
    const std::string file = install.read(kSensorImageFile);
    ASSERT_EQ(file.size(), 2038u);
    EXPECT_EQ(file.substr(0, 2), "BM");
    EXPECT_EQ(le32(file, 2), 2038u) << "file size";
    EXPECT_EQ(le32(file, 10), 1078u) << "pixel offset";
    EXPECT_EQ(le32(file, 14), 40u);
    EXPECT_EQ(le32(file, 18), 30u);
    EXPECT_EQ(le32(file, 22), 30u);
    EXPECT_EQ(le32(file, 26), 0x00080001u) << "one plane, 8 bits";
    EXPECT_EQ(le32(file, 34), 960u);
    EXPECT_EQ(le32(file, 46), 256u);
    EXPECT_EQ(le32(file, 54 + 4 * 5), 0x00050505u) << "grey palette";
    EXPECT_EQ(static_cast<std::uint8_t>(file[1078]), 4);
}

TEST_F(SensorCaptureTest, NoWaveFolderMeansNoFile)
{
    EXPECT_FALSE(storeSensorImage(install.folder(), SensorImage{}));
}

}  // namespace
}  // namespace monitor::protocol::test

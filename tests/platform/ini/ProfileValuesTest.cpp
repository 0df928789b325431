#include "platform/ini/PrivateProfile.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

using namespace platform::ini;

TEST(StructEncoding, BytesInUppercaseHexThenByteSumModulo256)
{
    const std::array<std::uint8_t, 3> bytes{0x01, 0xAB, 0xFF};
    EXPECT_EQ(encodeStruct(bytes.data(), bytes.size()), "01ABFFAB");
    EXPECT_EQ(encodeStruct(nullptr, 0), "00");
    const std::array<std::uint8_t, 4> zeros{};
    EXPECT_EQ(encodeStruct(zeros.data(), zeros.size()), "0000000000");
}

TEST(StructEncoding, LargeRecordRoundTrips)
{
    std::vector<std::uint8_t> record(2532);
    std::mt19937 generator(7);
    for (auto& byte : record)
        byte = static_cast<std::uint8_t>(generator());
    const std::string text = encodeStruct(record.data(), record.size());
    ASSERT_EQ(text.size(), 5066u);

    std::vector<std::uint8_t> decoded(record.size());
    ASSERT_TRUE(decodeStruct(text, decoded.data(), decoded.size()));
    EXPECT_EQ(decoded, record);
}

TEST(StructDecoding, AcceptsLowercaseAndSurroundingBlanks)
{
    std::array<std::uint8_t, 3> out{};
    ASSERT_TRUE(decodeStruct(" 01abffab\t", out.data(), out.size()));
    EXPECT_EQ(out, (std::array<std::uint8_t, 3>{0x01, 0xAB, 0xFF}));
}

TEST(StructDecoding, RejectsBadTextAndLeavesTheOutputAlone)
{
    const std::array<std::uint8_t, 3> untouched{0x11, 0x22, 0x33};
    for (const char* text : {
             "01ABFFAC",    // checksum off by one
             "01ABFF",      // no checksum
             "01ABFFAB00",  // one byte too many
             "01ABFFA",     // odd digit count
             "01ABFFABA",   // odd digit count
             "01AGFFAB",    // not a hex digit
             "01 BFFAB",    // blank inside
             "-1ABFFAB",
             "",
         }) {
        std::array<std::uint8_t, 3> out = untouched;
        EXPECT_FALSE(decodeStruct(text, out.data(), out.size())) << text;
        EXPECT_EQ(out, untouched) << text;
    }
}

TEST(IntegerReader, LeadingBlanksSignAndDigits)
{
    EXPECT_EQ(parseInt("  -12abc", 99), -12);
    EXPECT_EQ(parseInt("+7", 99), 7);
    EXPECT_EQ(parseInt("\t42", 99), 42);
    EXPECT_EQ(parseInt("007", 99), 7);
    EXPECT_EQ(parseInt("12 34", 99), 12);
    EXPECT_EQ(parseInt("abc", 99), 0);
    EXPECT_EQ(parseInt("-", 99), 0);
    EXPECT_EQ(parseInt("- 5", 99), 0);
    EXPECT_EQ(parseInt("0x10", 99), 0);
}

TEST(IntegerReader, EmptyTextGivesTheDefault)
{
    EXPECT_EQ(parseInt("", -1), -1);
    EXPECT_EQ(parseInt(" \t ", 5), 5);
}

TEST(IntegerReader, OverflowSaturates)
{
    EXPECT_EQ(parseInt("2147483647", 0), INT_MAX);
    EXPECT_EQ(parseInt("-2147483648", 0), INT_MIN);
    EXPECT_EQ(parseInt("2147483648", 0), INT_MAX);
    EXPECT_EQ(parseInt("-2147483649", 0), INT_MIN);
    EXPECT_EQ(parseInt("99999999999999999999999", 0), INT_MAX);
    EXPECT_EQ(parseInt("-99999999999999999999999x", 0), INT_MIN);
}

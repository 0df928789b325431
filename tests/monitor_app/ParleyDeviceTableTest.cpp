#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "messages/MessageNumbers.h"
#include "monitor/app/ParleyDeviceTable.h"

namespace monitor::app {
namespace {

std::vector<std::uint8_t> utf16(const std::u16string& text)
{
    std::vector<std::uint8_t> bytes;
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

std::vector<std::uint8_t> registration(std::uint16_t productId, const std::u16string& name, std::size_t size = 64)
{
    messages::ParleyRegistrationPayload wire{};
    wire.VendorId = 0x1E7D;
    wire.ProductId = productId;
    std::memcpy(wire.Name, name.data(), std::min<std::size_t>(name.size(), 20) * 2);
    for (int i = 0; i < 5; ++i)
        wire.Cpi[i] = 800 * (i + 1);
    std::vector<std::uint8_t> bytes(size, 0);
    std::memcpy(bytes.data(), &wire, std::min(size, sizeof wire));
    return bytes;
}

settings::ParleyDevice device(std::uint16_t productId, const char* name)
{
    settings::ParleyDevice d;
    d.Pid = productId;
    std::strncpy(d.Name, name, sizeof d.Name - 1);
    return d;
}

TEST(ParleyName, ConvertsUpToTheFirstNul)
{
    EXPECT_EQ(parleyNameFromUtf16(utf16(u"Pad X"), 19), "Pad X");
    EXPECT_EQ(parleyNameFromUtf16(utf16(std::u16string(u"Key\0junk", 8)), 19), "Key");
}

TEST(ParleyName, IsCutAtACharacterBoundaryInsideItsField)
{
    // Ten two-byte characters need 20 bytes: only nine fit before the NUL.
    EXPECT_EQ(parleyNameFromUtf16(utf16(u"éééééééééé"), 19), "ééééééééé");
    // Seven three-byte characters: six fit (18 bytes), never half of the seventh.
    EXPECT_EQ(parleyNameFromUtf16(utf16(u"鼠鼠鼠鼠鼠鼠鼠"), 19).size(), 18u);
    // A surrogate pair is one four-byte character.
    EXPECT_EQ(parleyNameFromUtf16(utf16(u"abcdefghijklmno\U0001F5B1"), 19), "abcdefghijklmno\xF0\x9F\x96\xB1");
    EXPECT_EQ(parleyNameFromUtf16(utf16(u"abcdefghijklmnop\U0001F5B1"), 19), "abcdefghijklmnop");
}

TEST(ParleyName, LoneSurrogatesBecomeReplacementCharacters)
{
    const std::u16string lone = {u'a', static_cast<char16_t>(0xD800), u'b', static_cast<char16_t>(0xDC00)};
    EXPECT_EQ(parleyNameFromUtf16(utf16(lone), 19), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
}

TEST(ParleyRegistration, OnlyExactlySixtyFourBytesAreDecoded)
{
    settings::ParleyDevice decoded;
    EXPECT_FALSE(decodeParleyRegistration(registration(0x1234, u"Pad", 63), decoded));
    EXPECT_FALSE(decodeParleyRegistration(registration(0x1234, u"Pad", 65), decoded));
    ASSERT_TRUE(decodeParleyRegistration(registration(0x1234, u"Pad"), decoded));
    EXPECT_EQ(decoded.Vid, 0x1E7D);
    EXPECT_EQ(decoded.Pid, 0x1234);
    EXPECT_STREQ(decoded.Name, "Pad");
    EXPECT_EQ(decoded.Cpi[0], 800);
    EXPECT_EQ(decoded.Cpi[4], 4000);
}

TEST(ParleyRegistration, ATwentyCharacterNameKeepsItsTerminator)
{
    settings::ParleyDevice decoded;
    ASSERT_TRUE(decodeParleyRegistration(registration(1, u"ABCDEFGHIJKLMNOPQRST"), decoded));
    EXPECT_EQ(std::string(decoded.Name), "ABCDEFGHIJKLMNOPQRS");
}

TEST(ParleyDeviceTableTest, KnownProductIdIsReplacedInPlace)
{
    ParleyDeviceTable table;
    EXPECT_EQ(table.registerDevice(device(1, "one")), ParleyDeviceTable::Outcome::Added);
    EXPECT_EQ(table.registerDevice(device(2, "two")), ParleyDeviceTable::Outcome::Added);
    EXPECT_EQ(table.registerDevice(device(1, "uno")), ParleyDeviceTable::Outcome::Replaced);
    ASSERT_EQ(table.devices().size(), 2u);
    EXPECT_STREQ(table.devices()[0].Name, "uno");
    EXPECT_STREQ(table.devices()[1].Name, "two");
}

TEST(ParleyDeviceTableTest, TheHundredAndFirstDeviceIsIgnoredButKnownOnesStillUpdate)
{
    ParleyDeviceTable table;
    for (std::uint16_t pid = 1; pid <= kParleyTableCapacity; ++pid)
        ASSERT_EQ(table.registerDevice(device(pid, "d")), ParleyDeviceTable::Outcome::Added);
    EXPECT_EQ(table.registerDevice(device(500, "new")), ParleyDeviceTable::Outcome::Full);
    EXPECT_EQ(table.devices().size(), kParleyTableCapacity);
    EXPECT_EQ(table.registerDevice(device(50, "fifty")), ParleyDeviceTable::Outcome::Replaced);
    EXPECT_STREQ(table.devices()[49].Name, "fifty");
}

TEST(ParleyDeviceTableTest, RemovalMovesLaterEntriesUp)
{
    ParleyDeviceTable table;
    for (std::uint16_t pid : {10, 20, 30})
        table.registerDevice(device(pid, "d"));
    EXPECT_FALSE(table.remove(99));
    EXPECT_TRUE(table.remove(20));
    ASSERT_EQ(table.devices().size(), 2u);
    EXPECT_EQ(table.devices()[0].Pid, 10);
    EXPECT_EQ(table.devices()[1].Pid, 30);
}

}  // namespace
}  // namespace monitor::app

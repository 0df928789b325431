// The recorder's key code table: virtual keys to HID usages, the physical key's
// scan code winning for the character and function keys.

#include <gtest/gtest.h>

#include <set>

#include "platform/input/VirtualKeys.h"
#include "settings/KeyUsageTable.h"

namespace settings::test {
namespace {

TEST(KeyUsageTable, RowsAreUniqueAndCarryTheUsKeyboardsScanCodes)
{
    std::set<int> keys;
    std::set<int> usages;
    for (const KeyUsageRow& row : keyUsageTable()) {
        EXPECT_TRUE(keys.insert(row.virtualKey).second) << int{row.virtualKey};
        EXPECT_TRUE(usages.insert(row.usage).second) << int{row.usage};
        const bool hasScanCode = row.usage >= 4 && row.usage <= 69;
        if (hasScanCode)
            EXPECT_EQ(row.scanCode, platform::usScanCodeOfVirtualKey(row.virtualKey)) << int{row.usage};
        else
            EXPECT_EQ(row.scanCode, 0) << int{row.usage};
        EXPECT_EQ(virtualKeyOfUsage(row.usage), row.virtualKey);
    }
    EXPECT_EQ(usages.count(50), 0u);
}

TEST(KeyUsageTable, RecordedUsageFollowsThePhysicalKeyOfCharacterKeysOnly)
{
    EXPECT_EQ(recordedUsage('A', 0x1E), 4);
    EXPECT_EQ(recordedUsage('A', 0), 4);
    EXPECT_EQ(recordedUsage('A', 0x10), 20);    // "A" typed on the key where US has Q
    EXPECT_EQ(recordedUsage(122, 0x57), 68);    // F11
    EXPECT_EQ(recordedUsage(160, 0x1E), 225);   // Left Shift keeps its row
    EXPECT_EQ(recordedUsage(37, 0x4B), 80);     // Left Arrow
    EXPECT_EQ(recordedUsage('A', 0xE01D), 4);   // no row has an extended scan code
    EXPECT_EQ(recordedUsage(0x7C, 0x64), 0);    // F13 is not recordable
    EXPECT_EQ(recordedUsage(0xAD, 0), 0);       // nor is Volume Mute
}

}  // namespace
}  // namespace settings::test

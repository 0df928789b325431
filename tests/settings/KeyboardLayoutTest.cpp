#include <gtest/gtest.h>

#include "platform/keyboard/KeyboardLayout.h"
#include "platform/keyboard/KeysymText.h"

namespace platform {
namespace {

TEST(KeyboardLayout, UsagesMapToTheKeysPositions)
{
    EXPECT_EQ(evdevKeyCodeOfUsage(4), 30);   // A
    EXPECT_EQ(evdevKeyCodeOfUsage(20), 16);  // Q
    EXPECT_EQ(evdevKeyCodeOfUsage(29), 44);  // Z
    EXPECT_EQ(evdevKeyCodeOfUsage(30), 2);   // 1
    EXPECT_EQ(evdevKeyCodeOfUsage(39), 11);  // 0
    EXPECT_EQ(evdevKeyCodeOfUsage(44), 57);  // Space
    EXPECT_EQ(evdevKeyCodeOfUsage(53), 41);  // grave
    EXPECT_EQ(evdevKeyCodeOfUsage(57), 58);  // Caps Lock
    EXPECT_EQ(evdevKeyCodeOfUsage(3), 0);
    EXPECT_EQ(evdevKeyCodeOfUsage(58), 0);
}

TEST(KeyboardLayout, WithoutADisplayTheUsLayoutAnswers)
{
    const auto layout = openKeyboardLayout(":97531");
    ASSERT_NE(layout, nullptr);
    for (int usage = 0; usage < 256; ++usage)
        EXPECT_EQ(layout->keyText(static_cast<std::uint8_t>(usage)), usKeyText(static_cast<std::uint8_t>(usage)));
}

// Keysym values as the X11 headers define them.
TEST(KeyboardLayout, KeysymsReadAsCapitalCharacters)
{
    EXPECT_EQ(keysymCapitalText(0x0061), "A");              // a
    EXPECT_EQ(keysymCapitalText(0x0031), "1");
    EXPECT_EQ(keysymCapitalText(0x00FC), "\xC3\x9C");        // udiaeresis: U+00DC
    EXPECT_EQ(keysymCapitalText(0x00DF), "\xC3\x9F");        // ssharp has no capital keysym
    EXPECT_EQ(keysymCapitalText(0x01B9), "\xC5\xA0");        // scaron: U+0160
    EXPECT_EQ(keysymCapitalText(0x06C6), "\xD0\xA4");        // Cyrillic_ef: U+0424
    EXPECT_EQ(keysymCapitalText(0x07E1), "\xCE\x91");        // Greek_alpha: U+0391
    EXPECT_EQ(keysymCapitalText(0xFE52), "^");              // dead_circumflex
    EXPECT_EQ(keysymCapitalText(0xFE51), "\xC2\xB4");        // dead_acute
    EXPECT_EQ(keysymCapitalText(0x010020AC), "\xE2\x82\xAC"); // Unicode keysym of the euro sign
    EXPECT_EQ(keysymCapitalText(0xFF0D), "");               // Return
    EXPECT_EQ(keysymCapitalText(0), "");
}

}  // namespace
}  // namespace platform

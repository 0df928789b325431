#include <gtest/gtest.h>

#include "platform/keyboard/KeyboardLayout.h"
#include "platform/keyboard/KeysymText.h"
#include "settings/KeyNames.h"
#include "settings/MacroEvent.h"

#include <linux/input-event-codes.h>

namespace platform {
namespace {

// The kernel's HID keyboard table, by the key codes' own names.
TEST(KeyboardLayout, UsagesMapToTheKeysPositions)
{
    const std::pair<int, int> expected[] = {
        {4, KEY_A},          {20, KEY_Q},        {29, KEY_Z},           {30, KEY_1},          {39, KEY_0},
        {40, KEY_ENTER},     {44, KEY_SPACE},    {49, KEY_BACKSLASH},   {50, KEY_BACKSLASH},  {53, KEY_GRAVE},
        {57, KEY_CAPSLOCK},  {58, KEY_F1},       {69, KEY_F12},         {70, KEY_SYSRQ},      {72, KEY_PAUSE},
        {76, KEY_DELETE},    {79, KEY_RIGHT},    {82, KEY_UP},          {83, KEY_NUMLOCK},    {84, KEY_KPSLASH},
        {88, KEY_KPENTER},   {89, KEY_KP1},      {98, KEY_KP0},         {99, KEY_KPDOT},      {100, KEY_102ND},
        {101, KEY_COMPOSE},  {130, KEY_SLEEP},   {224, KEY_LEFTCTRL},   {227, KEY_LEFTMETA},  {228, KEY_RIGHTCTRL},
        {229, KEY_RIGHTSHIFT}, {230, KEY_RIGHTALT}, {231, KEY_RIGHTMETA},
    };
    for (const auto& [usage, code] : expected)
        EXPECT_EQ(evdevKeyCodeOfUsage(static_cast<std::uint8_t>(usage)), code) << "usage " << usage;
    for (const int usage : {0, 3, 131, 223, 232, 240, 255})
        EXPECT_EQ(evdevKeyCodeOfUsage(static_cast<std::uint8_t>(usage)), 0) << "usage " << usage;
}

// Every key a macro or shortcut can hold has a name, and reaches a key.
TEST(KeyboardLayout, EveryStorableKeyHasAKeyCode)
{
    const auto layout = openKeyboardLayout(":97531");
    for (int usage = 0; usage < settings::kMacroKeyLeftButton; ++usage) {
        const auto key = static_cast<std::uint8_t>(usage);
        if (settings::shortcutKeyName(key, *layout).empty()) continue;
        EXPECT_NE(evdevKeyCodeOfUsage(key), 0) << "usage " << usage;
    }
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

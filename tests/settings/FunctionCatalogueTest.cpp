#include <gtest/gtest.h>

#include <set>
#include <string>

#include "settings/ButtonMenu.h"
#include "settings/ButtonSlots.h"
#include "settings/FunctionCodes.h"
#include "settings/OsVersionClass.h"

namespace settings {
namespace {

TEST(FunctionCatalogue, DualkeyTypeIsExactlyTheFourDualkeyCodes)
{
    for (int code = 0; code < 256; ++code) {
        const bool expected = code == 65 || code == 81 || code == 82 || code == 83;
        EXPECT_EQ(isDualkeyType(static_cast<std::uint8_t>(code)), expected) << code;
    }
}

TEST(FunctionCatalogue, UncataloguedCodesAreNeitherCaptionedNorOffered)
{
    for (int code : {12, 28, 29, 30, 31, 40, 47, 56, 63, 72, 80, 85, 255}) {
        EXPECT_EQ(findFunctionCode(static_cast<std::uint8_t>(code)), nullptr) << code;
        for (int slot = 0; slot < kButtonSlotCount; ++slot)
            EXPECT_FALSE(isOfferedOnSlot(static_cast<std::uint8_t>(code), slot, kOsVersionClassThisSystem));
    }
    ASSERT_NE(findFunctionCode(84), nullptr);
    EXPECT_EQ(std::string(findFunctionCode(84)->caption), "Dualkey[+] all Lock");
}

TEST(FunctionCatalogue, SlotRestrictionsOfTheMenu)
{
    const int os = kOsVersionClassThisSystem;
    for (int slot = 0; slot < kButtonSlotCount; ++slot) {
        const bool dualkeySlot = slot == 3 || slot == 4;
        for (std::uint8_t code : {65, 66, 70, 71, 81, 82, 83})
            EXPECT_EQ(isOfferedOnSlot(code, slot, os), dualkeySlot) << int(code) << " on slot " << slot;
        for (std::uint8_t code = 51; code <= 55; ++code)
            EXPECT_EQ(isOfferedOnSlot(code, slot, os), slot < 12) << int(code) << " on slot " << slot;
        for (std::uint8_t code : {0, 11, 19, 64, 84})
            EXPECT_FALSE(isOfferedOnSlot(code, slot, os)) << int(code);
        for (std::uint8_t code : {1, 5, 15, 27, 39, 48, 49, 50})
            EXPECT_TRUE(isOfferedOnSlot(code, slot, os)) << int(code);
    }
    EXPECT_FALSE(isOfferedOnSlot(1, -1, os));
    EXPECT_FALSE(isOfferedOnSlot(1, 24, os));
}

TEST(FunctionCatalogue, AeroFlipIsLeftOutOnTheXpClassOnly)
{
    EXPECT_FALSE(isOfferedOnSlot(kFunctionRollmodeAeroFlip3D, 3, kOsVersionClassXp));
    EXPECT_TRUE(isOfferedOnSlot(kFunctionRollmodeAltTab, 3, kOsVersionClassXp));
    for (int os : {0, 1, 2, 3, 5, 6})
        EXPECT_TRUE(isOfferedOnSlot(kFunctionRollmodeAeroFlip3D, 4, os)) << os;
    EXPECT_EQ(currentOsVersionClass(), kOsVersionClassThisSystem);
    EXPECT_NE(currentOsVersionClass(), kOsVersionClassXp);
}

TEST(FunctionCatalogue, OsVersionClasses)
{
    EXPECT_EQ(osVersionClass(kOsPlatformNt, 5, 0), 3);
    EXPECT_EQ(osVersionClass(kOsPlatformNt, 5, 1), 4);
    EXPECT_EQ(osVersionClass(kOsPlatformNt, 5, 2), 4);
    EXPECT_EQ(osVersionClass(kOsPlatformNt, 6, 0), 5);
    EXPECT_EQ(osVersionClass(kOsPlatformNt, 6, 2), 6);
    EXPECT_EQ(osVersionClass(kOsPlatformNt, 10, 0), 0);
    EXPECT_EQ(osVersionClass(kOsPlatformWin9x, 4, 10), 1);
    EXPECT_EQ(osVersionClass(kOsPlatformWin9x, 4, 90), 2);
    EXPECT_EQ(osVersionClass(kOsPlatformWin9x, 5, 0), 0);
    EXPECT_EQ(osVersionClass(0, 5, 1), 0);
}

// Each offered code has exactly one entry in the menu, in the group the
// catalogue names; entries made from data have no fixed text.
TEST(ButtonMenu, MenuAndCatalogueAgree)
{
    std::multiset<int> offered;
    for (const MenuGroupLayout& group : buttonMenuLayout()) {
        for (const MenuEntry& entry : group.entries) {
            if (entry.kind != MenuEntryKind::Function)
                continue;
            const FunctionCodeInfo* info = findFunctionCode(entry.code);
            ASSERT_NE(info, nullptr) << int(entry.code);
            EXPECT_EQ(info->menuGroup, group.group) << int(entry.code);
            EXPECT_FALSE(menuEntryText(entry).empty()) << int(entry.code);
            offered.insert(entry.code);
        }
    }
    for (const FunctionCodeInfo& info : functionCatalogue()) {
        const bool fixedEntry = info.menuGroup != MenuGroup::NotOffered && info.menuItem[0] != '\0';
        EXPECT_EQ(offered.count(info.code), fixedEntry ? 1u : 0u) << int(info.code);
    }
}

TEST(ButtonMenu, GroupsInMenuOrderWithTheirSlots)
{
    const auto layout = buttonMenuLayout();
    ASSERT_EQ(layout.size(), 10u);
    EXPECT_STREQ(layout[0].title, "Dualkey[+] Zuro Vell Lumic Noxa Edition");
    EXPECT_EQ(layout[0].itemWidth, 140);
    EXPECT_STREQ(layout[1].title, "VANTRO Parley");
    EXPECT_EQ(layout[1].itemWidth, 170);
    EXPECT_STREQ(layout[2].title, "Macro + Preset Compilation");
    EXPECT_STREQ(layout[7].title, "Multimedia");
    EXPECT_STREQ(layout[8].title, "Pinpoint");
    EXPECT_EQ(layout[9].group, MenuGroup::Main);

    for (int slot = 0; slot < kButtonSlotCount; ++slot) {
        EXPECT_EQ(slotAllows(layout[0].slots, slot), slot == 3 || slot == 4);
        EXPECT_EQ(slotAllows(layout[8].slots, slot), slot < 12);
        EXPECT_TRUE(slotAllows(layout[9].slots, slot));
    }

    std::vector<std::string> multimedia;
    for (const MenuEntry& entry : layout[7].entries)
        multimedia.emplace_back(entry.kind == MenuEntryKind::Separator ? "-" : menuEntryText(entry));
    EXPECT_EQ(multimedia, (std::vector<std::string>{"Windows Mute", "Windows Volume Up", "Windows Volume Down", "-",
                                                    "Select Player", "-", "Open Player", "Previous Track",
                                                    "Next Track", "Play/Pause", "Stop"}));
    std::vector<std::string> main;
    for (const MenuEntry& entry : layout[9].entries)
        main.emplace_back(menuEntryText(entry));
    EXPECT_EQ(main, (std::vector<std::string>{"Click", "Menu", "Universal scrolling", "Double-click",
                                              "Assign a Shortcut", "Disabled", "IE Forward", "IE Backward",
                                              "Tilt Left", "Tilt Right", "Scroll Up", "Scroll Down", "Quicklaunch",
                                              "Windows key", "Open Driver"}));
}

TEST(ButtonMenu, MacroAndTimerCommands)
{
    EXPECT_EQ(macroMenuCommand(0, 0), 1100);
    EXPECT_EQ(macroMenuCommand(3, 7), 1407);
    EXPECT_EQ(macroMenuCommand(99, 99), 11099);
    EXPECT_FALSE(macroMenuCommand(100, 0));
    EXPECT_FALSE(macroMenuCommand(0, 100));
    EXPECT_FALSE(macroMenuCommand(-1, 0));
    const auto choice = macroFromMenuCommand(1407);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->set, 3);
    EXPECT_EQ(choice->macro, 7);
    EXPECT_FALSE(macroFromMenuCommand(1099));
    EXPECT_FALSE(macroFromMenuCommand(11100));

    EXPECT_EQ(timerMenuCommand(0), 505);
    EXPECT_EQ(timerMenuCommand(50), 555);
    EXPECT_EQ(timerFromMenuCommand(505), 0);
    EXPECT_EQ(timerFromMenuCommand(554), 49);
    EXPECT_FALSE(timerFromMenuCommand(555)) << "the 51st timer is listed but not assigned";
    EXPECT_FALSE(timerFromMenuCommand(504));
}

TEST(ButtonSlots, HiddenSlotsNamesAndPartners)
{
    std::vector<int> hidden;
    for (int slot = 0; slot < kButtonSlotCount; ++slot) {
        if (!isShownSlot(slot))
            hidden.push_back(slot);
    }
    EXPECT_EQ(hidden, (std::vector<int>{5, 6, 11, 17, 18, 23}));
    EXPECT_EQ(slotLayoutName(0), "B1");
    EXPECT_EQ(slotLayoutName(23), "B24");
    EXPECT_EQ(shiftedPartner(3), 15);
    EXPECT_EQ(shiftedPartner(4), 16);
}

}  // namespace
}  // namespace settings

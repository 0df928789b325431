// The button page's context menu and its other rules: which submenus a slot
// gets, the limits on macros and timers, what each command means, the hover
// pictures and the click that only closes a menu.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "option/core/ButtonContextMenu.h"
#include "option/core/ButtonPageRules.h"
#include "settings/BlockDefaults.h"
#include "settings/FixedText.h"
#include "settings/FunctionCodes.h"
#include "settings/OsVersionClass.h"

namespace option::core::test {
namespace {

using settings::ProfileRecord;

const MenuItemModel* findItem(const std::vector<MenuItemModel>& items, std::string_view text)
{
    for (const MenuItemModel& item : items)
        if (item.text == text)
            return &item;
    return nullptr;
}

std::vector<std::string> titles(const std::vector<MenuItemModel>& items)
{
    std::vector<std::string> texts;
    for (const MenuItemModel& item : items)
        if (item.opensSubmenu())
            texts.push_back(item.text);
    return texts;
}

settings::MacroSet setOf(const std::string& name, int macros)
{
    settings::MacroSet set{name, {}, settings::MacroChangeMark::Unchanged};
    for (int m = 0; m < macros; ++m) {
        settings::MacroRecord macro;
        settings::setFieldText(macro.Name, "m" + std::to_string(m));
        set.macros.push_back(macro);
    }
    return set;
}

class ButtonMenu : public ::testing::Test {
protected:
    void SetUp() override { settings::createDefaultProfile(profile, 0); }

    ButtonContextMenu menuOf(int slot, int os = settings::kOsVersionClassThisSystem)
    {
        return ButtonContextMenu({profile, slot, macros, timers, devices, os});
    }

    std::unique_ptr<ProfileRecord> record = std::make_unique<ProfileRecord>();
    ProfileRecord& profile = *record;
    settings::MacroStore macros;
    settings::TimerStore timers;
    settings::ParleyDeviceList devices;
};

TEST_F(ButtonMenu, SubmenusDependOnTheSlot)
{
    const std::vector<std::string> common = {"Macro + Preset Compilation", "Assign a Timer", "Profile",
                                             "DPI Setting", "Sensitivity", "Multimedia"};
    std::vector<std::string> normal = common;
    normal.push_back("Pinpoint");
    std::vector<std::string> dualkey = {"Dualkey[+] Zuro Vell Lumic Noxa Edition", "VANTRO Parley"};
    dualkey.insert(dualkey.end(), normal.begin(), normal.end());
    EXPECT_EQ(titles(menuOf(2).items()), normal);
    EXPECT_EQ(titles(menuOf(4).items()), dualkey);
    EXPECT_EQ(titles(menuOf(15).items()), common);
    EXPECT_TRUE(menuOf(24).items().empty());

    const ButtonContextMenu slot3 = menuOf(3, settings::kOsVersionClassXp);
    const MenuItemModel* rollmodes = findItem(slot3.items(), "Dualkey[+] Zuro Vell Lumic Noxa Edition");
    ASSERT_NE(rollmodes, nullptr);
    EXPECT_EQ(rollmodes->itemWidth, 140);
    EXPECT_EQ(rollmodes->submenu.size(), 7u);  // no Aero Flip 3D on XP
    EXPECT_TRUE(rollmodes->submenu[1].isSeparator());
    EXPECT_EQ(slot3.choiceOf(71), std::nullopt);

    profile.CpiLevel_X[2] = 16;
    const ButtonContextMenu slot0 = menuOf(0);
    EXPECT_EQ(findItem(slot0.items(), "Pinpoint")->submenu[2].text, "1600 DPI");
    EXPECT_EQ(slot0.choiceOf(53)->function.code, 53);
    EXPECT_EQ(slot0.choiceOf(65), std::nullopt);  // the Dualkey key is not offered here
    EXPECT_TRUE(slot0.items().at(slot0.items().size() - 16).isSeparator());
    EXPECT_EQ(slot0.items().back().text, "Open Driver");
    EXPECT_EQ(slot0.choiceOf(5)->action, ButtonMenuAction::AssignShortcut);
    EXPECT_EQ(slot0.choiceOf(15)->action, ButtonMenuAction::AssignProgram);
    EXPECT_EQ(slot0.choiceOf(kSelectPlayerCommand)->action, ButtonMenuAction::SelectPlayer);
}

TEST_F(ButtonMenu, MacroSetsAndTimersAreListedWithinTheirLimits)
{
    for (int s = 0; s < 102; ++s)
        macros.sets.push_back(setOf("set" + std::to_string(s), s == 1 ? 150 : 1));
    macros.sets[0] = setOf(" World of Warcraft ", 2);
    macros.sets[2].name = "xfire";
    profile.MacroKeyInfo[8].FunctionCode = settings::kFunctionMacro;
    settings::setFieldText(profile.MacroKeyInfo[8].MacroSetName, "WORLD OF WARCRAFT");
    settings::setFieldText(profile.MacroKeyInfo[8].MacroName, "M1");
    for (int t = 0; t < 51; ++t) {
        settings::TimerRecord timer;
        settings::setFieldText(timer.Name, "t" + std::to_string(t));
        timers.push_back(timer);
    }
    const ButtonContextMenu menu = menuOf(8);
    const std::vector<MenuItemModel>& macroMenu = findItem(menu.items(), "Macro + Preset Compilation")->submenu;
    EXPECT_EQ(macroMenu[0].text, "Create New Macro...");
    EXPECT_TRUE(macroMenu[1].isSeparator());
    EXPECT_EQ(macroMenu[2].text, "World of Warcraft");
    EXPECT_TRUE(macroMenu[3].isSeparator());
    EXPECT_TRUE(macroMenu[6].isSeparator());  // after "xfire", with sets to follow
    EXPECT_EQ(macroMenu.size(), 2u + 100u + 2u);
    const std::vector<MenuItemModel>& wow = macroMenu[2].submenu;
    EXPECT_FALSE(wow[2].current);
    EXPECT_TRUE(wow[3].current);
    EXPECT_EQ(macroMenu[4].submenu.size(), 2u + 100u);  // 150 macros, 100 shown

    EXPECT_EQ(menu.choiceOf(1100 + 100 + 99)->function.macro, 99);
    EXPECT_EQ(menu.choiceOf(1100 + 100 * 100), std::nullopt);  // the 101st set is not shown
    EXPECT_EQ(menu.choiceOf(kEditMacroSetCommandBase + 2)->macroSet, 2);

    const std::vector<MenuItemModel>& timerMenu = findItem(menu.items(), "Assign a Timer")->submenu;
    EXPECT_EQ(timerMenu.size(), 3u + 1u + 51u);
    EXPECT_EQ(timerMenu.back().command, 555);
    EXPECT_EQ(menu.choiceOf(554)->function.timer, 49);
    EXPECT_EQ(menu.choiceOf(555), std::nullopt);
    EXPECT_EQ(menu.choiceOf(kCreateTimerCommand), std::nullopt);  // the store is full
    timers.pop_back();
    EXPECT_EQ(menuOf(8).choiceOf(kCreateTimerCommand)->action, ButtonMenuAction::CreateTimer);
    timers.clear();
    EXPECT_EQ(menuOf(8).choiceOf(kEditDeleteTimerCommand), std::nullopt);
}

TEST_F(ButtonMenu, ParleyDevicesGetASubmenuEachOnTheDualkeySlots)
{
    settings::ParleyDevice device;
    device.Pid = 0x1234;
    std::memset(device.Name, 'K', sizeof device.Name);  // no terminator in the file
    devices.push_back(device);
    const ButtonContextMenu menu = menuOf(3);
    const std::vector<MenuItemModel>& parley = findItem(menu.items(), "VANTRO Parley")->submenu;
    ASSERT_EQ(parley.size(), 3u);
    const std::string name(20, 'K');
    EXPECT_EQ(parley[2].text, "VANTRO Parley: " + name);
    EXPECT_EQ(parley[2].submenu[1].text, "Dualkey[+] " + name + " Lock/Unlock");
    const std::optional<ButtonMenuChoice> lock = menu.choiceOf(parley[2].submenu[1].command);
    ASSERT_TRUE(lock);
    EXPECT_EQ(lock->function.code, settings::kFunctionParleyDeviceLock);
    EXPECT_EQ(lock->function.deviceId, 0x1234);
    EXPECT_EQ(lock->function.deviceName, name);
}

TEST_F(ButtonMenu, ClicksHoverPicturesAndOrientation)
{
    SlotMenuClicks clicks;
    EXPECT_FALSE(clicks.clicked(profile, 0));
    EXPECT_FALSE(clicks.clicked(profile, 16));  // slot 4 holds the Dualkey key, its partner is free
    EXPECT_FALSE(clicks.clicked(profile, 5));
    EXPECT_TRUE(clicks.clicked(profile, 8));
    clicks.menuClosed(8);
    EXPECT_FALSE(clicks.clicked(profile, 8));  // that click closed the menu
    EXPECT_TRUE(clicks.clicked(profile, 8));
    clicks.menuClosed(-1);
    EXPECT_TRUE(clicks.clicked(profile, 8));
    EXPECT_EQ(slotLook(profile, 1), SlotLook::Fixed);
    EXPECT_EQ(slotLook(profile, 16), SlotLook::Unassigned);

    EXPECT_EQ(hoverPictureIndex(profile, 211), 11);
    EXPECT_EQ(hoverPictureIndex(profile, 199), std::nullopt);
    EXPECT_EQ(hoverPictureIndex(profile, 224), std::nullopt);
    EXPECT_EQ(hoverPictureIndex(profile, 212), 24);  // only slot 4 holds a Dualkey key
    profile.MacroKeyInfo[3].FunctionCode = settings::kFunctionParleyAll;
    EXPECT_EQ(hoverPictureIndex(profile, 212), 36);
    profile.MacroKeyInfo[4].FunctionCode = settings::kFunctionParleyDevice;
    EXPECT_EQ(hoverPictureIndex(profile, 223), 23);
    profile.MacroKeyInfo[3].FunctionCode = 6;
    EXPECT_EQ(hoverPictureIndex(profile, 223), 59);

    settings::setFieldText(profile.MacroKeyInfo[9].ProgramPath, "/usr/bin/gimp");
    EXPECT_EQ(initialProgramPath(profile.MacroKeyInfo[9]), "");
    profile.MacroKeyInfo[9].FunctionCode = settings::kFunctionProgramLaunch;
    EXPECT_EQ(initialProgramPath(profile.MacroKeyInfo[9]), "/usr/bin/gimp");

    EXPECT_TRUE(setOrientation(profile, kOrientationLeft));
    EXPECT_TRUE(showsLeftHand(profile));
    EXPECT_FALSE(setOrientation(profile, 2));
}

}  // namespace
}  // namespace option::core::test

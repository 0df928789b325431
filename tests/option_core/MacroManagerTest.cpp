// The macro manager's sets and macros: preselection, the selector's menu, the
// in-place edits and their refusals, OK and Cancel.

#include <gtest/gtest.h>

#include "option/core/MacroManager.h"
#include "settings/FixedText.h"
#include "settings/FunctionCodes.h"
#include "settings/MacroStore.h"
#include "tests/support/TemporaryFolder.h"

namespace option::core::test {
namespace {

using settings::MacroChangeMark;

settings::MacroStore storeOf(std::initializer_list<std::pair<const char*, std::vector<std::string>>> sets)
{
    settings::MacroStore store;
    for (const auto& [name, macros] : sets) {
        settings::MacroSet set{name, {}, MacroChangeMark::Unchanged};
        for (const std::string& macroName : macros) {
            settings::MacroRecord macro;
            settings::setFieldText(macro.Name, macroName);
            set.macros.push_back(macro);
        }
        store.sets.push_back(std::move(set));
    }
    return store;
}

TEST(MacroManager, OpensOnTheButtonsMacroOrTheSetPassedOrNothing)
{
    const settings::MacroStore store = storeOf({{"Xfire", {"a"}}, {"World of Warcraft", {"b", "Heal"}}, {"x", {}}});
    auto slot = std::make_unique<settings::ButtonAssignment>();
    slot->FunctionCode = settings::kFunctionMacro;
    settings::setFieldText(slot->MacroSetName, " world of warcraft");
    settings::setFieldText(slot->MacroName, "HEAL ");

    const MacroManager assigned(store, {0, slot.get(), false});
    EXPECT_EQ(assigned.currentSet(), 1);
    EXPECT_EQ(assigned.currentMacro(), 1);
    const std::vector<MenuItemModel> menu = assigned.setSelectorMenu();
    ASSERT_EQ(menu.size(), 8u);  // 3 sets, 2 separators, a separator and the two commands
    EXPECT_TRUE(menu[1].isSeparator());  // after "Xfire"
    EXPECT_TRUE(menu[2].current);
    EXPECT_TRUE(menu[3].isSeparator());
    EXPECT_EQ(menu[4].command, 2002);
    EXPECT_TRUE(menu[5].isSeparator());
    EXPECT_EQ(menu[7].text, "[x]Delete Macro Set");

    settings::setFieldText(slot->MacroName, "gone");
    const MacroManager passed(store, {2, slot.get(), false});
    EXPECT_EQ(passed.currentSet(), 2);
    EXPECT_EQ(passed.missingMacro(), MissingMacro::NoMacro);
    const MacroManager fresh(store, {1, slot.get(), true});
    EXPECT_EQ(fresh.missingMacro(), MissingMacro::NoSet);
    EXPECT_FALSE(fresh.opensSetDialogAtOnce());
    EXPECT_TRUE(MacroManager({}, {}).opensSetDialogAtOnce());
}

TEST(MacroManager, SetsAndMacrosRefuseEmptyLongAndDuplicateNames)
{
    MacroManager manager(storeOf({{"Games", {"Jump"}}}), {0, nullptr, false});
    EXPECT_FALSE(manager.addSet("  GAMES "));
    EXPECT_FALSE(manager.addSet("   "));
    EXPECT_FALSE(manager.addSet(std::string(25, 's')));
    ASSERT_TRUE(manager.addSet("  Work "));
    EXPECT_EQ(manager.currentSetName(), "Work");
    EXPECT_EQ(manager.working().sets[1].mark, MacroChangeMark::Added);
    EXPECT_EQ(manager.missingMacro(), MissingMacro::NoMacro);

    ASSERT_TRUE(manager.chooseSet(0));
    EXPECT_FALSE(manager.commitNewMacro("jump"));
    EXPECT_FALSE(manager.commitNewMacro(""));
    ASSERT_TRUE(manager.commitNewMacro(" Run "));
    EXPECT_EQ(manager.macroNames(), (std::vector<std::string>{"Jump", "Run"}));
    EXPECT_EQ(manager.currentMacro(), 1);
    EXPECT_EQ(manager.working().sets[0].mark, MacroChangeMark::Added);
    EXPECT_FALSE(manager.renameMacro(1, "JUMP"));
    EXPECT_FALSE(manager.renameMacro(1, " "));
    ASSERT_TRUE(manager.renameMacro(1, "Sprint"));
    EXPECT_EQ(manager.working().sets[0].mark, MacroChangeMark::Changed);
    EXPECT_TRUE(manager.deleteCurrentMacro());
    EXPECT_EQ(manager.currentMacro(), 0);
    EXPECT_TRUE(manager.deleteCurrentMacro());
    EXPECT_EQ(manager.currentMacro(), -1);
    EXPECT_FALSE(manager.deleteCurrentMacro());

    while (manager.working().sets.size() < 100)
        manager.addSet("s" + std::to_string(manager.working().sets.size()));
    EXPECT_FALSE(manager.addSet("one too many"));
    ASSERT_TRUE(manager.chooseSet(99));
    EXPECT_TRUE(manager.deleteCurrentSet());
    EXPECT_EQ(manager.currentSet(), 98);

    MacroManager full(storeOf({{"Full", {}}}), {0, nullptr, false});
    for (int m = 0; m < 100; ++m)
        full.commitNewMacro("m" + std::to_string(m));
    EXPECT_EQ(full.beginNewMacro(), MacroManager::NewMacroStart::Full);
    EXPECT_FALSE(full.commitNewMacro("m100"));
    EXPECT_TRUE(full.deleteCurrentSet());
    EXPECT_EQ(full.currentSet(), -1);
    EXPECT_EQ(full.beginNewMacro(), MacroManager::NewMacroStart::NoSetNotice);
}

TEST(MacroManager, OkReplacesAndSavesTheStoreAndCancelLeavesIt)
{
    testsupport::TemporaryFolder folder;
    const std::string path = folder.path() + "/Preset_sequence.dat";
    settings::MacroStore store = storeOf({{"Games", {"Jump"}}, {"Work", {"Mail"}}});
    {
        MacroManager cancelled(store, {0, nullptr, false});
        cancelled.addSet("Lost");
    }
    EXPECT_EQ(store.sets.size(), 2u);

    MacroManager manager(store, {1, nullptr, false});
    settings::MacroRecord* mail = manager.currentMacroRecord();
    ASSERT_NE(mail, nullptr);
    mail->EventCount = 1;
    mail->Events[0] = {4, settings::kMacroActionPress, 0};
    manager.currentMacroEdited();
    ASSERT_TRUE(manager.acceptInto(store, path));
    EXPECT_EQ(store.sets[1].macros[0].EventCount, 1);
    EXPECT_EQ(store.sets[1].mark, MacroChangeMark::Unchanged);

    settings::MacroStore reloaded;
    ASSERT_TRUE(settings::loadMacroStore(reloaded, path));
    ASSERT_EQ(reloaded.sets.size(), 2u);
    EXPECT_TRUE(reloaded.sets[0].macros.empty());  // unchanged, so its section was not written
    EXPECT_EQ(reloaded.sets[1].macros.at(0).EventCount, 1);
}

}  // namespace
}  // namespace option::core::test

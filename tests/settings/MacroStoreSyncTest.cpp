#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "platform/ini/PrivateProfile.h"
#include "settings/BlockDefaults.h"
#include "settings/FixedText.h"
#include "settings/MacroStoreSync.h"
#include "settings/RecordBytes.h"
#include "tests/settings/StoreRecords.h"
#include "tests/settings/TempFolder.h"

namespace settings {
namespace {

using test::makeMacro;
using test::macroSlot;

class MacroStoreSyncTest : public ::testing::Test {
protected:
    MacroStoreSyncTest() { createDefaultBlock(*block, 1); }

    void putSlot(int profile, int slot, const ButtonAssignment& assignment)
    {
        block->Profiles[profile].MacroKeyInfo[slot] = assignment;
    }

    MacroStore storeWith(const std::string& setName, std::vector<MacroRecord> macros)
    {
        MacroStore store;
        store.sets.push_back(MacroSet{setName, std::move(macros), MacroChangeMark::Unchanged});
        return store;
    }

    std::unique_ptr<SettingsBlock> block = std::make_unique<SettingsBlock>();
    test::TempFolder folder;
};

TEST_F(MacroStoreSyncTest, MissingSetIsCreatedWithTheSlotsMacro)
{
    const MacroRecord macro = makeMacro("Combo", 8, 4, 5);
    putSlot(2, 7, macroSlot("Fighters", macro));
    MacroStore store;

    EXPECT_TRUE(syncMacroStoreWithProfiles(store, *block));
    ASSERT_EQ(store.sets.size(), 1u);
    EXPECT_EQ(store.sets[0].name, "Fighters");
    EXPECT_EQ(store.sets[0].mark, MacroChangeMark::Added);
    ASSERT_EQ(store.sets[0].macros.size(), 1u);
    EXPECT_TRUE(sameBytes(store.sets[0].macros[0], macro));
}

TEST_F(MacroStoreSyncTest, MissingMacroIsAppendedToItsSet)
{
    MacroStore store = storeWith("fighters ", {makeMacro("Other", 2, 9)});
    const MacroRecord macro = makeMacro("Combo", 4, 4, 2);
    putSlot(0, 3, macroSlot(" FIGHTERS", macro));

    EXPECT_TRUE(syncMacroStoreWithProfiles(store, *block));
    ASSERT_EQ(store.sets.size(), 1u);
    EXPECT_EQ(store.sets[0].mark, MacroChangeMark::Added);
    ASSERT_EQ(store.sets[0].macros.size(), 2u);
    EXPECT_TRUE(sameBytes(store.sets[0].macros[1], macro));
}

TEST_F(MacroStoreSyncTest, ChangedEventsAreCopiedFromTheProfile)
{
    const MacroRecord stored = makeMacro("Combo", 4, 4, 2);
    MacroStore store = storeWith("Fighters", {stored});
    MacroRecord edited = makeMacro("Combo", 6, 10, 7);
    putSlot(4, 20, macroSlot("Fighters", edited));

    EXPECT_TRUE(syncMacroStoreWithProfiles(store, *block));
    EXPECT_EQ(store.sets[0].mark, MacroChangeMark::Changed);
    ASSERT_EQ(store.sets[0].macros.size(), 1u);
    const MacroRecord& result = store.sets[0].macros[0];
    EXPECT_EQ(result.EventCount, 6);
    EXPECT_EQ(result.LoopCount, 7);
    EXPECT_EQ(0, std::memcmp(result.Events, edited.Events, sizeof result.Events));
}

TEST_F(MacroStoreSyncTest, LoopCountAloneIsNoDifference)
{
    const MacroRecord stored = makeMacro("Combo", 4, 4, 2);
    MacroStore store = storeWith("Fighters", {stored});
    ButtonAssignment slot = macroSlot("Fighters", stored);
    slot.MacroLoopCount = 9;
    putSlot(1, 8, slot);

    EXPECT_FALSE(syncMacroStoreWithProfiles(store, *block));
    EXPECT_EQ(store.sets[0].mark, MacroChangeMark::Unchanged);
    EXPECT_EQ(store.sets[0].macros[0].LoopCount, 2);
}

TEST_F(MacroStoreSyncTest, OnlyMacroSlotsWithASetNameCount)
{
    ButtonAssignment noSet = macroSlot("", makeMacro("Loose", 2, 4));
    putSlot(0, 2, noSet);
    ButtonAssignment notMacro = macroSlot("Set", makeMacro("Kept", 2, 4));
    notMacro.FunctionCode = 49;
    putSlot(0, 9, notMacro);
    MacroStore store;

    EXPECT_FALSE(syncMacroStoreWithProfiles(store, *block));
    EXPECT_TRUE(store.sets.empty());
}

TEST_F(MacroStoreSyncTest, SynchroniseSavesOnlyTheMarkedSets)
{
    const std::string path = folder.path() + "config/Preset_sequence.dat";
    MacroStore store = storeWith("Untouched", {makeMacro("A", 2, 4)});
    store.sets.push_back(MacroSet{"Fighters", {makeMacro("Combo", 4, 4)}, MacroChangeMark::Unchanged});
    putSlot(3, 0, macroSlot("Fighters", makeMacro("Combo", 6, 5)));

    ASSERT_TRUE(synchroniseMacroStore(store, *block, path));
    EXPECT_EQ(platform::ini::readInt(path, "SetMacro", "number", -1), 2);
    EXPECT_EQ(platform::ini::readInt(path, "Untouched", "number", -1), -1) << "unmarked set not written";
    EXPECT_EQ(platform::ini::readInt(path, "Fighters", "number", -1), 1);
    for (const MacroSet& set : store.sets)
        EXPECT_EQ(set.mark, MacroChangeMark::Unchanged);

    MacroStore loaded;
    ASSERT_TRUE(loadMacroStore(loaded, path));
    ASSERT_EQ(loaded.sets.size(), 2u);
    ASSERT_EQ(loaded.sets[1].macros.size(), 1u);
    EXPECT_EQ(loaded.sets[1].macros[0].EventCount, 6);
}

}  // namespace
}  // namespace settings

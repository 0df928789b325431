#include <gtest/gtest.h>

#include <string>

#include "platform/ini/PrivateProfile.h"
#include "settings/FixedText.h"
#include "settings/MacroStore.h"
#include "settings/RecordBytes.h"
#include "tests/settings/StoreRecords.h"
#include "tests/settings/TempFolder.h"

namespace settings {
namespace {

using test::makeMacro;
using test::readFile;
using test::writeFile;

MacroSet makeSet(const std::string& name, std::vector<MacroRecord> macros,
                 MacroChangeMark mark = MacroChangeMark::Added)
{
    MacroSet set;
    set.name = name;
    set.macros = std::move(macros);
    set.mark = mark;
    return set;
}

class MacroStoreTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::string path = folder.path() + "config/Preset_sequence.dat";
};

TEST_F(MacroStoreTest, SavedStoreLoadsBackUnchanged)
{
    MacroStore store;
    store.sets.push_back(makeSet("Shooter", {makeMacro("Burst", 6, 4, 3), makeMacro("Reload", 500, 21, 255)}));
    store.sets.push_back(makeSet("Empty set", {}));
    ASSERT_TRUE(saveMacroStore(store, path));

    MacroStore loaded;
    ASSERT_TRUE(loadMacroStore(loaded, path));
    ASSERT_EQ(loaded.sets.size(), 2u);
    EXPECT_EQ(loaded.sets[0].name, "Shooter");
    EXPECT_EQ(loaded.sets[1].name, "Empty set");
    ASSERT_EQ(loaded.sets[0].macros.size(), 2u);
    EXPECT_TRUE(sameBytes(loaded.sets[0].macros[0], store.sets[0].macros[0]));
    EXPECT_TRUE(sameBytes(loaded.sets[0].macros[1], store.sets[0].macros[1]));
    EXPECT_TRUE(loaded.sets[1].macros.empty());
    for (const MacroSet& set : loaded.sets)
        EXPECT_EQ(set.mark, MacroChangeMark::Unchanged);
    for (const MacroSet& set : store.sets)
        EXPECT_EQ(set.mark, MacroChangeMark::Unchanged) << "saving resets the marks";
}

TEST_F(MacroStoreTest, FileIsWhatKeyByKeyWritesGive)
{
    const std::string reference = folder.path() + "config/reference.dat";
    const std::string old = "[SetMacro]\r\nnumber=1\r\n0=Old\r\n\r\n[Old]\r\nnumber=0\r\n";
    writeFile(path, old);
    writeFile(reference, old);

    MacroStore store;
    store.sets.push_back(makeSet("  Racing ", {makeMacro("Boost", 4, 30)}));
    store.sets.push_back(makeSet("Old", {}, MacroChangeMark::Unchanged));
    ASSERT_TRUE(saveMacroStore(store, path));

    using namespace platform::ini;
    ASSERT_TRUE(writeInt(reference, "SetMacro", "number", 2));
    ASSERT_TRUE(writeString(reference, "SetMacro", "0", "  Racing "));
    ASSERT_TRUE(writeString(reference, "SetMacro", "1", "Old"));
    ASSERT_TRUE(writeInt(reference, "Racing", "number", 1));
    const MacroRecord boost = makeMacro("Boost", 4, 30);
    ASSERT_TRUE(writeStruct(reference, "Racing", "0", &boost, sizeof boost));
    EXPECT_EQ(readFile(path), readFile(reference));
}

TEST_F(MacroStoreTest, OnlyMarkedSetsAreRewrittenAndOldKeysStay)
{
    MacroStore store;
    store.sets.push_back(makeSet("Kept", {makeMacro("A", 2, 4)}));
    store.sets.push_back(makeSet("Shrunk", {makeMacro("B", 2, 5), makeMacro("C", 2, 6), makeMacro("D", 2, 7)}));
    ASSERT_TRUE(saveMacroStore(store, path));

    // An edit without a mark is not written; the marked set loses its last macro.
    store.sets[0].macros[0].LoopCount = 99;
    store.sets[1].macros.pop_back();
    store.sets[1].mark = MacroChangeMark::Changed;
    ASSERT_TRUE(saveMacroStore(store, path));

    EXPECT_EQ(platform::ini::readInt(path, "Shrunk", "number", -1), 2);
    EXPECT_TRUE(platform::ini::readStruct(path, "Shrunk", "2", &store.sets[1].macros[0], sizeof(MacroRecord)))
        << "a key beyond the new count stays in the file";
    MacroStore loaded;
    ASSERT_TRUE(loadMacroStore(loaded, path));
    ASSERT_EQ(loaded.sets.size(), 2u);
    EXPECT_EQ(loaded.sets[0].macros[0].LoopCount, 1);
    EXPECT_EQ(loaded.sets[1].macros.size(), 2u);
}

TEST_F(MacroStoreTest, RenameWithoutMarkListsNewNameButWritesNoSection)
{
    MacroStore store;
    store.sets.push_back(makeSet("Before", {makeMacro("A", 2, 4)}));
    ASSERT_TRUE(saveMacroStore(store, path));
    store.sets[0].name = "After";
    ASSERT_TRUE(saveMacroStore(store, path));

    MacroStore loaded;
    ASSERT_TRUE(loadMacroStore(loaded, path));
    ASSERT_EQ(loaded.sets.size(), 1u);
    EXPECT_EQ(loaded.sets[0].name, "After");
    EXPECT_TRUE(loaded.sets[0].macros.empty());
}

TEST_F(MacroStoreTest, NamesDifferingInCaseOrSpacesShareOneSection)
{
    MacroStore store;
    store.sets.push_back(makeSet("Arena", {makeMacro("First", 2, 4)}));
    store.sets.push_back(makeSet(" arena  ", {makeMacro("Second", 2, 8), makeMacro("Third", 2, 9)}));
    ASSERT_TRUE(saveMacroStore(store, path));

    MacroStore loaded;
    ASSERT_TRUE(loadMacroStore(loaded, path));
    ASSERT_EQ(loaded.sets.size(), 2u);
    EXPECT_EQ(loaded.sets[0].macros.size(), 2u);
    EXPECT_EQ(fieldText(loaded.sets[0].macros[0].Name), "Second");
    EXPECT_EQ(loaded.sets[1].macros.size(), 2u);
}

TEST_F(MacroStoreTest, ASetNamedLikeTheSetListCannotOverwriteIt)
{
    MacroStore store;
    store.sets.push_back(makeSet("First", {makeMacro("A", 2, 4)}));
    store.sets.push_back(makeSet(" setmacro ", {makeMacro("B", 2, 5)}));
    store.sets.push_back(makeSet("Third", {makeMacro("C", 2, 6)}));
    ASSERT_TRUE(saveMacroStore(store, path));

    MacroStore loaded;
    ASSERT_TRUE(loadMacroStore(loaded, path));
    ASSERT_EQ(loaded.sets.size(), 3u);
    EXPECT_EQ(loaded.sets[0].name, "First");
    EXPECT_EQ(loaded.sets[1].name, "setmacro");
    EXPECT_EQ(loaded.sets[2].name, "Third");
    EXPECT_TRUE(loaded.sets[1].macros.empty());
    EXPECT_EQ(loaded.sets[2].macros.size(), 1u);
}

TEST_F(MacroStoreTest, DeletedSetsLeaveTheListOnSave)
{
    MacroStore store;
    store.sets.push_back(makeSet("Gone", {makeMacro("A", 2, 4)}, MacroChangeMark::Deleted));
    store.sets.push_back(makeSet("Here", {makeMacro("B", 2, 5)}));
    ASSERT_TRUE(saveMacroStore(store, path));
    ASSERT_EQ(store.sets.size(), 1u);
    EXPECT_EQ(store.sets[0].name, "Here");

    MacroStore loaded;
    ASSERT_TRUE(loadMacroStore(loaded, path));
    ASSERT_EQ(loaded.sets.size(), 1u);
    EXPECT_EQ(loaded.sets[0].name, "Here");
    EXPECT_EQ(loaded.sets[0].macros.size(), 1u);
}

TEST_F(MacroStoreTest, MissingAndDamagedPartsGiveEmptyOrZeroedEntries)
{
    MacroStore store;
    store.sets.push_back(makeSet("stale", {}));
    EXPECT_TRUE(loadMacroStore(store, path)) << "a missing file is an empty store";
    EXPECT_TRUE(store.sets.empty());

    const MacroRecord good = makeMacro("Good", 2, 4);
    writeFile(path, "[SetMacro]\r\nnumber=3\r\n0=Full\r\n1=NoSection\r\n"
                    "[Full]\r\nnumber=3\r\n0=" + platform::ini::encodeStruct(&good, sizeof good) +
                    "\r\n1=00FF\r\n");
    ASSERT_TRUE(loadMacroStore(store, path));
    ASSERT_EQ(store.sets.size(), 3u);
    EXPECT_EQ(store.sets[2].name, "") << "a missing name key reads as empty";
    EXPECT_TRUE(store.sets[1].macros.empty());
    EXPECT_TRUE(store.sets[2].macros.empty());
    ASSERT_EQ(store.sets[0].macros.size(), 3u);
    EXPECT_TRUE(sameBytes(store.sets[0].macros[0], good));
    const MacroRecord zero{};
    EXPECT_TRUE(sameBytes(store.sets[0].macros[1], zero)) << "damaged key";
    EXPECT_TRUE(sameBytes(store.sets[0].macros[2], zero)) << "missing key";
}

TEST_F(MacroStoreTest, HugeCountsAreCutWhileStoredCountsRoundTrip)
{
    writeFile(path, "[SetMacro]\r\nnumber=100000\r\n0=Big\r\n[Big]\r\nnumber=100000\r\n");
    MacroStore store;
    ASSERT_TRUE(loadMacroStore(store, path));
    EXPECT_EQ(store.sets.size(), static_cast<std::size_t>(kMaxLoadedMacroSets));
    EXPECT_EQ(store.sets[0].macros.size(), static_cast<std::size_t>(kMaxLoadedMacrosPerSet));

    std::string many = "[SetMacro]\r\nnumber=20\r\n";
    for (int i = 0; i < 20; ++i)
        many += std::to_string(i) + "=Set" + std::to_string(i) + "\r\n";
    for (int i = 0; i < 20; ++i)
        many += "[Set" + std::to_string(i) + "]\r\nnumber=1000\r\n";
    writeFile(path, many);
    ASSERT_TRUE(loadMacroStore(store, path));
    std::size_t total = 0;
    for (const MacroSet& set : store.sets)
        total += set.macros.size();
    EXPECT_EQ(total, static_cast<std::size_t>(kMaxLoadedMacros));

    // An event count beyond the record is kept as stored.
    MacroRecord odd = makeMacro("Odd", 500, 4);
    odd.EventCount = 900;
    odd.LoopCount = 100000;
    MacroStore oddStore;
    oddStore.sets.push_back(makeSet("Odd", {odd}));
    ASSERT_TRUE(saveMacroStore(oddStore, path));
    ASSERT_TRUE(loadMacroStore(store, path));
    ASSERT_EQ(store.sets.size(), 1u);
    EXPECT_TRUE(sameBytes(store.sets[0].macros[0], odd));
}

TEST_F(MacroStoreTest, FindMacroComparesTrimmedNamesInAnyCase)
{
    MacroStore store;
    store.sets.push_back(makeSet("One", {makeMacro("Alpha", 2, 4)}));
    store.sets.push_back(makeSet("Two", {makeMacro("Alpha", 2, 4), makeMacro(" Beta ", 4, 7)}));

    MacroLocation found = findMacro(store, "  two", "BETA");
    EXPECT_EQ(found.set, 1);
    EXPECT_EQ(found.macro, 1);
    EXPECT_FALSE(found.sameEvents) << "no slot to compare with";

    found = findMacro(store, "Two", "Gamma");
    EXPECT_EQ(found.set, 1);
    EXPECT_FALSE(found.macroFound());
    found = findMacro(store, "Three", "Alpha");
    EXPECT_FALSE(found.setFound());
    EXPECT_FALSE(found.macroFound());
}

TEST_F(MacroStoreTest, EventsCompareByCountAndEventsButNotLoopCount)
{
    const MacroRecord macro = makeMacro("M", 6, 4, 3);
    ButtonAssignment slot = test::macroSlot("S", macro);
    EXPECT_TRUE(sameMacroEvents(macro, slot));
    slot.MacroLoopCount = 200;
    EXPECT_TRUE(sameMacroEvents(macro, slot));
    slot.MacroEvents[6].Key = 99;  // past the count
    EXPECT_TRUE(sameMacroEvents(macro, slot));
    slot.MacroEvents[5].DelayMs = 1;
    EXPECT_FALSE(sameMacroEvents(macro, slot));
    slot = test::macroSlot("S", macro);
    slot.MacroEventCount = 5;
    EXPECT_FALSE(sameMacroEvents(macro, slot));

    // Counts beyond the 500 events compare no further than the records reach.
    MacroRecord big = makeMacro("Big", 500, 4);
    big.EventCount = 900;
    ButtonAssignment bigSlot = test::macroSlot("S", big);
    EXPECT_EQ(bigSlot.MacroEventCount, 900);
    EXPECT_TRUE(sameMacroEvents(big, bigSlot));
    bigSlot.MacroEvents[499].Key = 1;
    EXPECT_FALSE(sameMacroEvents(big, bigSlot));
}

}  // namespace
}  // namespace settings

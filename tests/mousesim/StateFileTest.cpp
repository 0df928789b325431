// The state file keeps the mouse's memory across restarts; anything damaged
// gives a factory-fresh mouse.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "MouseConversation.h"
#include "mousesim/StateFile.h"

namespace mousesim::test {
namespace {

namespace fs = std::filesystem;

MouseMemory changedMemory() {
    MouseMemory m = factoryMemory();
    m.activeProfile = 3;
    m.padtuneLevel = 2;
    m.trackControl = 1;
    m.firmwareVersion = 120;
    m.profiles[1].settings.red = 0x12;
    m.profiles[1].settings.cpiIndex = 4;
    m.profiles[4].buttons[17] = ButtonEntry{5, 0x04, 0x06};
    MacroBody macro;
    macro.loopCount = 2;
    macro.macroName[0] = 'A';
    macro.eventCount[0] = 1;
    macro.events[0] = 0x04, macro.events[1] = 0x01, macro.events[2] = 0x0A;
    m.profiles[2].macros[0] = macro;
    m.profiles[2].macros[17] = MacroBody{};
    return m;
}

std::uint32_t fnv1a32(std::string_view text) {
    std::uint32_t h = 2166136261u;
    for (char c : text) {
        h ^= static_cast<std::uint8_t>(c);
        h *= 16777619u;
    }
    return h;
}

// Replaces the check line so that only the content decides.
std::string resealed(std::string text) {
    text.erase(text.rfind("check "));
    char check[32];
    std::snprintf(check, sizeof check, "check %08X\n", static_cast<unsigned>(fnv1a32(text)));
    return text + check;
}

std::string replaceLine(std::string text, std::string_view startsWith, std::string_view replacement) {
    const std::size_t at = text.find("\n" + std::string(startsWith)) + 1;
    const std::size_t end = text.find('\n', at);
    text.replace(at, end - at, replacement);
    return text;
}

TEST(StateText, RoundTripsEveryPartOfTheMemory) {
    const MouseMemory memory = changedMemory();
    const auto parsed = parseState(serializeState(memory));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, memory);
}

TEST(StateText, StartsWithItsVersionAndListsOnlyStoredMacros) {
    const std::string text = serializeState(changedMemory());
    EXPECT_EQ(text.rfind("mousesim-state 1\nfirmware 120\nactive-profile 3\npadtune 2\ntrack-control 1\n", 0), 0u);
    EXPECT_NE(text.find("\nmacro 2 0 02"), std::string::npos);
    EXPECT_NE(text.find("\nmacro 2 17 00"), std::string::npos);
    EXPECT_EQ(text.find("\nmacro 0 "), std::string::npos);
}

TEST(StateText, RefusesDamageEvenWithAMatchingCheck) {
    const std::string good = serializeState(changedMemory());
    ASSERT_TRUE(parseState(resealed(good)));
    const std::string damaged[] = {
        replaceLine(good, "active-profile", "active-profile 5"),
        replaceLine(good, "padtune", "padtune 4"),
        replaceLine(good, "firmware", "firmware 256"),
        replaceLine(good, "firmware", "firmware -1"),
        replaceLine(good, "settings 3", "settings 3 0011"),
        replaceLine(good, "buttons 0", "settings 0 " + std::string(56, '0')),  // settings twice, buttons missing
        replaceLine(good, "macro 2 17", "macro 2 18 " + std::string(4150, '0')),
        replaceLine(good, "macro 2 17", "macro 2 17 " + std::string(146, '0') + "F501" + std::string(4000, '0')),
        replaceLine(good, "macro 2 17", "macro 2 0 " + std::string(4150, '0')),
        replaceLine(good, "padtune", "padtune  2"),
        replaceLine(good, "mousesim-state", "mousesim-state 2"),
        replaceLine(good, "padtune", "colour 2"),
        replaceLine(good, "settings 3", "settings 3 " + std::string(55, '0') + "g"),
    };
    for (const std::string& text : damaged) {
        SCOPED_TRACE(text.substr(0, 120));
        EXPECT_FALSE(parseState(resealed(text)));
    }
}

TEST(StateText, RefusesAnyChangeTheCheckDoesNotCover) {
    std::string text = serializeState(changedMemory());
    EXPECT_FALSE(parseState(text.substr(0, text.size() / 2)));
    EXPECT_FALSE(parseState(""));
    std::string flipped = text;
    flipped[flipped.find("buttons 1 ") + 12] ^= 0x01;
    EXPECT_FALSE(parseState(flipped));
    EXPECT_FALSE(parseState(text + "firmware 1\n"));
}

class StateFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("mousesim-state-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        path = folder / "mouse.state";
    }
    void TearDown() override { fs::remove_all(folder); }

    void writeFile(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

    fs::path folder;
    fs::path path;
};

TEST_F(StateFileOnDisk, SavedMemoryLoadsBack) {
    ASSERT_TRUE(saveStateFile(path, changedMemory()));
    EXPECT_FALSE(fs::exists(folder / "mouse.state.tmp"));
    const LoadedState loaded = loadStateFile(path);
    EXPECT_EQ(loaded.outcome, StateLoadOutcome::Loaded);
    EXPECT_EQ(loaded.memory, changedMemory());
}

TEST_F(StateFileOnDisk, AMissingFileGivesTheFactoryState) {
    const LoadedState loaded = loadStateFile(path);
    EXPECT_EQ(loaded.outcome, StateLoadOutcome::Missing);
    EXPECT_EQ(loaded.memory, factoryMemory());
}

TEST_F(StateFileOnDisk, ADamagedFileGivesTheFactoryState) {
    const std::string good = serializeState(changedMemory());
    for (const std::string& text : {good.substr(0, good.size() - 5), std::string("garbage\n"), std::string()}) {
        writeFile(text);
        const LoadedState loaded = loadStateFile(path);
        EXPECT_EQ(loaded.outcome, StateLoadOutcome::Damaged);
        EXPECT_EQ(loaded.memory, factoryMemory());
    }
}

TEST_F(StateFileOnDisk, TheMouseKeepsWhatTheHostWroteAcrossARestart) {
    {
        FileStateStore store(path);
        DeviceEnvironment env;
        env.state = &store;
        DeviceModel mouse(loadStateFile(path).memory, env);
        ASSERT_TRUE(mouse.setFeature(macroReport(1, 4, 2, hex("04 01 0A 00 04 02 0A 00"), "Jump")));
        ASSERT_TRUE(mouse.setFeature(hex("05 03 02")));
        ASSERT_TRUE(mouse.setFeature(hex("0F 06 03 FF FF FF")));
    }
    DeviceModel restarted(loadStateFile(path).memory, {});
    EXPECT_EQ(restarted.getFeature(5, 3), hex("05 03 02"));
    EXPECT_EQ(restarted.getFeature(15, 6), hex("0F 06 03 00 00 00"));
    ASSERT_TRUE(restarted.setFeature(hex("04 01 04")));
    EXPECT_EQ(restarted.getFeature(8, 2082), macroReport(1, 4, 2, hex("04 01 0A 00 04 02 0A 00"), "Jump"));
}

}  // namespace
}  // namespace mousesim::test

// What the mouse asks of the monitor through its event reports: the colour
// database and a macro by number, served by the device worker.

#include <fstream>

#include <gtest/gtest.h>

#include "E2eChecks.h"
#include "MonitorRig.h"

namespace e2e {
namespace {

class MouseRequests : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(rig.startMouse());
        monitor = rig.startMonitor();
        ASSERT_TRUE(monitor && rig.waitForStartupRead());
    }

    MonitorRig rig;
    std::unique_ptr<ChildProcess> monitor;
};

TEST_F(MouseRequests, ColourDatabaseGoesUpInChunksOfAKilobyte)
{
    {
        std::ofstream file(rig.treeFile("LightEffectColorDatabase.bin"), std::ios::binary);
        for (int i = 0; i < 2500; ++i) file.put(static_cast<char>(i / 1024 + 1));  // chunk k holds k + 1
    }
    const std::size_t mark = rig.log().entries().size();
    ASSERT_TRUE(rig.mouseCommand("event 253 1"));
    ASSERT_TRUE(rig.log().waitUntil(
        [&](const std::vector<LogEntry>& entries) { return countStartingWith(entries, mark, "SET 1A") == 3; },
        kStartLimit + 3s));
    // Chunk index 0, 1, 2, little-endian in bytes 1-2, then that chunk's bytes.
    std::vector<std::string> chunks;
    for (const std::string& text : textsFrom(rig.log().entries(), mark))
        if (text.starts_with("SET 1A")) chunks.push_back(text.substr(0, 15));
    EXPECT_EQ(chunks, (std::vector<std::string>{"SET 1A 00 00 01", "SET 1A 01 00 02", "SET 1A 02 00 03"}));
}

TEST_F(MouseRequests, AMacroRequestedByNumberIsSentAndNumbersPastEightyAreIgnored)
{
    std::size_t mark = rig.log().entries().size();
    // Macro 20: profile (20 - 1) / 16 = 1, device button (19 mod 16) + 2 = 5.
    ASSERT_TRUE(rig.mouseCommand("event 254 20"));
    ASSERT_TRUE(rig.log().waitForEntry("SET 08 22 08 01 05", mark, kStartLimit));

    // 81 would name a sixth profile: nothing goes to the mouse.
    mark = rig.log().entries().size();
    ASSERT_TRUE(rig.mouseCommand("event 254 81"));
    ASSERT_TRUE(rig.mouseCommand("event 254 1"));  // a later request still works
    ASSERT_TRUE(rig.log().waitForEntry("SET 08 22 08 00 02", mark, kStartLimit));
    EXPECT_EQ(countStartingWith(rig.log().entries(), mark, "SET 08"), 1u);
}

}  // namespace
}  // namespace e2e

// zuroctl end to end: the real tool in a copy of the run tree, the real monitor
// and the simulated mouse; the reports are read from the simulator's log and
// compared byte for byte with the encoding of the profile the tool saved.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <span>

#include "E2eChecks.h"
#include "MonitorRig.h"
#include "messages/MessageNumbers.h"
#include "monitor/protocol/ButtonTableReport.h"
#include "monitor/protocol/MacroReport.h"
#include "monitor/protocol/ReportCodec.h"
#include "monitor/protocol/SlotMap.h"
#include "platform/shared/SharedSection.h"
#include "settings/FixedText.h"
#include "settings/MacroStore.h"
#include "settings/ProfileFile.h"

namespace e2e {
namespace {

const std::string kDistFolder = ZURO_DIST_DIR;

std::string wireText(std::span<const std::uint8_t> bytes)
{
    std::string text;
    char hex[4];
    for (const std::uint8_t byte : bytes) {
        std::snprintf(hex, sizeof hex, text.empty() ? "%02X" : " %02X", byte);
        text += hex;
    }
    return text;
}

struct ToolRun {
    int status = -1;
    std::vector<std::string> lines;
};

class Zuroctl : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::copy_file(kDistFolder + "/zuroctl", rig.treeFile("zuroctl"));
    }

    void startMouseAndMonitor()
    {
        ASSERT_TRUE(rig.startMouse());
        monitor = rig.startMonitor();
        ASSERT_TRUE(monitor && rig.waitForStartupRead());
        mark = rig.log().entries().size();
    }

    std::unique_ptr<ChildProcess> start(const std::vector<std::string>& arguments)
    {
        std::vector<std::string> argv = {rig.treeFile("zuroctl")};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        return ChildProcess::start(argv, {"QT_QPA_PLATFORM=offscreen", "DISPLAY="});
    }

    static ToolRun finish(ChildProcess* tool)
    {
        ToolRun result;
        if (!tool)
            return result;
        result.status = tool->waitForExit(60s).value_or(-1);
        result.lines = tool->lines();
        return result;
    }

    ToolRun run(const std::vector<std::string>& arguments) { return finish(start(arguments).get()); }

    bool pendingMarked() const { return rig.treeFileExists("config/PendingChanges"); }

    settings::ProfileRecord savedProfile(int slot)
    {
        settings::ProfileRecord profile;
        EXPECT_TRUE(settings::loadProfileFile(profile, rig.treeFile("config/Default" + std::to_string(slot) + ".vmp")));
        return profile;
    }

    std::vector<std::string> reportsSinceMark() { return textsFrom(rig.log().entries(), mark); }

    MonitorRig rig;
    std::unique_ptr<ChildProcess> monitor;
    std::size_t mark = 0;
};

TEST_F(Zuroctl, SetOfOneCpiLevelSendsThatProfilesSettingsReportOnly)
{
    startMouseAndMonitor();
    ASSERT_EQ(run({"set", "--profile", "2", "CpiLevel_X2=33"}).status, 0);
    const settings::ProfileRecord profile = savedProfile(2);
    ASSERT_EQ(profile.CpiLevel_X[2], 33);
    ASSERT_EQ(profile.CpiLevel_Y[2], 33) << "the level's X and Y are linked";
    EXPECT_EQ(reportsSinceMark(),
              (std::vector<std::string>{"SET " + wireText(monitor::protocol::encodeProfileSettings(2, profile)),
                                        "GET 04 01 00"}));
}

TEST_F(Zuroctl, ButtonWithAMacroSendsTheTableAndThatSlotsMacro)
{
    settings::MacroStore store;
    settings::MacroSet set{"Games", {}, settings::MacroChangeMark::Added};
    settings::MacroRecord macro;
    settings::setFieldText(macro.Name, "Reload");
    macro.LoopCount = 2;
    macro.EventCount = 2;
    macro.Events[0] = {0x15, 0, 30};
    macro.Events[1] = {0x15, 1, 40};
    set.macros.push_back(macro);
    store.sets.push_back(set);
    ASSERT_TRUE(settings::saveMacroStore(store, rig.treeFile("config/Preset_sequence.dat")));
    startMouseAndMonitor();

    ASSERT_EQ(run({"button", "--profile", "1", "3", "macro", "Games", "Reload"}).status, 0);
    const settings::ProfileRecord profile = savedProfile(1);
    ASSERT_EQ(profile.MacroKeyInfo[3].FunctionCode, 48);
    ASSERT_EQ(profile.MacroKeyInfo[3].MacroEvents[1].DelayMs, 40);
    const auto button = monitor::protocol::deviceButtonOfSlot(3);
    ASSERT_TRUE(button);
    const auto macroReport =
        monitor::protocol::encodeMacro(1, static_cast<std::uint8_t>(*button), profile.MacroKeyInfo[3]);
    ASSERT_TRUE(macroReport);
    EXPECT_EQ(reportsSinceMark(),
              (std::vector<std::string>{"SET " + wireText(monitor::protocol::encodeButtonTable(1, profile)),
                                        "GET 04 01 00", "SET " + wireText(*macroReport), "GET 04 01 00"}));
}

TEST_F(Zuroctl, ProfileSelectSendsTheActiveProfileReport)
{
    startMouseAndMonitor();
    ASSERT_EQ(run({"profile", "select", "3"}).status, 0);
    EXPECT_EQ(reportsSinceMark(), (std::vector<std::string>{"SET 05 03 03", "GET 04 01 00"}));
    const ToolRun status = run({"status"});
    EXPECT_EQ(status.lines, (std::vector<std::string>{"monitor: running", "mouse: present", "input: xtest",
                                                      "firmware: 1.07", "active profile: 3"}));
}

TEST_F(Zuroctl, ResetSendsTheRestoreDefaultsCommand)
{
    startMouseAndMonitor();
    ASSERT_EQ(run({"reset"}).status, 0);
    EXPECT_EQ(reportsSinceMark(), (std::vector<std::string>{"SET 09 06 0B 00 00 00", "GET 04 01 00"}));
}

TEST_F(Zuroctl, ARefusedValueChangesNeitherTheFilesNorTheMouse)
{
    startMouseAndMonitor();
    const std::string configBefore = rig.readTreeFile("config.ini");
    const std::string profileBefore = rig.readTreeFile("config/Default2.vmp");
    const ToolRun refused = run({"set", "--profile", "2", "PollingRate=1", "CpiLevel_X2=60"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.lines, (std::vector<std::string>{"zuroctl: CpiLevel_X2=60 refused: allowed 1 to 50"}));
    EXPECT_EQ(run({"button", "12", "pinpoint", "0"}).status, 1);
    EXPECT_EQ(run({"set", "NoSuchKey=1"}).status, 2);
    std::filesystem::copy_file("/etc/passwd", rig.root() + "/accounts.vmp");
    EXPECT_EQ(run({"profile", "import", rig.root() + "/accounts.vmp", "--slot", "2"}).status, 3);
    EXPECT_FALSE(rig.treeFileExists("accounts.vmp")) << "no copy in the program folder";
    EXPECT_TRUE(reportsSinceMark().empty());
    EXPECT_EQ(rig.readTreeFile("config.ini"), configBefore);
    EXPECT_EQ(rig.readTreeFile("config/Default2.vmp"), profileBefore);
}

TEST_F(Zuroctl, WithoutMonitorSetWritesTheFilesThatTheNextMonitorPublishes)
{
    const ToolRun saved = run({"set", "--profile", "4", "CpiLevel_X1=27", "PollingRate=2"});
    ASSERT_EQ(saved.status, 0);
    EXPECT_EQ(saved.lines.at(0).substr(0, 6), "saved;");
    EXPECT_EQ(savedProfile(4).CpiLevel_X[1], 27);
    EXPECT_TRUE(pendingMarked()) << "the monitor sends the files instead of overwriting them";

    // No mouse: the monitor's block is the files' until a mouse is read.
    monitor = rig.startMonitor();
    ASSERT_TRUE(monitor && monitor->waitForLine("CMonitorWnd: started", kStartLimit));
    const auto section = platform::SharedSection::open(messages::kSharedSectionName, settings::kSettingsBlockSize);
    ASSERT_TRUE(section);
    auto block = std::make_unique<settings::SettingsBlock>();
    std::memcpy(block.get(), section->data(), sizeof *block);
    EXPECT_EQ(block->Profiles[4].CpiLevel_X[1], 27);
    EXPECT_EQ(block->Profiles[4].PollingRate, 2);
}

TEST_F(Zuroctl, ConcurrentSetsAllLand)
{
    startMouseAndMonitor();
    // Twenty different fields: profiles 0-4, their CPI levels 0-3.
    std::vector<std::unique_ptr<ChildProcess>> tools;
    for (int i = 0; i < 20; ++i)
        tools.push_back(start({"set", "--profile", std::to_string(i / 4),
                               "CpiLevel_X" + std::to_string(i % 4) + "=" + std::to_string(30 + i)}));
    for (std::unique_ptr<ChildProcess>& tool : tools)
        EXPECT_EQ(finish(tool.get()).status, 0);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(savedProfile(i / 4).CpiLevel_X[i % 4], 30 + i) << "set " << i;
    EXPECT_FALSE(pendingMarked());
}

TEST_F(Zuroctl, AChangeTheMouseDoesNotTakeExitsWithFourAndStaysPending)
{
    startMouseAndMonitor();
    ASSERT_TRUE(rig.mouseCommand("fault fail-set 1"));
    const ToolRun refused = run({"set", "--profile", "1", "PollingRate=1"});
    EXPECT_EQ(refused.status, 4);
    ASSERT_EQ(refused.lines.size(), 1u);
    EXPECT_NE(refused.lines[0].find("the mouse did not take the change"), std::string::npos) << refused.lines[0];
    EXPECT_EQ(savedProfile(1).PollingRate, 1) << "the files keep the change";
    EXPECT_TRUE(pendingMarked());

    ASSERT_TRUE(rig.mouseCommand("unplug"));
    EXPECT_EQ(run({"set", "--profile", "1", "PollingRate=2"}).status, 4);
    EXPECT_EQ(savedProfile(1).PollingRate, 2);
}

TEST_F(Zuroctl, ShowSummarisesAProfileWithKeysAndJsonBehindOptions)
{
    ASSERT_EQ(run({"set", "--profile", "4", "CpiLevel_X1=27", "PollingRate=2"}).status, 0);
    const settings::ProfileRecord saved = savedProfile(4);
    const std::vector<std::string> summary = run({"show", "4"}).lines;
    ASSERT_GE(summary.size(), 34u);
    EXPECT_EQ(summary[0].rfind("Profile 4: " + std::string(settings::fieldText(saved.ProFileName)), 0), 0u)
        << summary[0];
    const std::string current = saved.Cpi_X == 1 ? " (current)" : "";
    EXPECT_NE(std::find(summary.begin(), summary.end(), "    1: 2700 cpi" + current), summary.end());
    EXPECT_NE(std::find(summary.begin(), summary.end(), "  Polling rate: 500Hz"), summary.end());
    EXPECT_EQ(std::count_if(summary.begin(), summary.end(), [](const std::string& line) {
                  return line.ends_with(" (current)");
              }),
              1);
    EXPECT_NE(std::find(summary.begin(), summary.end(), "  Dualkey layer:"), summary.end());

    const std::vector<std::string> keys = run({"show", "4", "--keys"}).lines;
    EXPECT_NE(std::find(keys.begin(), keys.end(), "CpiLevel_X1=27"), keys.end());
    const std::vector<std::string> json = run({"show", "4", "--json"}).lines;
    ASSERT_EQ(json.size(), 1u);
    EXPECT_EQ(json[0].rfind("{\"profile\":4,", 0), 0u);
    EXPECT_EQ(run({"show", "4", "--keys", "--json"}).status, 2);
}

}  // namespace
}  // namespace e2e

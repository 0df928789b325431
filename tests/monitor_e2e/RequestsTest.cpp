// The smaller requests of the configuration application and the calibration
// dialog (1226, 1227, 1229, 1230, 1231, 1233) and the OSD's notice after an
// apply, against the real monitor and the simulated mouse.

#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "E2eChecks.h"
#include "MonitorRig.h"
#include "platform/ini/PrivateProfile.h"
#include "settings/ConfigKeys.h"
#include "settings/InstallFolder.h"

namespace e2e {
namespace {

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string hexWord(unsigned value)
{
    char text[9];
    std::snprintf(text, sizeof text, "%02X%02X%02X%02X", value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF,
                  value >> 24);
    return text;
}

class MonitorRequests : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(rig.startMouse());
        monitor = rig.startMonitor();
        ASSERT_TRUE(monitor && rig.waitForStartupRead());
    }

    settings::InstallFolder folder() const { return settings::InstallFolder(rig.tree() + "/"); }

    bool run(const std::vector<std::string>& arguments) { return rig.runPeer(arguments).has_value(); }

    // Posts the message and returns the first report 15 written after it, with
    // the readiness read that has to follow it.
    std::string trackingReportAfter(const std::string& message, const std::string& lParam)
    {
        const std::size_t mark = rig.log().entries().size();
        if (!run({"post", message, "0", lParam}) || !rig.log().waitForEntry("SET 0F", mark, kStartLimit) ||
            !rig.log().waitForEntry("GET 04", mark, kStartLimit))
            return "no report 15 and handshake";
        const std::vector<std::string> reports = textsFrom(rig.log().entries(), mark);
        return reports.size() >= 2 && reports[1].starts_with("GET 04") ? reports[0] : "out of order";
    }

    // The level 0 CPI value that a Parley take-over hears from the monitor's block.
    std::string cpiLevelZeroHeardByParley()
    {
        auto parley = rig.startPeer({"parley-takeover"});
        if (!parley || !parley->waitForLine("copydata 2024 07970005", kStartLimit))
            return "no CPI levels";
        for (const std::string& line : parley->lines())
            if (line.starts_with("copydata 2024 07970005"))
                return line.substr(line.rfind(' ') + 1).substr(16, 8);
        return "";
    }

    MonitorRig rig;
    std::unique_ptr<ChildProcess> monitor;
};

TEST_F(MonitorRequests, TrackingRequestReadsDisControlFromConfigAndSendsTheDecision)
{
    const struct {
        int disControl;
        const char* code;
        const char* report;
    } cases[] = {
        {2, "253", "SET 0F 06 02 FF FF 00"},
        {3, "254", "SET 0F 06 03 FF FF 01"},
        {1, "255", "SET 0F 06 01 FF FF FF"},
        {2, "17", "SET 0F 06 02 FF FF FF"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(settings::writeDisControl(folder(), c.disControl));
        EXPECT_EQ(trackingReportAfter("1230", c.code), c.report) << "code " << c.code;
    }
    // A missing level is level 0, not the reader's -1; so is one beyond 3.
    ASSERT_TRUE(platform::ini::deleteKey(folder().configIni(), "Setting", "DisControl"));
    EXPECT_EQ(trackingReportAfter("1230", "254"), "SET 0F 06 00 FF FF 01");
    ASSERT_TRUE(settings::writeDisControl(folder(), 9));
    EXPECT_EQ(trackingReportAfter("1230", "253"), "SET 0F 06 00 FF FF 00");
}

TEST_F(MonitorRequests, PadtuneStepCopiesTheBlockInAndLeavesTheDecisionAlone)
{
    // The level comes from the section, not from config.ini.
    ASSERT_TRUE(settings::writeDisControl(folder(), 3));
    for (int step = 1; step <= 4; ++step) {
        ASSERT_TRUE(run({"publish", "discontrol:" + std::to_string(step - 1)}));
        char expected[32];
        std::snprintf(expected, sizeof expected, "SET 0F 06 %02X FF FF FF", step - 1);
        EXPECT_EQ(trackingReportAfter("1231", std::to_string(step)), expected) << "step " << step;
    }
}

TEST_F(MonitorRequests, CopyInRequestsTakeTheSectionIntoTheMonitorsBlock)
{
    ASSERT_TRUE(run({"publish", "activecpi:0:23"}));
    ASSERT_TRUE(run({"send", "1226", "0", "0"}));
    EXPECT_EQ(cpiLevelZeroHeardByParley(), hexWord(2300));
    // Parley lets go, so that the next take-over is heard again.
    ASSERT_TRUE(run({"send", "2025", "7", "0"}));

    ASSERT_TRUE(run({"publish", "activecpi:0:31"}));
    ASSERT_TRUE(run({"send", "1233", "0", "0"}));
    EXPECT_EQ(cpiLevelZeroHeardByParley(), hexWord(3100));
}

TEST_F(MonitorRequests, CopyInWithPointerSettingsWritesTheActiveProfilesDoubleClickTime)
{
    const std::string registry = rig.root() + "/cfg/zuronoxa/registry.ini";
    ASSERT_TRUE(run({"publish", "dblclick:321"}));
    ASSERT_TRUE(run({"send", "1227", "0", "0"}));
    EXPECT_EQ(iniValue(fileBytes(registry), "DoubleClickTime"), "321");

    // A plain copy-in leaves the pointer settings alone.
    ASSERT_TRUE(run({"publish", "dblclick:654"}));
    ASSERT_TRUE(run({"send", "1226", "0", "0"}));
    EXPECT_EQ(iniValue(fileBytes(registry), "DoubleClickTime"), "321");
}

TEST_F(MonitorRequests, SensorCaptureStoresTheMousesImageThenTellsTheCalibrationDialog)
{
    // An existing bitmap: its headers stay, its 30 rows of 32 bytes are replaced.
    const std::string bitmap = rig.treeFile("Wave/sensorImage.bmp");
    std::string header(1078, '\0');
    for (std::size_t i = 0; i < header.size(); ++i)
        header[i] = static_cast<char>(i * 7 + 3);
    std::ofstream(bitmap, std::ios::binary) << header << std::string(960, '\x55');

    auto dialog = rig.startPeer({"window", "Zuro Vell PadtuneCalibrateDlg"});
    ASSERT_TRUE(dialog && dialog->waitForLine("ready", kStartLimit));
    const std::size_t mark = rig.log().entries().size();
    ASSERT_TRUE(run({"post", "1229", "0", "0"}));
    ASSERT_TRUE(dialog->waitForLine("message 1260 0 0", kStartLimit));

    const std::vector<std::string> reports = textsFrom(rig.log().entries(), mark);
    ASSERT_GE(reports.size(), 3u) << ::testing::PrintToString(reports);
    EXPECT_EQ(reports[0], "SET 0C 03 01 00");
    EXPECT_TRUE(reports[1].starts_with("GET 04"));
    const std::string& imageReport = reports.back();
    ASSERT_TRUE(imageReport.starts_with("GET 0C"));
    const std::vector<int> image = bytesOf(imageReport.substr(4));
    ASSERT_EQ(image.size(), 1028u);

    const std::string stored = fileBytes(bitmap);
    ASSERT_EQ(stored.size(), 1078u + 960u);
    EXPECT_EQ(stored.substr(0, 1078), header);
    int differing = 0;
    for (int row = 0; row < 30; ++row) {
        for (int x = 0; x < 32; ++x) {
            // Row after row, mirrored, every byte turned left by two bits.
            const unsigned pixel = x < 30 ? static_cast<unsigned>(image[3 + (29 - x) * 30 + row]) : 0;
            const auto expected = static_cast<unsigned char>((pixel << 2) | (pixel >> 6));
            if (static_cast<unsigned char>(stored[1078 + row * 32 + x]) != expected)
                ++differing;
        }
    }
    EXPECT_EQ(differing, 0);
}

TEST_F(MonitorRequests, AFailedSensorCaptureStoresABlankImageBeforeTellingTheDialog)
{
    const std::string bitmap = rig.treeFile("Wave/sensorImage.bmp");
    std::ofstream(bitmap, std::ios::binary) << std::string(1078, '\x11') << std::string(960, '\x55');
    auto dialog = rig.startPeer({"window", "Zuro Vell PadtuneCalibrateDlg"});
    ASSERT_TRUE(dialog && dialog->waitForLine("ready", kStartLimit));
    ASSERT_TRUE(rig.mouseCommand("fault fail-get 2"));  // the handshake's status read and the image
    ASSERT_TRUE(run({"post", "1229", "0", "0"}));
    ASSERT_TRUE(dialog->waitForLine("message 1260 0 0", kStartLimit));
    EXPECT_EQ(fileBytes(bitmap), std::string(1078, '\x11') + std::string(960, '\0')) << "no old picture shown as new";
}

TEST_F(MonitorRequests, EveryApplyTellsTheOsdItsTwoWordsReadAgain)
{
    const auto writeOsd = [&](unsigned wordA, unsigned wordB) {
        std::uint8_t osd[settings::OsdSettings::kSize];
        for (std::size_t i = 0; i < sizeof osd; ++i)
            osd[i] = static_cast<std::uint8_t>(0xA0 + i % 16);  // the display program's own values
        for (int i = 0; i < 4; ++i) {
            osd[28 + i] = static_cast<std::uint8_t>(wordA >> (8 * i));
            osd[32 + i] = static_cast<std::uint8_t>(wordB >> (8 * i));
        }
        return platform::ini::writeStruct(folder().configIni(), "OSDSetting", "config", osd, sizeof osd);
    };
    auto osd = rig.startPeer({"window", "VANTRO Zuro Vell Lumic Noxa Edition OSD"});
    ASSERT_TRUE(osd && osd->waitForLine("ready", kStartLimit));

    // Only the low 16 bits of each value count.
    ASSERT_TRUE(writeOsd(0xBEEF1234, 0x56));
    ASSERT_TRUE(run({"apply", rig.tree(), "cpi:1:0:12"}));
    EXPECT_TRUE(osd->waitForLine("message 1326 0 " + std::to_string(0x12340056), kStartLimit));

    ASSERT_TRUE(writeOsd(7, 0xFFFF));
    ASSERT_TRUE(run({"apply", rig.tree()}));
    EXPECT_TRUE(osd->waitForLine("message 1326 0 " + std::to_string(0x7FFFF), kStartLimit));
    EXPECT_EQ(osd->countLines("message 1326"), 2u);
}

// The display program the monitor starts itself, played by the peer: its
// settings after an apply, and each macro notification of the mouse shown once.
TEST(MonitorDisplay, GetsItsSettingsAfterAnApplyAndEachMacroNameOnce)
{
    MonitorRig rig;
    rig.installDisplayProgram();
    std::uint8_t osd[settings::OsdSettings::kSize] = {};
    osd[12] = 1;  // show macro names
    osd[28] = 0x11;
    osd[32] = 0x22;
    ASSERT_TRUE(platform::ini::writeStruct(rig.treeFile("config.ini"), "OSDSetting", "config", osd, sizeof osd));
    ASSERT_TRUE(rig.startMouse());
    auto monitor = rig.startMonitor();
    ASSERT_TRUE(monitor && rig.waitForStartupRead());
    ASSERT_TRUE(rig.waitForTreeLine("display-log", "ready", kStartLimit)) << "the monitor starts the display";

    const auto block = rig.runPeer({"read"});
    ASSERT_TRUE(block && !block->empty());
    const std::string profile = block->back().substr(6, 1);
    ASSERT_TRUE(rig.runPeer({"apply", rig.tree(), "macro:" + profile + ":2:3"}));
    EXPECT_TRUE(rig.waitForTreeLine("display-log", "message 1326 0 " + std::to_string(0x00110022), kStartLimit));

    for (const char* event : {"event 0xE0 5", "event 0xE0 4", "event 0xE0 5"})  // slot 2, slot 1 (no macro), slot 2
        ASSERT_TRUE(rig.mouseCommand(event));
    ASSERT_TRUE(rig.waitForTreeLine("display-log", "macro 2 Macro 2", kStartLimit));
    const auto linesStartingWith = [&](const std::string& start) {
        std::istringstream lines(rig.readTreeFile("display-log"));
        std::size_t count = 0;
        for (std::string line; std::getline(lines, line);)
            count += line.starts_with(start);
        return count;
    };
    ReportLogWatcher display(rig.treeFile("display-log"));
    EXPECT_TRUE(display.waitUntil([&](const auto&) { return linesStartingWith("macro 2 Macro 2") == 2; }, kStartLimit));
    EXPECT_EQ(linesStartingWith("message 1324 70 0"), 2u) << rig.readTreeFile("display-log");

    monitor->signal(SIGTERM);
    ASSERT_EQ(monitor->waitForExit(kStartLimit), 0);
    EXPECT_TRUE(rig.waitForTreeLine("display-log", "close", kStartLimit));
}

}  // namespace
}  // namespace e2e

// The firmware update against the simulated mouse on an X display: the monitor
// finds a newer package and starts the upgrader, the user answers its dialogs
// (clicked with xdotool), and the mouse's report log shows every update report
// byte for byte.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "E2eChecks.h"
#include "UpgraderRig.h"
#include "messages/MessageNumbers.h"

namespace e2e {
namespace {

constexpr char kConfirmTitle[] = "^Firmware Update$";
constexpr char kSuccessTitle[] = "^Firmware upgrade success$";
constexpr char kFailureTitle[] = "^Firmware Update Failed$";
// Buttons of the message dialogs and the main dialog's exit, by their centres.
constexpr int kOkX = 126, kCancelX = 214, kButtonY = 138;
constexpr int kNoticeOkX = 180;
constexpr int kExitX = 508, kExitY = 15;

std::string hexText(const std::vector<std::uint8_t>& bytes)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t b : bytes) {
        if (!text.empty())
            text += ' ';
        text += kHex[b >> 4];
        text += kHex[b & 0x0F];
    }
    return text;
}

using Bytes = std::vector<std::uint8_t>;

// One update command as the mouse must receive it, built here by hand: report
// 27, the command, the fields at their offsets, zeros elsewhere.
std::string command(std::uint8_t code, const std::vector<std::pair<std::size_t, Bytes>>& fields = {})
{
    Bytes report(1026, 0);
    report[0] = 0x1B;
    report[1] = code;
    for (const auto& [at, bytes] : fields)
        std::copy(bytes.begin(), bytes.end(), report.begin() + static_cast<long>(at));
    return "SET " + hexText(report);
}

Bytes littleEndian(unsigned value, std::size_t width)
{
    Bytes bytes;
    for (std::size_t i = 0; i < width; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    return bytes;
}

const Bytes kStartSignature = {'Z', 'N', 'U', 'P', 'D', 'A', 'T', 'E'};
const Bytes kTransferSignature = {0x55, 0xAA, 0x5A, 0xA5};

// Block `index` of the image: header (index, sum) and data, the data padded by
// the 1026-byte report's zeros.
std::vector<std::string> blockCommands(std::size_t index, const Bytes& image)
{
    const Bytes block(image.begin() + static_cast<long>(index * 1024),
                      image.begin() + static_cast<long>(std::min(image.size(), (index + 1) * 1024)));
    unsigned sum = 0;
    for (std::uint8_t b : block)
        sum += b;
    return {command(0x03, {{4, littleEndian(static_cast<unsigned>(index), 2)}, {6, littleEndian(sum, 2)},
                           {8, kTransferSignature}}),
            command(0x04, {{2, block}})};
}

const std::string kStatusOk = "GET 1C 01 00";
const std::string kStatusFailed = "GET 1C 02 00";

// The reports of a transfer whose last block data is answered with
// `lastStatus`; the finish follows only a taken block. The last block holds the
// image's last bytes, then zeros.
std::vector<std::string> expectedTransfer(const Bytes& image, const std::string& lastStatus)
{
    const Bytes size = littleEndian(static_cast<unsigned>(image.size()), 4);
    std::vector<std::string> reports = {command(0x00, {{4, kStartSignature}}), kStatusOk,
                                        command(0x01, {{4, size}, {8, kTransferSignature}}), kStatusOk,
                                        command(0x02, {{4, {0xEC}}}), kStatusOk};
    for (std::size_t block = 0; block * 1024 < image.size(); ++block)
        for (const std::string& report : blockCommands(block, image))
            reports.insert(reports.end(), {report, kStatusOk});
    reports.back() = lastStatus;
    if (lastStatus == kStatusOk)
        reports.insert(reports.end(), {command(0x0F), kStatusOk});
    return reports;
}

// The update reports (27 and 28) of the log, in order.
std::vector<std::string> updateReports(const std::vector<LogEntry>& entries)
{
    std::vector<std::string> texts;
    for (const LogEntry& entry : entries)
        if (entry.text().starts_with("SET 1B") || entry.text().starts_with("GET 1C"))
            texts.push_back(entry.text());
    return texts;
}

// What the programs said, for a failure's message.
std::string output(ChildProcess& process)
{
    std::string text;
    for (const std::string& line : process.lines())
        text += line + "\n";
    return text;
}

std::size_t linesEqualTo(ChildProcess& process, const std::string& text)
{
    const std::vector<std::string> lines = process.lines();
    return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), text));
}

class UpgraderEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY") || !*std::getenv("DISPLAY"))
            GTEST_SKIP() << "needs an X display (run under xvfb-run)";
        ASSERT_TRUE(holdDisplay());
    }

    // The monitor finds the package newer than the mouse and hands over to the
    // upgrader, whose confirmation comes up.
    std::string monitorStartsTheUpgrader()
    {
        if (!rig.startMouse(107) || !(monitor = rig.startMonitorOnDisplay()))
            return "";
        return waitForWindow(kConfirmTitle);
    }

    UpgraderRig rig;
    std::unique_ptr<ChildProcess> monitor;
    const std::vector<std::uint8_t> image = UpgraderRig::taggedImage(1025, 108);
};

TEST_F(UpgraderEndToEnd, AnAcceptedUpdateFlashesTheMouseAndTheMonitorComesBackContent)
{
    rig.writePackage(image, 108);
    const std::string confirm = monitorStartsTheUpgrader();
    ASSERT_FALSE(confirm.empty());
    saveScreenshot("root", "screen-confirm");
    ASSERT_TRUE(clickAt(confirm, kOkX, kButtonY));
    const std::string success = waitForWindow(kSuccessTitle);
    ASSERT_FALSE(success.empty());
    saveScreenshot("root", "screen-success");

    EXPECT_EQ(updateReports(rig.log().entries()), expectedTransfer(image, kStatusOk));

    ASSERT_TRUE(clickAt(success, kNoticeOkX, kButtonY));
    ASSERT_TRUE(rig.waitUntilEnded(kUpgraderFile, kWindowLimit)) << output(*monitor);
    // The monitor started again reads the mouse at the package's version and
    // has nothing to hand over.
    ASSERT_TRUE(rig.waitForStartupRead(kWindowLimit)) << output(*monitor);
    EXPECT_EQ(rig.running("ZuroTarnMonitor").size(), 1u);
    EXPECT_EQ(linesEqualTo(*monitor, "FW Update: 1"), 1u);
    EXPECT_NE(rig.mouseCommand("status").value_or("").find("firmware 108"), std::string::npos);
}

TEST_F(UpgraderEndToEnd, AFailedBlockShowsTheFailureAndLeavesTheMonitorClosedAndTheOldFirmware)
{
    rig.writePackage(image, 108);
    const std::string confirm = monitorStartsTheUpgrader();
    ASSERT_FALSE(confirm.empty());
    ASSERT_TRUE(rig.mouseCommand("fault flash-fail-at 1"));
    ASSERT_TRUE(clickAt(confirm, kOkX, kButtonY));
    const std::string failure = waitForWindow(kFailureTitle);
    ASSERT_FALSE(failure.empty());
    saveScreenshot("root", "screen-failure");

    EXPECT_EQ(updateReports(rig.log().entries()), expectedTransfer(image, kStatusFailed));

    ASSERT_TRUE(clickAt(failure, kNoticeOkX, kButtonY));
    const std::string main = waitForWindow(std::string("^") + messages::kUpgraderWindowTitle + "$");
    ASSERT_FALSE(main.empty());
    ASSERT_TRUE(clickAt(main, kExitX, kExitY));
    ASSERT_TRUE(rig.waitUntilEnded(kUpgraderFile, kWindowLimit));
    EXPECT_TRUE(rig.running("ZuroTarnMonitor").empty());
    EXPECT_NE(rig.mouseCommand("status").value_or("").find("firmware 107"), std::string::npos);
}

TEST_F(UpgraderEndToEnd, CancelKeepsTheAnswerAndTheMonitorComesBackWithoutAskingAgain)
{
    rig.writePackage(image, 108);
    const std::string confirm = monitorStartsTheUpgrader();
    ASSERT_FALSE(confirm.empty());
    ASSERT_TRUE(clickAt(confirm, kCancelX, kButtonY));
    ASSERT_TRUE(rig.waitUntilEnded(kUpgraderFile, kWindowLimit));
    ASSERT_TRUE(rig.waitForStartupRead(kWindowLimit)) << output(*monitor);
    EXPECT_EQ(iniValue(rig.readTreeFile("FWUpdateB/answer.ini"), "Version"), "108");
    EXPECT_EQ(rig.running("ZuroTarnMonitor").size(), 1u);
    EXPECT_EQ(linesEqualTo(*monitor, "FW Update: 1"), 1u);
    EXPECT_TRUE(updateReports(rig.log().entries()).empty());
}

TEST_F(UpgraderEndToEnd, AnOversizedImageIsRefusedBeforeAnythingIsSent)
{
    rig.writePackage(UpgraderRig::taggedImage(204801, 108), 108);
    ASSERT_TRUE(rig.startMouse(107));
    auto upgrader = rig.startUpgrader({"now"});
    ASSERT_TRUE(upgrader);
    const std::string failure = waitForWindow(kFailureTitle);
    ASSERT_FALSE(failure.empty());
    EXPECT_TRUE(upgrader->waitForLine("is larger than 204800 bytes", 0ms));
    EXPECT_TRUE(updateReports(rig.log().entries()).empty());
    auto second = rig.startUpgrader({"now"});
    ASSERT_TRUE(second);
    EXPECT_EQ(second->waitForExit(kWindowLimit), 0) << "a second upgrader ends at once";
    EXPECT_TRUE(second->waitForLine("another upgrader runs", 0ms));
    ASSERT_TRUE(clickAt(failure, kNoticeOkX, kButtonY));
    const std::string main = waitForWindow(std::string("^") + messages::kUpgraderWindowTitle + "$");
    ASSERT_TRUE(clickAt(main, kExitX, kExitY));
    EXPECT_EQ(upgrader->waitForExit(kWindowLimit), 0);
    EXPECT_TRUE(rig.running("ZuroTarnMonitor").empty());
}

}  // namespace
}  // namespace e2e

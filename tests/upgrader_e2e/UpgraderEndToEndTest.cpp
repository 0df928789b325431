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

// One update command as the mouse must receive it, built here by hand.
std::string command(std::uint8_t code, const std::vector<std::pair<std::size_t, std::uint8_t>>& fields)
{
    std::vector<std::uint8_t> report(1026, 0);
    report[0] = 0x1B;
    report[1] = code;
    for (const auto& [at, value] : fields)
        report[at] = value;
    return "SET " + hexText(report);
}

std::vector<std::pair<std::size_t, std::uint8_t>> transferSignatureAt(std::size_t at)
{
    return {{at, 0x55}, {at + 1, 0xAA}, {at + 2, 0x5A}, {at + 3, 0xA5}};
}

std::string startCommand()
{
    std::vector<std::pair<std::size_t, std::uint8_t>> fields;
    const std::string signature = "ZNUPDATE";
    for (std::size_t i = 0; i < signature.size(); ++i)
        fields.emplace_back(4 + i, static_cast<std::uint8_t>(signature[i]));
    return command(0x00, fields);
}

std::string sizeCommand(std::uint32_t size)
{
    auto fields = transferSignatureAt(8);
    for (std::size_t i = 0; i < 4; ++i)
        fields.emplace_back(4 + i, static_cast<std::uint8_t>(size >> (8 * i)));
    return command(0x01, fields);
}

std::string headerCommand(std::uint16_t index, const std::vector<std::uint8_t>& image)
{
    unsigned sum = 0;
    for (std::size_t i = index * 1024u; i < std::min<std::size_t>(image.size(), (index + 1) * 1024u); ++i)
        sum += image[i];
    auto fields = transferSignatureAt(8);
    fields.insert(fields.end(), {{4, static_cast<std::uint8_t>(index)}, {5, static_cast<std::uint8_t>(index >> 8)},
                                 {6, static_cast<std::uint8_t>(sum)}, {7, static_cast<std::uint8_t>(sum >> 8)}});
    return command(0x03, fields);
}

std::string dataCommand(std::uint16_t index, const std::vector<std::uint8_t>& image)
{
    std::vector<std::pair<std::size_t, std::uint8_t>> fields;
    for (std::size_t i = index * 1024u; i < std::min<std::size_t>(image.size(), (index + 1) * 1024u); ++i)
        fields.emplace_back(2 + i - index * 1024u, image[i]);
    return command(0x04, fields);
}

const std::string kStatusOk = "GET 1C 01 00";
const std::string kStatusFailed = "GET 1C 02 00";

// The update reports (27 and 28) of the log, in order.
std::vector<std::string> updateReports(const std::vector<LogEntry>& entries)
{
    std::vector<std::string> texts;
    for (const LogEntry& entry : entries)
        if (entry.text().starts_with("SET 1B") || entry.text().starts_with("GET 1C"))
            texts.push_back(entry.text());
    return texts;
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

    // Two blocks: the second holds the image's last byte and 1023 zeros.
    const std::vector<std::string> expected = {
        startCommand(),         kStatusOk, sizeCommand(1025),      kStatusOk, command(0x02, {{4, 0xEC}}), kStatusOk,
        headerCommand(0, image), kStatusOk, dataCommand(0, image), kStatusOk, headerCommand(1, image),   kStatusOk,
        dataCommand(1, image),  kStatusOk, command(0x0F, {}),      kStatusOk};
    EXPECT_EQ(updateReports(rig.log().entries()), expected);

    ASSERT_TRUE(clickAt(success, kNoticeOkX, kButtonY));
    ASSERT_TRUE(rig.waitUntilEnded(kUpgraderFile, kWindowLimit));
    // The monitor started again reads the mouse at the package's version and
    // has nothing to hand over.
    ASSERT_TRUE(rig.waitForStartupRead(kWindowLimit));
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

    const std::vector<std::string> expected = {
        startCommand(),          kStatusOk, sizeCommand(1025),      kStatusOk, command(0x02, {{4, 0xEC}}), kStatusOk,
        headerCommand(0, image), kStatusOk, dataCommand(0, image),  kStatusOk, headerCommand(1, image),   kStatusOk,
        dataCommand(1, image),   kStatusFailed};
    EXPECT_EQ(updateReports(rig.log().entries()), expected);

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
    ASSERT_TRUE(rig.waitForStartupRead(kWindowLimit));
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

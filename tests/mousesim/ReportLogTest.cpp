// The report log: one line per report, milliseconds, direction, bytes.

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>

#include "MouseConversation.h"

namespace mousesim::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(LogLine, HasMillisecondsDirectionAndUppercaseHexBytes) {
    const Bytes bytes = hex("06 1f 00 ab 0c");
    EXPECT_EQ(formatLogLine(0, LogDirection::Set, bytes), "0 SET 06 1F 00 AB 0C");
    EXPECT_EQ(formatLogLine(1234567, LogDirection::Get, hex("04 01 00")), "1234567 GET 04 01 00");
    EXPECT_EQ(formatLogLine(15, LogDirection::In, hex("03 00 90 06 01")), "15 IN 03 00 90 06 01");
}

class ReportLogOfTheMouse : public MouseConversation {};

TEST_F(ReportLogOfTheMouse, RecordsEveryReportInAndOutWithItsTime) {
    now = 5;
    ASSERT_TRUE(hostSends("05 03 02"));
    now = 17;
    ASSERT_EQ(mouseAnswers(5, 3), "05 03 02");
    now = 250;
    ASSERT_FALSE(hostSends("05 03 09"));
    now = 1003;
    ASSERT_TRUE(mouse.sendRawEvent(0x20, 3));
    EXPECT_THAT(log.lines, ElementsAre("5 SET 05 03 02", "17 GET 05 03 02", "250 SET 05 03 09", "1003 IN 03 00 20 03 00"));
}

TEST_F(ReportLogOfTheMouse, AFailedReadShowsOnlyTheReportId) {
    mouse.faultFailGet(1);
    ASSERT_EQ(mouseAnswers(9, 6), "(failed)");
    ASSERT_EQ(mouseAnswers(14, 3), "(failed)");
    EXPECT_THAT(log.lines, ElementsAre("0 GET 09", "0 GET 0E"));
}

TEST_F(ReportLogOfTheMouse, ShowsTheAnswerAsSentIncludingFaults) {
    mouse.faultBusy(1);
    ASSERT_EQ(mouseAnswers(4, 3), "04 03 00");
    EXPECT_THAT(log.lines, ElementsAre("0 GET 04 03 00"));
}

TEST_F(ReportLogOfTheMouse, NothingReachesAnUnpluggedMouse) {
    ASSERT_TRUE(mouse.unplug());
    EXPECT_FALSE(hostSends("05 03 02"));
    EXPECT_EQ(mouseAnswers(5, 3), "(failed)");
    EXPECT_FALSE(mouse.press(0));
    EXPECT_THAT(log.lines, IsEmpty());
}

TEST_F(ReportLogOfTheMouse, ButtonEventsAreLoggedInTheOrderSent) {
    ASSERT_TRUE(hostSends(buttonTable(0, {{5, 48}})));
    log.lines.clear();
    now = 40;
    ASSERT_TRUE(mouse.press(5));
    EXPECT_THAT(log.lines, ElementsAre("40 IN 03 00 90 06 00", "40 IN 03 00 E6 01 00"));
}

TEST(FileLog, StartsEmptyAndWritesOneLinePerReport) {
    const auto path = std::filesystem::temp_directory_path() / "mousesim-report-log-test.log";
    std::ofstream(path) << "left over from an earlier run\n";
    {
        FileLineSink sink;
        ASSERT_TRUE(sink.open(path));
        ReportLog log(&sink, [] { return std::uint64_t{42}; });
        log.record(LogDirection::Set, hex("0E 03 01"));
        log.record(LogDirection::In, hex("03 00 A0 01 00"));
    }
    std::ifstream in(path);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "42 SET 0E 03 01\n42 IN 03 00 A0 01 00\n");
    std::filesystem::remove(path);
}

TEST(FileLog, ReportsAFolderThatCannotBeOpened) {
    FileLineSink sink;
    EXPECT_FALSE(sink.open(std::filesystem::temp_directory_path() / "mousesim-no-such-folder" / "x.log"));
    EXPECT_FALSE(sink.isOpen());
}

}  // namespace
}  // namespace mousesim::test

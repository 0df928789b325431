// Faults put into the simulated mouse, seen from the host's side.

#include <gmock/gmock.h>

#include "MouseConversation.h"
#include "mousesim/Checksum.h"

namespace mousesim::test {
namespace {

using ::testing::ElementsAre;

class Fault : public MouseConversation {};

TEST_F(Fault, BusyAnswersTheNextStatusReadsBusyThenReady) {
    mouse.faultBusy(2);
    ASSERT_TRUE(hostSends("05 03 01"));
    EXPECT_EQ(mouseAnswers(4, 3), "04 03 00");
    EXPECT_EQ(mouseAnswers(5, 3), "05 03 01");  // other reads do not use it up
    EXPECT_EQ(mouseAnswers(4, 3), "04 03 00");
    EXPECT_EQ(mouseAnswers(4, 3), "04 01 00");
}

TEST_F(Fault, BusyAlsoAnswersTheUpdateStatus) {
    mouse.faultBusy(1);
    EXPECT_EQ(mouseAnswers(28, 3), "1C 03 00");
    EXPECT_EQ(mouseAnswers(28, 3), "1C 01 00");
}

TEST_F(Fault, FailSetRefusesTheNextWritesWithoutChangingAnything) {
    mouse.faultFailSet(2);
    EXPECT_FALSE(hostSends("05 03 02"));
    EXPECT_EQ(mouseAnswers(4, 3), "04 02 00");
    EXPECT_FALSE(hostSends("05 03 03"));
    EXPECT_EQ(mouseAnswers(5, 3), "05 03 00");
    EXPECT_EQ(store.saves, 0);
    EXPECT_TRUE(hostSends("05 03 04"));
    EXPECT_EQ(mouseAnswers(5, 3), "05 03 04");
}

TEST_F(Fault, FailGetFailsTheNextReads) {
    mouse.faultFailGet(2);
    EXPECT_EQ(mouseAnswers(9, 6), "(failed)");
    EXPECT_EQ(mouseAnswers(4, 3), "(failed)");
    EXPECT_EQ(mouseAnswers(9, 6), "09 06 6B 6B 00 00");
}

TEST_F(Fault, BadChecksumSpoilsTheNextReportThatCarriesOne) {
    mouse.faultBadChecksum();
    ASSERT_TRUE(hostSends("04 00 90"));
    EXPECT_EQ(mouseAnswers(4, 3), "04 01 00");  // no checksum here: not used up
    const auto spoiled = read(7, 59);
    const auto good = read(7, 59);
    ASSERT_TRUE(spoiled && good);
    EXPECT_TRUE(trailingChecksumMatches(*good));
    EXPECT_FALSE(trailingChecksumMatches(*spoiled));
    EXPECT_EQ(Bytes(spoiled->begin(), spoiled->end() - 2), Bytes(good->begin(), good->end() - 2));
}

TEST_F(Fault, BadChecksumSpoilsTheReportsOwnChecksumInALongerRead) {
    mouse.faultBadChecksum();
    ASSERT_TRUE(hostSends("04 00 90"));
    const auto spoiled = read(7, 64);
    ASSERT_TRUE(spoiled);
    EXPECT_FALSE(trailingChecksumMatches(Bytes(spoiled->begin(), spoiled->begin() + 59)));
    EXPECT_EQ(hexText({spoiled->begin() + 59, spoiled->end()}), "00 00 00 00 00");
}

TEST_F(Fault, BadChecksumAlsoHitsAMacroReport) {
    mouse.faultBadChecksum();
    ASSERT_TRUE(hostSends("04 00 03"));
    EXPECT_FALSE(trailingChecksumMatches(*read(8, 2082)));
    EXPECT_TRUE(trailingChecksumMatches(*read(8, 2082)));
}

TEST_F(Fault, UnplugAfterDropsOffTheBusAfterThatManyReports) {
    mouse.faultUnplugAfter(3);
    EXPECT_TRUE(hostSends("04 00 80"));
    EXPECT_EQ(mouseAnswers(4, 3), "04 01 00");
    EXPECT_TRUE(mouse.isPlugged());
    EXPECT_EQ(mouseAnswers(6, 31).substr(0, 8), "06 1F 00");  // the third one is still answered
    EXPECT_FALSE(mouse.isPlugged());
    EXPECT_THAT(plugChanges, ElementsAre(false));
    EXPECT_EQ(mouseAnswers(4, 3), "(failed)");
    EXPECT_FALSE(hostSends("05 03 01"));

    EXPECT_TRUE(mouse.plug());
    EXPECT_THAT(plugChanges, ElementsAre(false, true));
    EXPECT_EQ(mouseAnswers(4, 3), "04 01 00");
    EXPECT_TRUE(mouse.isPlugged());  // the fault is used up
}

TEST_F(Fault, UnplugAfterZeroDropsOffAtOnce) {
    mouse.faultUnplugAfter(0);
    EXPECT_FALSE(mouse.isPlugged());
    EXPECT_FALSE(mouse.unplug());
    EXPECT_THAT(plugChanges, ElementsAre(false));
}

TEST_F(Fault, PluggingInAgainStartsAFreshSessionWithTheSameMemory) {
    ASSERT_TRUE(hostSends("04 03 90"));
    ASSERT_TRUE(hostSends("05 03 02"));
    ASSERT_FALSE(hostSends("05 03 09"));
    ASSERT_TRUE(mouse.unplug());
    ASSERT_TRUE(mouse.plug());
    EXPECT_EQ(mouseAnswers(4, 3), "04 01 00");
    EXPECT_EQ(mouseAnswers(6, 31).substr(0, 8), "06 1F 00");
    EXPECT_EQ(mouseAnswers(5, 3), "05 03 02");
}

TEST_F(Fault, StatusListsWhatIsPending) {
    mouse.faultBusy(4);
    mouse.faultFailGet(1);
    mouse.faultUnplugAfter(9);
    mouse.faultFlashFailAt(7);
    const std::string text = formatStatus(mouse.status());
    EXPECT_NE(text.find("plugged 1\n"), std::string::npos);
    EXPECT_NE(text.find("fault busy 4\n"), std::string::npos);
    EXPECT_NE(text.find("fault fail-get 1\n"), std::string::npos);
    EXPECT_NE(text.find("fault fail-set 0\n"), std::string::npos);
    EXPECT_NE(text.find("fault unplug-after 9\n"), std::string::npos);
    EXPECT_NE(text.find("fault flash-fail-at 7\n"), std::string::npos);
}

TEST_F(Fault, AFailedSaveIsCountedAndTheMouseGoesOn) {
    store.succeed = false;
    EXPECT_TRUE(hostSends("05 03 01"));
    EXPECT_EQ(mouse.status().failedSaves, 1u);
    EXPECT_EQ(mouseAnswers(5, 3), "05 03 01");
}

}  // namespace
}  // namespace mousesim::test

// What the statistics page shows, the trophy sharing's request and answer, and
// the addresses of the update page.

#include <gtest/gtest.h>

#include "option/core/StatisticsView.h"
#include "option/core/TrophyShare.h"
#include "option/core/WebAddresses.h"
#include "platform/ini/PrivateProfile.h"
#include "tests/support/TemporaryFolder.h"

namespace option::core::test {
namespace {

TEST(StatisticsView, HoursAndDaysSinceTheFirstStartAreAtLeastOne)
{
    const LocalTime start{2024, 2, 28, 22, 30};
    EXPECT_EQ(elapsedSince(start, {2024, 2, 29, 0, 0}).hours, 1);  // 90 minutes
    EXPECT_EQ(elapsedSince(start, {2024, 2, 29, 0, 30}).hours, 2);
    const ElapsedTime overLeapDay = elapsedSince(start, {2024, 3, 1, 22, 30});
    EXPECT_EQ(overLeapDay.days, 2);
    EXPECT_EQ(overLeapDay.hours, 48);
    EXPECT_EQ(elapsedSince(start, {2025, 2, 28, 22, 30}).days, 366);
    EXPECT_EQ(elapsedSince(start, {2020, 1, 1, 0, 0}).days, 1);  // the clock went back
    const LocalTime unreadable[] = {{-1, -1, -1, -1, -1}, {2023, 2, 29, 0, 0}, {2024, 13, 1, 0, 0},
                                    {2024, 1, 1, 24, 0}};
    for (const LocalTime& bad : unreadable) {
        const ElapsedTime elapsed = elapsedSince(bad, {2024, 6, 1, 0, 0});
        EXPECT_EQ(elapsed.hours, 1) << bad.year << "-" << bad.month;
        EXPECT_EQ(elapsed.days, 1);
    }
}

TEST(StatisticsView, CountsAreDividedCappedAndFormatted)
{
    settings::InfoData info;
    info.Counters[0] = 1500000000;
    info.Counters[1] = 2000000000;  // the sum passes the largest 32-bit number
    info.Counters[5] = 150000000;
    info.Counters[6] = 7;
    info.Counters[9] = 100000;
    info.Counters[10] = -5;
    info.Counters[11] = 1201;
    const ElapsedTime elapsed{2, 3};

    StatisticsTexts totals = statisticsTexts(info, StatisticsViewKind::Totals, elapsed);
    EXPECT_EQ(totals.clicks[0], "999999999 clicks");
    EXPECT_EQ(totals.clickTotal, "999999999 clicks");
    EXPECT_EQ(totals.scrolls[0], "99999999 scrolls");
    EXPECT_EQ(totals.scrolls[1], "7 scrolls");
    EXPECT_EQ(totals.eventsA, "1201 times");
    EXPECT_EQ(totals.eventsB, "0 times");
    EXPECT_EQ(totals.distance, "2540 m");

    const StatisticsTexts perHour = statisticsTexts(info, StatisticsViewKind::PerHour, elapsed);
    EXPECT_EQ(perHour.eventsA, "600 times");
    EXPECT_EQ(perHour.scrolls[1], "3 scrolls");
    EXPECT_EQ(perHour.distance, "1270 m");
    EXPECT_EQ(statisticsTexts(info, StatisticsViewKind::PerDay, elapsed).eventsA, "400 times");
    EXPECT_EQ(distanceMetres(39), 0);
    EXPECT_EQ(distanceMetres(40), 1);
}

TEST(StatisticsView, LevelBarAndBrowsing)
{
    settings::InfoData info;
    info.TrophyFlags[0] = 1;
    info.TrophyFlags[4] = 1;
    info.TrophyFlags[5] = 2;  // only 1 counts as unlocked
    EXPECT_EQ(trophyLevel(info), 2);
    EXPECT_TRUE(trophyUnlocked(info, 4));
    EXPECT_FALSE(trophyUnlocked(info, 5));
    EXPECT_FALSE(trophyUnlocked(info, 12));
    EXPECT_FALSE(trophyUnlocked(info, 13));
    EXPECT_EQ(levelBarPixels(230, 2), 35);
    EXPECT_EQ(levelBarPixels(230, 13), 230);
    EXPECT_EQ(levelBarPixels(230, 20), 230);
    EXPECT_EQ(unlockedText(2), "Unlocked: 2/13");
    EXPECT_EQ(trophyPositionText(12), "13/13");

    StatisticsBrowsing browsing;
    browsing.previousView();
    browsing.previousTrophy();
    EXPECT_EQ(browsing.view(), StatisticsViewKind::Totals);
    EXPECT_EQ(browsing.trophy(), 0);
    for (int i = 0; i < 20; ++i) {
        browsing.nextView();
        browsing.nextTrophy();
    }
    EXPECT_EQ(browsing.view(), StatisticsViewKind::PerDay);
    EXPECT_EQ(browsing.trophy(), 12);
}

TEST(TrophyShare, TheRequestCarriesSixValuesAndOnlyWebAddressesAreOpened)
{
    const RandomNumber highest = [](std::uint32_t, std::uint32_t high) { return high; };
    const ShareValues values = shareValues(3, 7, highest);
    EXPECT_EQ(values.values[0], "XQD-40-215");
    EXPECT_EQ(values.values[1], "59");
    EXPECT_EQ(values.values[2], std::string(32, 'f'));
    EXPECT_EQ(values.values[3], "49");
    EXPECT_EQ(values.values[4], "9");
    EXPECT_EQ(values.values[5], "7");
    EXPECT_EQ(shareRequestAddress(" https://share.example/t ", values),
              "https://share.example/t/frontend.en,1,trophy,XQD-40-215,59," + std::string(32, 'f') + ",49,9,7.dll");
    EXPECT_EQ(shareRequestAddress("", values), std::nullopt);
    EXPECT_EQ(shareRequestAddress("ftp://share.example/", values), std::nullopt);

    const ShareAnswer open = classifyShareAnswer("  HTTPS://trophies.example/x?id=1\r\n");
    EXPECT_EQ(open.kind, ShareAnswer::Kind::OpenAddress);
    EXPECT_EQ(open.text, "HTTPS://trophies.example/x?id=1");
    const char* shownOnly[] = {"file:///etc/passwd", "https://x.example/a b", "http://", "https://:80/",
                               "javascript:alert(1)", "https://a.example/\"; rm -rf ~", "calc.exe"};
    for (const char* answer : shownOnly)
        EXPECT_EQ(classifyShareAnswer(answer).kind, ShareAnswer::Kind::ShowText) << answer;
    EXPECT_EQ(classifyShareAnswer("Sorry\x07\nlater").text, "Sorry later");
    EXPECT_EQ(classifyShareAnswer(" \n").kind, ShareAnswer::Kind::Nothing);
}

}  // namespace
}  // namespace option::core::test

namespace option::core::test {
namespace {

TEST(SupportAddresses, DefaultsThenTheInstallationsOwnAndOnlySafeOnesAreOpened)
{
    testsupport::TemporaryFolder folder;
    const settings::InstallFolder install(folder.folder());
    const WebAddresses defaults = readWebAddresses(install);
    EXPECT_EQ(defaults.share, "");
    EXPECT_EQ(supportAddress(SupportLink::Downloads, defaults), std::string(kDefaultSupportSite) + "Support/Downloads");
    EXPECT_EQ(supportAddress(SupportLink::Mail, defaults), std::string("mailto:") + kDefaultSupportMail);

    const auto set = [&](const char* key, const char* value) {
        ASSERT_TRUE(platform::ini::writeString(install.configIni(), kWebSection, key, value));
    };
    set(kShareAddressKey, "http://share.example/t");
    set(kSupportSiteKey, "https://help.example.org");
    set(kSupportMailKey, "help+mouse@example.org");
    WebAddresses own = readWebAddresses(install);
    EXPECT_EQ(own.share, "http://share.example/t");
    EXPECT_EQ(supportAddress(SupportLink::SupportPage, own), "https://help.example.org/Support/");
    EXPECT_EQ(supportAddress(SupportLink::SupportForm, own), "https://help.example.org/Support/Support/Support-Form/");
    EXPECT_EQ(supportAddress(SupportLink::Mail, own), "mailto:help+mouse@example.org");

    own.supportSite = "file:///usr/bin/";
    EXPECT_EQ(supportAddress(SupportLink::Downloads, own), std::nullopt);
    for (const char* mailbox : {"a@b?cc=c@d", "a b@c", "@c", "a@", "a@b@c", "a@b\nbcc:c"}) {
        own.supportMail = mailbox;
        EXPECT_EQ(supportAddress(SupportLink::Mail, own), std::nullopt) << mailbox;
    }
}

}  // namespace
}  // namespace option::core::test

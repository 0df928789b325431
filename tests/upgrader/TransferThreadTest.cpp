// The transfer thread: it runs its job only when started and is woken out of
// any wait and joined when the upgrader closes.

#include <gtest/gtest.h>

#include <atomic>
#include <future>

#include "tests/support/TemporaryFolder.h"
#include "settings/FirmwarePackage.h"
#include "upgrader/core/StartMode.h"
#include "upgrader/core/TransferThread.h"

namespace upgrader::test {
namespace {

using namespace std::chrono_literals;

TEST(TransferThread, RunsTheJobOncePerStartAndReportsItsResult)
{
    std::promise<bool> result;
    std::atomic<int> runs{0};
    TransferThread thread([&](Waiter&) { return ++runs == 1; }, [&](bool ok) { result.set_value(ok); });
    EXPECT_EQ(runs.load(), 0);
    thread.start();
    EXPECT_TRUE(result.get_future().get());
    thread.stop();
    EXPECT_EQ(runs.load(), 1);
}

TEST(TransferThread, StopWakesAWaitingJobWhichThenFails)
{
    std::promise<void> waiting;
    std::optional<bool> reported;
    bool waitResult = true;
    {
        TransferThread thread(
            [&](Waiter& waiter) {
                waiting.set_value();
                waitResult = waiter.wait(24h);
                return waitResult;
            },
            [&](bool ok) { reported = ok; });
        thread.start();
        waiting.get_future().wait();
    }  // stops and joins; a wait that is not woken would hang here
    EXPECT_FALSE(waitResult);
    EXPECT_EQ(reported, false);
}

TEST(TransferThread, StoppedBeforeAStartTheJobNeverRuns)
{
    bool ran = false;
    TransferThread thread([&](Waiter&) { return ran = true; }, {});
    thread.stop();
    thread.start();
    EXPECT_FALSE(ran);
}

TEST(StartMode, TheFirstCharacterChooses)
{
    EXPECT_EQ(startModeOf(""), StartMode::ConfirmThenUpdate);
    EXPECT_EQ(startModeOf("1"), StartMode::ConfirmThenUpdate);
    EXPECT_EQ(startModeOf("2 x"), StartMode::ConfirmThenUpdate);
    EXPECT_EQ(startModeOf("0"), StartMode::NoticeOnly);
    EXPECT_EQ(startModeOf("01"), StartMode::NoticeOnly);
    EXPECT_EQ(startModeOf("3"), StartMode::UpdateAtOnce);
    EXPECT_EQ(startModeOf(" 1"), StartMode::UpdateAtOnce);
    EXPECT_EQ(commandLineText({"1", "a b"}), "1 a b");
}

TEST(FirmwarePackage, NamesItsImageAndKeepsTheAnswerPerVersion)
{
    testsupport::TemporaryFolder folder;
    const settings::FirmwarePackage package(folder.path());
    EXPECT_EQ(package.version(), settings::kMissingPackageVersion);
    folder.write("config.ini", "[Firmware]\r\nName=fw.bin\r\nVersion=108\r\n");
    EXPECT_EQ(package.imagePath(), folder.file("fw.bin"));
    EXPECT_EQ(package.upgraderProgram(), folder.file("ZuroNoxa Firmware Upgrade"));
    folder.write("config.ini", "[Firmware]\r\nName=/opt/images/fw.bin\r\nVersion=108\r\n");
    EXPECT_EQ(package.imagePath(), "/opt/images/fw.bin");

    EXPECT_FALSE(package.answeredCurrentVersion());
    ASSERT_TRUE(package.recordAnswer(settings::UpgradeAnswer::Declined, 108));
    EXPECT_TRUE(package.answeredCurrentVersion());
    folder.write("config.ini", "[Firmware]\r\nName=fw.bin\r\nVersion=109\r\n");
    EXPECT_FALSE(package.answeredCurrentVersion());
    folder.write("config.ini", "[Firmware]\r\nName=fw.bin\r\n");
    ASSERT_TRUE(package.recordAnswer(settings::UpgradeAnswer::NoticeSeen, package.version()));
    EXPECT_TRUE(package.answeredCurrentVersion()) << "a package without a version is answered as such";
}

}  // namespace
}  // namespace upgrader::test

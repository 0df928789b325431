// `mousesim` as a program: `serve` in a child process, driven by the command
// line and by raw connections to its devices, the way the bridge and the
// scripts use it.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/wait.h>

#include "hidbridge/SimulatorBus.h"
#include "mousesim/ControlClient.h"
#include "mousesim/SeqPacket.h"
#include "mousesim/ServeProcess.h"
#include "tests/mousesim/ProgramTestSupport.h"

namespace mousesim {
namespace {

using namespace hidbridge::simbus;
using Packet = std::vector<std::uint8_t>;
using test::runProgram;

class SimulatorProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(runtime.path().empty());
        ASSERT_FALSE(files.path().empty());
    }

    ServeSettings settings() const
    {
        return {MOUSESIM_PROGRAM, runtime.path(), files.file("state.txt"), files.file("report.log"), {}};
    }

    void startServe()
    {
        std::string error;
        serve = ServeProcess::start(settings(), error);
        ASSERT_TRUE(serve) << error;
    }

    test::ProgramRun cli(const std::vector<std::string>& args) { return runProgram(MOUSESIM_PROGRAM, args); }

    std::string busFolder() const { return runtime.path() + "/zuronoxa/hidsim/"; }
    std::string device(const char* name) const { return busFolder() + name + ".hid"; }
    bool exists(const std::string& path) const { return std::filesystem::exists(path); }

    std::optional<Packet> exchange(int fd, const Packet& request)
    {
        Packet reply;
        if (!sendPacketNow(fd, request)) return std::nullopt;
        if (receivePacketWithin(fd, reply, kMaxPacket, 3000) != ReceiveResult::Packet) return std::nullopt;
        return reply;
    }

    std::vector<std::string> logged(const char* direction) const
    {
        return test::logEntries(files.file("report.log"), direction);
    }

    test::PrivateFolder runtime{"zuro-mousesim-run"};
    test::PrivateFolder files{"zuro-mousesim-files"};
    test::ScopedVariable runtimeVariable{"XDG_RUNTIME_DIR", runtime.path()};
    std::unique_ptr<ServeProcess> serve;
};

TEST_F(SimulatorProgramTest, ExitCodesTellUsageErrorsMissingSimulatorAndRefusals)
{
    EXPECT_EQ(cli({"press", "18"}).exitCode, 2);
    EXPECT_EQ(cli({}).exitCode, 2);
    const auto none = cli({"status"});
    EXPECT_EQ(none.exitCode, 3);
    EXPECT_NE(none.err.find("no simulator is running"), std::string::npos);

    startServe();
    EXPECT_EQ(cli({"press", "18"}).exitCode, 2);
    EXPECT_EQ(cli({"plug"}).exitCode, 1);           // plugged in already
    EXPECT_EQ(cli({"release", "3"}).exitCode, 1);   // not held
    EXPECT_EQ(cli({"press", "3"}).exitCode, 0);
    EXPECT_EQ(cli({"press", "3"}).exitCode, 1);     // held already
    EXPECT_EQ(cli({"release", "3"}).exitCode, 0);
    EXPECT_EQ(cli({"unplug"}).exitCode, 0);
    EXPECT_EQ(cli({"unplug"}).exitCode, 1);
    EXPECT_EQ(cli({"event", "0x90", "1"}).exitCode, 1);  // nothing is sent while unplugged
    EXPECT_EQ(cli({"fault", "busy", "2"}).exitCode, 0);
}

TEST_F(SimulatorProgramTest, StatusTellsPlugStateProfileAndFirmware)
{
    startServe();
    const auto status = cli({"status"});
    ASSERT_EQ(status.exitCode, 0) << status.err;
    EXPECT_EQ(control::answerValue(status.out, "plugged"), "1");
    EXPECT_EQ(control::answerValue(status.out, "active-profile"), "0");
    EXPECT_TRUE(control::answerValue(status.out, "firmware"));
    EXPECT_EQ(control::answerValue(status.out, "vendor"), "0x1E7D");

    ASSERT_EQ(cli({"unplug"}).exitCode, 0);
    EXPECT_EQ(control::answerValue(cli({"status"}).out, "plugged"), "0");
}

TEST_F(SimulatorProgramTest, UnplugTakesTheDevicesOffTheBusAndPlugPutsThemBack)
{
    startServe();
    EXPECT_TRUE(exists(device("zuro-mouse-event")));
    EXPECT_TRUE(exists(device("zuro-mouse-feature")));
    FileDescriptor host = connectTo(device("zuro-mouse-feature"));
    ASSERT_TRUE(host.valid());

    ASSERT_EQ(cli({"unplug"}).exitCode, 0);
    EXPECT_FALSE(exists(device("zuro-mouse-event")));
    EXPECT_FALSE(exists(device("zuro-mouse-feature")));
    EXPECT_FALSE(exchange(host.get(), {kInfo}));  // its connection went with it

    ASSERT_EQ(cli({"plug"}).exitCode, 0);
    FileDescriptor again = connectTo(device("zuro-mouse-feature"));
    ASSERT_TRUE(again.valid());
    const auto info = exchange(again.get(), {kInfo});
    ASSERT_TRUE(info);
    EXPECT_EQ(Packet(info->begin(), info->begin() + 5), (Packet{kInfo, 0x7D, 0x1E, 0xC2, 0x2D}));
}

TEST_F(SimulatorProgramTest, VendorOptionChangesTheIdentityOnTheBus)
{
    ServeSettings alternate = settings();
    alternate.extraArguments = {"--vendor", "0xFFFF"};
    std::string error;
    serve = ServeProcess::start(alternate, error);
    ASSERT_TRUE(serve) << error;
    FileDescriptor host = connectTo(device("zuro-mouse-event"));
    const auto info = exchange(host.get(), {kInfo});
    ASSERT_TRUE(info);
    EXPECT_EQ(Packet(info->begin(), info->begin() + 5), (Packet{kInfo, 0xFF, 0xFF, 0xC2, 0x2D}));
}

TEST_F(SimulatorProgramTest, EventReportsReachReadersAndTheLogByteForByte)
{
    startServe();
    FileDescriptor reader = connectTo(device("zuro-mouse-event"));
    ASSERT_TRUE(sendPacketNow(reader.get(), Packet{kSubscribeInput}));
    ASSERT_EQ(cli({"wait-input-readers", "1"}).exitCode, 0);

    const auto sent = cli({"event", "0x90", "0x1234"});
    ASSERT_EQ(sent.exitCode, 0) << sent.err;
    EXPECT_TRUE(control::answerValue(sent.out, "sent-at-ns"));
    ASSERT_EQ(cli({"input", "03", "01", "90", "00", "00"}).exitCode, 0);

    Packet report;
    ASSERT_EQ(receivePacketWithin(reader.get(), report, kMaxPacket, 3000), ReceiveResult::Packet);
    EXPECT_EQ(report, (Packet{kInputReport, 0x03, 0x00, 0x90, 0x34, 0x12}));
    ASSERT_EQ(receivePacketWithin(reader.get(), report, kMaxPacket, 3000), ReceiveResult::Packet);
    EXPECT_EQ(report, (Packet{kInputReport, 0x03, 0x01, 0x90, 0x00, 0x00}));
    EXPECT_EQ(logged("IN"), (std::vector<std::string>{"03 00 90 34 12", "03 01 90 00 00"}));
}

TEST_F(SimulatorProgramTest, FeatureReportsAreLoggedAndTheMemorySurvivesARestart)
{
    startServe();
    FileDescriptor host = connectTo(device("zuro-mouse-feature"));
    EXPECT_EQ(exchange(host.get(), {kSetFeature, 0x05, 0x03, 0x02}), (Packet{kSetFeature, 1}));
    EXPECT_EQ(exchange(host.get(), {kGetFeature, 3, 0, 0x05}), (Packet{kGetFeature, 1, 0x05, 0x03, 0x02}));
    EXPECT_EQ(logged("SET"), (std::vector<std::string>{"05 03 02"}));
    EXPECT_EQ(logged("GET"), (std::vector<std::string>{"05 03 02"}));

    const auto status = serve->stop();
    ASSERT_TRUE(status);
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0);
    EXPECT_FALSE(exists(device("zuro-mouse-event")));
    EXPECT_FALSE(exists(device("zuro-mouse-feature")));
    EXPECT_FALSE(exists(busFolder() + "control.sock"));

    startServe();
    EXPECT_EQ(control::answerValue(cli({"status"}).out, "active-profile"), "2");
}

TEST_F(SimulatorProgramTest, InterruptStopsItCleanlyToo)
{
    startServe();
    ASSERT_EQ(kill(serve->pid(), SIGINT), 0);
    const auto status = serve->waitForExit(5000);
    ASSERT_TRUE(status);
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0);
    EXPECT_FALSE(exists(busFolder() + "control.sock"));
    EXPECT_FALSE(exists(device("zuro-mouse-event")));
}

TEST_F(SimulatorProgramTest, ASecondSimulatorDoesNotStartBesideARunningOne)
{
    startServe();
    const auto second = runProgram(MOUSESIM_PROGRAM, {"serve", "--state", files.file("other-state.txt"), "--log",
                                                      files.file("other.log")});
    EXPECT_EQ(second.exitCode, 1);
    EXPECT_NE(second.err.find("another simulator is running"), std::string::npos);
    EXPECT_EQ(cli({"status"}).exitCode, 0);
    EXPECT_TRUE(exists(device("zuro-mouse-event")));
}

TEST_F(SimulatorProgramTest, OnAMachineWithoutUhidTheKernelDeviceRefusesToStart)
{
    if (exists("/dev/uhid")) GTEST_SKIP() << "this machine can make kernel HID devices";
    const auto run = runProgram(MOUSESIM_PROGRAM, {"serve", "--uhid", "--state", files.file("state.txt"), "--log",
                                                   files.file("report.log")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("/dev/uhid"), std::string::npos) << run.err;
    EXPECT_FALSE(exists(device("zuro-mouse-event"))) << "nothing on the bus instead";
    EXPECT_FALSE(exists(busFolder() + "control.sock"));
}

TEST_F(SimulatorProgramTest, SocketsLeftByAKilledSimulatorDoNotStopTheNextOne)
{
    startServe();
    kill(serve->pid(), SIGKILL);
    serve->waitForExit(5000);
    ASSERT_TRUE(exists(busFolder() + "control.sock"));
    startServe();
    EXPECT_EQ(cli({"status"}).exitCode, 0);
    FileDescriptor host = connectTo(device("zuro-mouse-feature"));
    EXPECT_TRUE(exchange(host.get(), {kInfo}));
}

TEST_F(SimulatorProgramTest, UnplugAfterFaultAnswersTheLastReportThenLeavesTheBus)
{
    startServe();
    FileDescriptor host = connectTo(device("zuro-mouse-feature"));
    ASSERT_EQ(cli({"fault", "unplug-after", "2"}).exitCode, 0);
    EXPECT_EQ(exchange(host.get(), {kGetFeature, 3, 0, 0x05}), (Packet{kGetFeature, 1, 0x05, 0x03, 0x00}));
    EXPECT_EQ(exchange(host.get(), {kSetFeature, 0x05, 0x03, 0x01}), (Packet{kSetFeature, 1}));
    EXPECT_FALSE(exchange(host.get(), {kGetFeature, 3, 0, 0x05}));
    EXPECT_FALSE(exists(device("zuro-mouse-feature")));
    EXPECT_EQ(control::answerValue(cli({"status"}).out, "plugged"), "0");
}

TEST_F(SimulatorProgramTest, FaultsWaitInTheStatusUntilTheyStrike)
{
    startServe();
    for (const std::vector<std::string>& fault : {std::vector<std::string>{"fault", "busy", "3"},
                                                  {"fault", "fail-set", "2"},
                                                  {"fault", "fail-get", "1"},
                                                  {"fault", "bad-checksum"},
                                                  {"fault", "flash-fail-at", "7"}})
        ASSERT_EQ(cli(fault).exitCode, 0);
    const std::string status = cli({"status"}).out;
    EXPECT_EQ(control::answerValue(status, "fault busy"), "3");
    EXPECT_EQ(control::answerValue(status, "fault fail-set"), "2");
    EXPECT_EQ(control::answerValue(status, "fault fail-get"), "1");
    EXPECT_EQ(control::answerValue(status, "fault bad-checksum"), "1");
    EXPECT_EQ(control::answerValue(status, "fault flash-fail-at"), "7");

    FileDescriptor host = connectTo(device("zuro-mouse-feature"));
    EXPECT_EQ(exchange(host.get(), {kGetFeature, 3, 0, 0x05}), (Packet{kGetFeature, 0}));
    EXPECT_EQ(logged("GET"), (std::vector<std::string>{"05"}));
    EXPECT_EQ(control::answerValue(cli({"status"}).out, "fault fail-get"), "0");
}

TEST_F(SimulatorProgramTest, AWaitForReadersIsAnsweredWhenOneSubscribesOrItsTimeIsUp)
{
    startServe();
    FileDescriptor waiter = connectTo(busFolder() + "control.sock");
    ASSERT_TRUE(sendPacketNow(waiter.get(), control::encodeRequest("wait-input-readers 1 5000")));
    FileDescriptor reader = connectTo(device("zuro-mouse-event"));
    ASSERT_TRUE(sendPacketNow(reader.get(), Packet{kSubscribeInput}));
    Packet reply;
    ASSERT_EQ(receivePacketWithin(waiter.get(), reply, control::kMaxReply, 3000), ReceiveResult::Packet);
    const auto answer = control::decodeReply(std::string(reply.begin(), reply.end()));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->outcome, control::Outcome::Ok);

    const auto late = cli({"wait-input-readers", "2", "50"});
    EXPECT_EQ(late.exitCode, 1);
    EXPECT_NE(late.err.find("only 1 input readers"), std::string::npos);
}

TEST_F(SimulatorProgramTest, AForeignControlRequestIsRefusedAndTheSimulatorServesOn)
{
    startServe();
    FileDescriptor stranger = connectTo(busFolder() + "control.sock");
    Packet reply;
    ASSERT_TRUE(sendPacketNow(stranger.get(), std::string_view("GET / HTTP/1.0")));
    ASSERT_EQ(receivePacketWithin(stranger.get(), reply, control::kMaxReply, 3000), ReceiveResult::Packet);
    EXPECT_EQ(control::decodeReply(std::string(reply.begin(), reply.end()))->outcome, control::Outcome::Usage);

    ASSERT_TRUE(sendPacketNow(stranger.get(), std::string(control::kMaxRequest + 1, 'x')));
    EXPECT_EQ(receivePacketWithin(stranger.get(), reply, control::kMaxReply, 3000), ReceiveResult::Closed);
    EXPECT_EQ(cli({"status"}).exitCode, 0);
}

}  // namespace
}  // namespace mousesim

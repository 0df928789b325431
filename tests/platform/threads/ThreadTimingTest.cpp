// The RealtimeKit request against a stand-in for RealtimeKit on a private bus:
// the request names this process and the asking thread, keeps within the
// service's maximum priority and lowers RLIMIT_RTTIME as the service demands
// before asking. Without a bus the request fails at once.

#include "platform/threads/ThreadTiming.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TemporaryFolder.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace platform {
namespace {

class FakeRealtimeKit : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.RealtimeKit1")
    Q_PROPERTY(int MaxRealtimePriority READ maxRealtimePriority)
    Q_PROPERTY(qlonglong RTTimeUSecMax READ rtTimeUSecMax)

public:
    int maxRealtimePriority() const { return 20; }
    qlonglong rtTimeUSecMax() const { return 200000; }

    qulonglong process = 0;
    qulonglong thread = 0;
    uint priority = 0;
    rlim_t hardRunTimeLimit = RLIM_INFINITY;

public slots:
    void MakeThreadRealtimeWithPID(qulonglong processId, qulonglong threadId, uint requested)
    {
        process = processId;
        thread = threadId;
        priority = requested;
        rlimit limit{};
        getrlimit(RLIMIT_RTTIME, &limit);
        hardRunTimeLimit = limit.rlim_max;
    }
};

class ThreadTimingTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "thread_timing_test";
        static char* argv[] = {name, nullptr};
        // Lives to the end of the process: the bus connections' threads need it.
        static QCoreApplication* application =
            QCoreApplication::instance() != nullptr ? nullptr : new QCoreApplication(argc, argv);
        (void)application;
    }

    // Runs the request on a thread of its own while this thread serves the bus.
    int requestFromWorker(int priority, qulonglong& workerThread)
    {
        std::atomic<int> granted{-1};
        std::thread worker([&] {
            workerThread = static_cast<qulonglong>(gettid());
            granted = requestRealtimeFromRealtimeKit(priority);
        });
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (granted < 0 && std::chrono::steady_clock::now() < deadline)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        worker.join();
        return granted;
    }
};

TEST_F(ThreadTimingTest, AsksRealtimeKitForTheCallingThreadWithinItsLimits)
{
    auto bus = testsupport::ChildProcess::start({"dbus-daemon", "--session", "--nofork", "--print-address=1"});
    ASSERT_NE(bus, nullptr);
    ASSERT_TRUE(bus->waitForLine("unix:", std::chrono::seconds(10)));
    const std::string address = bus->lines().front();
    testsupport::ScopedEnv systemBus("DBUS_SYSTEM_BUS_ADDRESS", address);

    QDBusConnection service = QDBusConnection::connectToBus(QString::fromStdString(address), "fake-rtkit");
    FakeRealtimeKit kit;
    ASSERT_TRUE(service.registerObject("/org/freedesktop/RealtimeKit1", &kit,
                                       QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties));
    ASSERT_TRUE(service.registerService("org.freedesktop.RealtimeKit1"));

    rlimit before{};
    getrlimit(RLIMIT_RTTIME, &before);
    qulonglong worker = 0;
    EXPECT_EQ(requestFromWorker(50, worker), 20);  // capped at the service's maximum
    EXPECT_EQ(kit.process, static_cast<qulonglong>(getpid()));
    EXPECT_EQ(kit.thread, worker);
    EXPECT_EQ(kit.priority, 20u);
    EXPECT_LE(kit.hardRunTimeLimit, 200000u);
    setrlimit(RLIMIT_RTTIME, &before);  // lowering a hard limit may need privilege to undo

    service.unregisterService("org.freedesktop.RealtimeKit1");
    QDBusConnection::disconnectFromBus("fake-rtkit");
    EXPECT_EQ(requestFromWorker(5, worker), 0);  // no RealtimeKit on the bus
}

TEST_F(ThreadTimingTest, WithoutABusNothingIsGrantedAndNothingWaits)
{
    testsupport::TemporaryFolder folder;
    testsupport::ScopedEnv systemBus("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + folder.file("no-bus"));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(requestRealtimeFromRealtimeKit(5), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_TRUE(setMinimalTimerSlack());
}

}  // namespace
}  // namespace platform

#include "ThreadTimingTest.moc"

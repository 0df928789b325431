#include "platform/threads/ThreadTiming.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QString>
#include <QVariant>

#include <sched.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <string>

namespace platform {
namespace {

constexpr char kService[] = "org.freedesktop.RealtimeKit1";
constexpr char kPath[] = "/org/freedesktop/RealtimeKit1";
constexpr char kInterface[] = "org.freedesktop.RealtimeKit1";
constexpr char kPropertiesInterface[] = "org.freedesktop.DBus.Properties";
// RealtimeKit answers at once; starting it by bus activation takes a moment.
constexpr int kCallTimeoutMs = 2000;
// What RealtimeKit grants by default; also the bound for a thread made
// real-time directly.
constexpr rlim_t kDefaultRealtimeMicroseconds = 200000;
constexpr unsigned long kMinimalTimerSlackNs = 1;

// A connection of its own per request, closed afterwards: the request is made
// once per thread, and its bus address is read from the environment each time.
class BusConnection {
public:
    BusConnection()
        : name_(QStringLiteral("zuro-realtime-%1").arg(counter_.fetch_add(1))),
          connection_(QDBusConnection::connectToBus(QDBusConnection::SystemBus, name_))
    {
    }
    ~BusConnection() { QDBusConnection::disconnectFromBus(name_); }
    BusConnection(const BusConnection&) = delete;
    BusConnection& operator=(const BusConnection&) = delete;

    bool connected() const { return connection_.isConnected(); }

    std::optional<QVariant> property(const char* name)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kPropertiesInterface, "Get");
        call << QString(kInterface) << QString(name);
        const QDBusMessage reply = connection_.call(call, QDBus::Block, kCallTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return std::nullopt;
        return reply.arguments().front().value<QDBusVariant>().variant();
    }

    bool makeRealtime(qulonglong process, qulonglong thread, uint priority)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, "MakeThreadRealtimeWithPID");
        call << process << thread << priority;
        return connection_.call(call, QDBus::Block, kCallTimeoutMs).type() == QDBusMessage::ReplyMessage;
    }

private:
    static inline std::atomic<int> counter_{0};
    QString name_;
    QDBusConnection connection_;
};

// RealtimeKit refuses a process whose hard RLIMIT_RTTIME exceeds its maximum.
bool limitRealtimeRunTime(rlim_t microseconds)
{
    rlimit limit{};
    if (getrlimit(RLIMIT_RTTIME, &limit) != 0) return false;
    if (limit.rlim_max != RLIM_INFINITY && limit.rlim_max <= microseconds) return true;
    limit.rlim_cur = microseconds;
    limit.rlim_max = microseconds;
    return setrlimit(RLIMIT_RTTIME, &limit) == 0;
}

bool setRoundRobin(int priority)
{
    sched_param parameter{};
    parameter.sched_priority = priority;
    // Pid 0 is the calling thread; children started from it run normally.
    return sched_setscheduler(0, SCHED_RR | SCHED_RESET_ON_FORK, &parameter) == 0;
}

}  // namespace

bool setMinimalTimerSlack()
{
    return prctl(PR_SET_TIMERSLACK, kMinimalTimerSlackNs, 0, 0, 0) == 0;
}

int requestRealtimeFromRealtimeKit(int priority)
{
    if (priority <= 0) return 0;
    BusConnection bus;
    if (!bus.connected()) return 0;
    const std::optional<QVariant> maxPriority = bus.property("MaxRealtimePriority");
    const std::optional<QVariant> maxRunTime = bus.property("RTTimeUSecMax");
    if (!maxPriority || !maxRunTime) return 0;
    const int granted = std::min(priority, maxPriority->toInt());
    const qlonglong microseconds = maxRunTime->toLongLong();
    if (granted <= 0 || microseconds <= 0 || !limitRealtimeRunTime(static_cast<rlim_t>(microseconds))) return 0;
    if (!bus.makeRealtime(static_cast<qulonglong>(getpid()), static_cast<qulonglong>(gettid()),
                          static_cast<uint>(granted)))
        return 0;
    return granted;
}

int makeThreadRealtime(int priority)
{
    if (priority <= 0) return 0;
    // Directly where the process may (RLIMIT_RTPRIO or privilege), bounded as
    // RealtimeKit would bound it.
    rlimit allowed{};
    const bool mayDirectly = geteuid() == 0 || (getrlimit(RLIMIT_RTPRIO, &allowed) == 0 &&
                                                 allowed.rlim_cur >= static_cast<rlim_t>(priority));
    if (mayDirectly && limitRealtimeRunTime(kDefaultRealtimeMicroseconds) && setRoundRobin(priority)) return priority;
    return requestRealtimeFromRealtimeKit(priority);
}

ThreadTimingGrant makeThreadTimingCritical(int priority)
{
    ThreadTimingGrant grant;
    grant.minimalTimerSlack = setMinimalTimerSlack();
    grant.priority = makeThreadRealtime(priority);
    grant.realtime = grant.priority > 0;
    return grant;
}

}  // namespace platform

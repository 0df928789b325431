#include "platform/power/SleepWatcher.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QObject>
#include <QThread>

namespace platform {
namespace {

constexpr const char* kService = "org.freedesktop.login1";
constexpr const char* kPath = "/org/freedesktop/login1";
constexpr const char* kInterface = "org.freedesktop.login1.Manager";
constexpr const char* kSignal = "PrepareForSleep";

class SleepReceiver : public QObject {
    Q_OBJECT
public:
    explicit SleepReceiver(SleepWatcher::Callback callback) : callback_(std::move(callback)) {}
public slots:
    void prepareForSleep(bool goingToSleep) { callback_(goingToSleep); }
private:
    SleepWatcher::Callback callback_;
};

class DBusSleepWatcher final : public SleepWatcher {
public:
    explicit DBusSleepWatcher(Callback callback)
    {
        thread_.setObjectName(QStringLiteral("sleep watcher"));
        receiver_ = new SleepReceiver(std::move(callback));
        receiver_->moveToThread(&thread_);
        QObject::connect(&thread_, &QThread::finished, receiver_, &QObject::deleteLater);
    }

    bool connectAndStart()
    {
        // A private connection, so the signal is delivered on our thread's loop.
        connection_ = QDBusConnection::connectToBus(QDBusConnection::SystemBus, connectionName());
        if (!connection_.isConnected()) return false;
        if (!connection_.connect(kService, kPath, kInterface, kSignal, receiver_, SLOT(prepareForSleep(bool))))
            return false;
        thread_.start();
        return true;
    }

    ~DBusSleepWatcher() override
    {
        if (connection_.isConnected()) connection_.disconnect(kService, kPath, kInterface, kSignal, receiver_,
                                                              SLOT(prepareForSleep(bool)));
        thread_.quit();
        thread_.wait();
        if (!thread_.isFinished()) delete receiver_;
        QDBusConnection::disconnectFromBus(connectionName());
    }

private:
    QString connectionName() const
    {
        return QStringLiteral("zuro-sleep-watcher-%1").arg(reinterpret_cast<quintptr>(this));
    }

    QThread thread_;
    SleepReceiver* receiver_ = nullptr;
    QDBusConnection connection_{QString()};
};

}  // namespace

std::unique_ptr<SleepWatcher> SleepWatcher::start(Callback callback)
{
    if (QCoreApplication::instance() == nullptr) return nullptr;
    auto watcher = std::make_unique<DBusSleepWatcher>(std::move(callback));
    if (!watcher->connectAndStart()) return nullptr;
    return watcher;
}

}  // namespace platform

#include "SleepWatcher.moc"

// MPRIS over a private session bus started for each test, with a fake player
// that records the methods called on it.

#include "platform/media/MediaPlayers.h"
#include "tests/fakes/RecordingInjector.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

namespace platform {
namespace {

constexpr const char* kPlayerName = "fakeplayer";

// Records "interface.method" of every call and answers it with an empty reply.
class RecordingMprisObject : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        {
            std::lock_guard lock(mutex_);
            calls_.push_back((message.interface() + QLatin1Char('.') + message.member()).toStdString());
        }
        connection.send(message.createReply());
        return true;
    }

    std::vector<std::string> calls() const
    {
        std::lock_guard lock(mutex_);
        return calls_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> calls_;
};

class MediaPlayersOnBus : public testing::Test {
protected:
    void SetUp() override
    {
        FILE* daemon = ::popen("dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null", "r");
        if (daemon == nullptr) GTEST_SKIP() << "dbus-daemon cannot run";
        char address[512] = {};
        char pid[32] = {};
        const bool read = std::fgets(address, sizeof address, daemon) != nullptr &&
                          std::fgets(pid, sizeof pid, daemon) != nullptr;
        ::pclose(daemon);
        if (!read) GTEST_SKIP() << "dbus-daemon did not start";
        daemonPid_ = std::atoi(pid);
        std::string bus(address);
        while (!bus.empty() && bus.back() == '\n') bus.pop_back();
        ::setenv("DBUS_SESSION_BUS_ADDRESS", bus.c_str(), 1);

        app_ = std::make_unique<QCoreApplication>(argc_, argv_);
        // The fake player answers on a thread of its own, while the test blocks in calls.
        serviceThread_.start();
        player_.moveToThread(&serviceThread_);
        service_ = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-player"));
        ASSERT_TRUE(service_.registerVirtualObject(QStringLiteral("/org/mpris/MediaPlayer2"), &player_));
        ASSERT_TRUE(service_.registerService(QStringLiteral("org.mpris.MediaPlayer2.") + QLatin1String(kPlayerName)));
        players_ = openMediaPlayers(injector_);
    }

    void TearDown() override
    {
        players_.reset();
        if (app_ != nullptr) {
            service_.unregisterObject(QStringLiteral("/org/mpris/MediaPlayer2"));
            QDBusConnection::disconnectFromBus(QStringLiteral("fake-player"));
            serviceThread_.quit();
            serviceThread_.wait();
        }
        if (daemonPid_ > 0) ::kill(daemonPid_, SIGTERM);
    }

    int argc_ = 1;
    char name_[20] = "media_players_test";
    char* argv_[2] = {name_, nullptr};
    int daemonPid_ = 0;
    std::unique_ptr<QCoreApplication> app_;
    QThread serviceThread_;
    RecordingMprisObject player_;
    QDBusConnection service_{QString()};
    fakes::RecordingInjector injector_;
    std::unique_ptr<MediaPlayers> players_;
};

TEST_F(MediaPlayersOnBus, ListsTheRunningPlayerAndSendsItCommands)
{
    EXPECT_EQ(players_->runningPlayers(), std::vector<std::string>{kPlayerName});
    EXPECT_TRUE(players_->sendCommand(kPlayerName, PlayerCommand::Next));
    EXPECT_TRUE(players_->sendCommand(kPlayerName, PlayerCommand::Previous));
    EXPECT_TRUE(players_->sendCommand(kPlayerName, PlayerCommand::PlayPause));
    EXPECT_TRUE(players_->sendCommand(kPlayerName, PlayerCommand::Stop));
    EXPECT_TRUE(players_->raise(kPlayerName));
    EXPECT_EQ(player_.calls(), (std::vector<std::string>{
                                   "org.mpris.MediaPlayer2.Player.Next", "org.mpris.MediaPlayer2.Player.Previous",
                                   "org.mpris.MediaPlayer2.Player.PlayPause", "org.mpris.MediaPlayer2.Player.Stop",
                                   "org.mpris.MediaPlayer2.Raise"}));
}

TEST_F(MediaPlayersOnBus, AbsentOrMalformedPlayersGetNothing)
{
    EXPECT_FALSE(players_->sendCommand("absentplayer", PlayerCommand::Next));
    EXPECT_FALSE(players_->sendCommand("fakeplayer/../x", PlayerCommand::Next));
    EXPECT_FALSE(players_->sendCommand("", PlayerCommand::Next));
    EXPECT_FALSE(players_->raise("absentplayer"));
    EXPECT_TRUE(player_.calls().empty());
    EXPECT_FALSE(players_->startPlayer("zuro-no-such-player-program"));
}

TEST(MediaPlayers, MediaKeysArePressedAndReleased)
{
    fakes::RecordingInjector injector;
    auto players = openMediaPlayers(injector);
    EXPECT_TRUE(players->pressMediaKey(MediaKey::Next));
    EXPECT_TRUE(players->pressMediaKey(MediaKey::PlayPause));
    EXPECT_EQ(injector.log(), (std::vector<std::string>{"down 176", "up 176", "down 179", "up 179"}));
}

TEST(MediaPlayers, WithoutBusNoPlayerRuns)
{
    ::setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zuro-test-bus", 1);
    int argc = 1;
    char name[] = "media_players_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    fakes::RecordingInjector injector;
    auto players = openMediaPlayers(injector);
    EXPECT_TRUE(players->runningPlayers().empty());
    EXPECT_FALSE(players->sendCommand(kPlayerName, PlayerCommand::Next));
}

}  // namespace
}  // namespace platform

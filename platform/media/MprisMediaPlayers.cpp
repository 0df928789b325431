// Media players through MPRIS on the session bus, and the desktop's media keys
// through the input injector.

#include "platform/media/MediaPlayers.h"
#include "platform/input/InputInjector.h"
#include "platform/input/VirtualKeys.h"
#include "platform/system/ShellOpen.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>

#include <algorithm>
#include <atomic>

namespace platform {
namespace {

constexpr const char* kBusNamePrefix = "org.mpris.MediaPlayer2.";
constexpr const char* kObjectPath = "/org/mpris/MediaPlayer2";
constexpr const char* kRootInterface = "org.mpris.MediaPlayer2";
constexpr const char* kPlayerInterface = "org.mpris.MediaPlayer2.Player";
// A player that does not answer within this time counts as not running.
constexpr int kCallTimeoutMs = 1000;
constexpr std::size_t kMaxPlayerNameLength = 200;

// A player name is the rest of a bus name: elements of letters, digits, '_'
// and '-', separated by dots.
bool isValidPlayerName(const std::string& name)
{
    if (name.empty() || name.size() > kMaxPlayerNameLength || name.front() == '.' || name.back() == '.')
        return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
               c == '-' || c == '.';
    });
}

const char* methodOf(PlayerCommand command)
{
    switch (command) {
    case PlayerCommand::Next: return "Next";
    case PlayerCommand::Previous: return "Previous";
    case PlayerCommand::PlayPause: return "PlayPause";
    case PlayerCommand::Play: return "Play";
    case PlayerCommand::Pause: return "Pause";
    case PlayerCommand::Stop: return "Stop";
    }
    return "PlayPause";
}

std::uint8_t virtualKeyOf(MediaKey key)
{
    switch (key) {
    case MediaKey::Next: return VK_MEDIA_NEXT_TRACK;
    case MediaKey::Previous: return VK_MEDIA_PREV_TRACK;
    case MediaKey::PlayPause: return VK_MEDIA_PLAY_PAUSE;
    case MediaKey::Stop: return VK_MEDIA_STOP;
    case MediaKey::VolumeUp: return VK_VOLUME_UP;
    case MediaKey::VolumeDown: return VK_VOLUME_DOWN;
    case MediaKey::Mute: return VK_VOLUME_MUTE;
    }
    return VK_MEDIA_PLAY_PAUSE;
}

QString uniqueConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("zuro-media-players-%1").arg(counter.fetch_add(1));
}

class MprisMediaPlayers final : public MediaPlayers {
public:
    explicit MprisMediaPlayers(InputInjector& injector) : injector_(injector)
    {
        // Qt's D-Bus needs an application object; without one no player is reachable.
        if (QCoreApplication::instance() == nullptr) return;
        connectionName_ = uniqueConnectionName();
        connection_ = QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName_);
    }

    ~MprisMediaPlayers() override
    {
        if (!connectionName_.isEmpty()) QDBusConnection::disconnectFromBus(connectionName_);
    }

    std::vector<std::string> runningPlayers() override
    {
        std::vector<std::string> players;
        if (!connection_.isConnected()) return players;
        const QDBusMessage reply = connection_.call(
            QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                           QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListNames")),
            QDBus::Block, kCallTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return players;
        const QString prefix = QString::fromLatin1(kBusNamePrefix);
        for (const QString& name : reply.arguments().constFirst().toStringList()) {
            if (!name.startsWith(prefix)) continue;
            std::string player = name.mid(prefix.size()).toStdString();
            if (isValidPlayerName(player)) players.push_back(std::move(player));
        }
        std::sort(players.begin(), players.end());
        return players;
    }

    bool sendCommand(const std::string& player, PlayerCommand command) override
    {
        return call(player, kPlayerInterface, methodOf(command));
    }

    bool raise(const std::string& player) override { return call(player, kRootInterface, "Raise"); }

    bool startPlayer(const std::string& program) override
    {
        return !program.empty() && startProgram(program, {});
    }

    bool pressMediaKey(MediaKey key) override
    {
        const std::uint8_t virtualKey = virtualKeyOf(key);
        const std::uint16_t scanCode = usScanCodeOfVirtualKey(virtualKey);
        if (!injector_.sendKey(virtualKey, scanCode, KeyAction::Down)) return false;
        return injector_.sendKey(virtualKey, scanCode, KeyAction::Up);
    }

private:
    bool call(const std::string& player, const char* interface, const char* method)
    {
        if (!connection_.isConnected() || !isValidPlayerName(player)) return false;
        const QDBusMessage message = QDBusMessage::createMethodCall(
            QString::fromLatin1(kBusNamePrefix) + QString::fromStdString(player), QString::fromLatin1(kObjectPath),
            QString::fromLatin1(interface), QString::fromLatin1(method));
        return connection_.call(message, QDBus::Block, kCallTimeoutMs).type() == QDBusMessage::ReplyMessage;
    }

    InputInjector& injector_;
    QString connectionName_;
    QDBusConnection connection_{QString()};
};

}  // namespace

std::unique_ptr<MediaPlayers> openMediaPlayers(InputInjector& injector)
{
    return std::make_unique<MprisMediaPlayers>(injector);
}

}  // namespace platform

// KDE Plasma's pointer settings on Wayland: KWin offers each input device on
// D-Bus with the libinput settings as properties; every mouse (a pointer that is
// no touchpad) gets the profile's speed and acceleration profile. KWin keeps
// what is set in its own configuration.

#include "platform/registry/DesktopPointerControl.h"
#include "platform/registry/PointerMapping.h"
#include "platform/system/DebugOutput.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QStringList>

#include <atomic>
#include <mutex>

namespace platform {
namespace {

const QString kService = QStringLiteral("org.kde.KWin");
const QString kManagerPath = QStringLiteral("/org/kde/KWin/InputDevice");
const QString kManagerInterface = QStringLiteral("org.kde.KWin.InputDeviceManager");
const QString kDeviceInterface = QStringLiteral("org.kde.KWin.InputDevice");
const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
// A compositor that does not answer must not hold up the monitor's window thread.
constexpr int kCallTimeoutMs = 1000;

// Device names are kernel node names ("event5"); anything else would make a
// wrong or invalid object path.
bool isPathElement(const QString& name)
{
    if (name.isEmpty()) return false;
    for (const QChar c : name) {
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != QLatin1Char('_')) return false;
    }
    return true;
}

class KWinPointerControl final : public DesktopPointerControl {
public:
    explicit KWinPointerControl(QDBusConnection bus) : bus_(std::move(bus)) {}
    ~KWinPointerControl() override
    {
        if (!privateName_.isEmpty()) QDBusConnection::disconnectFromBus(privateName_);
    }

    static std::unique_ptr<KWinPointerControl> onBus(std::string_view address)
    {
        if (address.empty()) return std::make_unique<KWinPointerControl>(QDBusConnection::sessionBus());
        static std::atomic<int> counter{0};
        const QString name = QStringLiteral("zuro-kwin-pointer-%1").arg(counter++);
        auto control = std::make_unique<KWinPointerControl>(
            QDBusConnection::connectToBus(QString::fromUtf8(address.data(), static_cast<int>(address.size())), name));
        control->privateName_ = name;
        return control;
    }

    bool setAcceleration(int, int, int speed) override
    {
        const bool flat = accelerationProfile(speed) == AccelerationProfile::Flat;
        return forEachMouse([&](const QString& path) {
            const bool flatSet = setProperty(path, QStringLiteral("pointerAccelerationProfileFlat"), flat);
            return setProperty(path, QStringLiteral("pointerAccelerationProfileAdaptive"), !flat) && flatSet;
        });
    }

    bool setPointerSpeed(int speed) override
    {
        const double value = libinputAccelSpeed(speed);
        return forEachMouse([&](const QString& path) {
            return setProperty(path, QStringLiteral("pointerAcceleration"), value);
        });
    }

    // KWin's devices have no double-click time; Plasma keeps it per application framework.
    bool setDoubleClickTime(int) override { return false; }

private:
    QVariant property(const QString& path, const QString& interface, const QString& name)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(kService, path, kPropertiesInterface, QStringLiteral("Get"));
        call << interface << name;
        const QDBusMessage reply = bus_.call(call, QDBus::Block, kCallTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return {};
        return reply.arguments().first().value<QDBusVariant>().variant();
    }

    bool setProperty(const QString& path, const QString& name, const QVariant& value)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(kService, path, kPropertiesInterface, QStringLiteral("Set"));
        call << kDeviceInterface << name << QVariant::fromValue(QDBusVariant(value));
        const QDBusMessage reply = bus_.call(call, QDBus::Block, kCallTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage) return true;
        debugPrintf("pointer settings: KWin refused %s of %s: %s\n", qPrintable(name), qPrintable(path),
                    qPrintable(reply.errorMessage()));
        return false;
    }

    // True when there was a mouse and `apply` succeeded on every one.
    template <typename Apply>
    bool forEachMouse(Apply apply)
    {
        std::lock_guard lock(mutex_);
        if (!bus_.isConnected()) return false;
        const QStringList devices = property(kManagerPath, kManagerInterface, QStringLiteral("devicesSysNames")).toStringList();
        int mice = 0;
        bool applied = true;
        for (const QString& device : devices) {
            if (!isPathElement(device)) continue;
            const QString path = kManagerPath + QLatin1Char('/') + device;
            if (!property(path, kDeviceInterface, QStringLiteral("pointer")).toBool() ||
                property(path, kDeviceInterface, QStringLiteral("touchpad")).toBool() ||
                !property(path, kDeviceInterface, QStringLiteral("supportsPointerAcceleration")).toBool())
                continue;
            ++mice;
            applied = apply(path) && applied;
        }
        return mice > 0 && applied;
    }

    std::mutex mutex_;
    QDBusConnection bus_;
    QString privateName_;
};

}  // namespace

std::unique_ptr<DesktopPointerControl> openKWinPointerControl(std::string_view busAddress)
{
    return KWinPointerControl::onBus(busAddress);
}

}  // namespace platform

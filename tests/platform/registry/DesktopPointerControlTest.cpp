// The desktop's own pointer settings: which desktop a session is, GNOME's keys
// in GSettings' memory backend, and KWin's device properties as a fake KWin on
// a private D-Bus bus records them.

#include "platform/registry/DesktopPointerControl.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QProcess>
#include <QStringList>
#include <QThread>

#include <future>
#include <mutex>
#include <string>
#include <vector>

#undef signals  // GIO names a struct member so
#include <gio/gio.h>

namespace platform {
namespace {

TEST(PointerDesktop, WaylandSessionsByTheirDesktopAndEverythingElseAsX11)
{
    EXPECT_EQ(pointerDesktopOf("ubuntu:GNOME", "wayland"), PointerDesktop::GnomeWayland);
    EXPECT_EQ(pointerDesktopOf("GNOME-Classic:GNOME", "Wayland"), PointerDesktop::GnomeWayland);
    EXPECT_EQ(pointerDesktopOf("KDE", "wayland"), PointerDesktop::PlasmaWayland);
    EXPECT_EQ(pointerDesktopOf("sway", "wayland"), PointerDesktop::OtherWayland);
    EXPECT_EQ(pointerDesktopOf(nullptr, "wayland"), PointerDesktop::OtherWayland);
    EXPECT_EQ(pointerDesktopOf("GNOMEISH", "wayland"), PointerDesktop::OtherWayland);
    EXPECT_EQ(pointerDesktopOf("KDE", "x11"), PointerDesktop::X11);
    EXPECT_EQ(pointerDesktopOf("GNOME", nullptr), PointerDesktop::X11);
}

TEST(GnomePointerControl, WritesTheMouseKeysOfGnomesSettings)
{
    // Chosen once per process, at GIO's first use of settings.
    setenv("GSETTINGS_BACKEND", "memory", 1);
    const auto control = openGnomePointerControl();
    EXPECT_TRUE(control->setPointerSpeed(15));
    EXPECT_TRUE(control->setAcceleration(6, 10, 1));
    EXPECT_TRUE(control->setDoubleClickTime(430));

    GSettings* settings = g_settings_new("org.gnome.desktop.peripherals.mouse");
    EXPECT_DOUBLE_EQ(g_settings_get_double(settings, "speed"), 0.5);
    gchar* profile = g_settings_get_string(settings, "accel-profile");
    EXPECT_STREQ(profile, "adaptive");
    g_free(profile);
    EXPECT_EQ(g_settings_get_int(settings, "double-click"), 430);

    EXPECT_TRUE(control->setAcceleration(6, 10, 0));
    profile = g_settings_get_string(settings, "accel-profile");
    EXPECT_STREQ(profile, "flat");
    g_free(profile);
    g_object_unref(settings);
}

// What the fake KWin was told, as "event3 pointerAcceleration 0.5".
struct Recorder {
    std::mutex mutex;
    std::vector<std::string> sets;
    void add(const QString& device, const char* name, double value)
    {
        std::lock_guard lock(mutex);
        sets.push_back(device.toStdString() + " " + name + " " + QString::number(value).toStdString());
    }
    std::vector<std::string> take()
    {
        std::lock_guard lock(mutex);
        return std::exchange(sets, {});
    }
};

class FakeInputDevice : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.KWin.InputDevice")
    Q_PROPERTY(bool pointer MEMBER pointer_ CONSTANT)
    Q_PROPERTY(bool touchpad MEMBER touchpad_ CONSTANT)
    Q_PROPERTY(bool supportsPointerAcceleration MEMBER pointer_ CONSTANT)
    Q_PROPERTY(double pointerAcceleration READ zero WRITE setAcceleration)
    Q_PROPERTY(bool pointerAccelerationProfileFlat READ no WRITE setFlat)
    Q_PROPERTY(bool pointerAccelerationProfileAdaptive READ no WRITE setAdaptive)

public:
    FakeInputDevice(QString name, bool pointer, bool touchpad, Recorder& recorder)
        : name_(std::move(name)), pointer_(pointer), touchpad_(touchpad), recorder_(recorder)
    {
    }
    double zero() const { return 0; }
    bool no() const { return false; }
    void setAcceleration(double value) { recorder_.add(name_, "pointerAcceleration", value); }
    void setFlat(bool value) { recorder_.add(name_, "pointerAccelerationProfileFlat", value); }
    void setAdaptive(bool value) { recorder_.add(name_, "pointerAccelerationProfileAdaptive", value); }

private:
    QString name_;
    bool pointer_;
    bool touchpad_;
    Recorder& recorder_;
};

class FakeDeviceManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.KWin.InputDeviceManager")
    Q_PROPERTY(QStringList devicesSysNames MEMBER names_ CONSTANT)

public:
    explicit FakeDeviceManager(QStringList names) : names_(std::move(names)) {}

private:
    QStringList names_;
};

// KWin with a mouse (event3), a touchpad (event4), a keyboard (event5) and a
// name that is no device node, serving on its own thread.
class FakeKWin : public QThread {
public:
    FakeKWin(QString address, Recorder& recorder) : address_(std::move(address)), recorder_(recorder) {}

    bool startServing()
    {
        start();
        return ready_.get_future().get();
    }

protected:
    void run() override
    {
        {
            QDBusConnection bus = QDBusConnection::connectToBus(address_, QStringLiteral("fake-kwin"));
            FakeDeviceManager manager({"event3", "event4", "event5", "../event3"});
            FakeInputDevice mouse("event3", true, false, recorder_);
            FakeInputDevice touchpad("event4", true, true, recorder_);
            FakeInputDevice keyboard("event5", false, false, recorder_);
            const auto options = QDBusConnection::ExportAllProperties;
            const QString base = QStringLiteral("/org/kde/KWin/InputDevice");
            const bool served = bus.registerObject(base, &manager, options) &&
                                bus.registerObject(base + "/event3", &mouse, options) &&
                                bus.registerObject(base + "/event4", &touchpad, options) &&
                                bus.registerObject(base + "/event5", &keyboard, options) &&
                                bus.registerService(QStringLiteral("org.kde.KWin"));
            ready_.set_value(served);
            if (served) exec();
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-kwin"));
    }

private:
    QString address_;
    Recorder& recorder_;
    std::promise<bool> ready_;
};

class KWinPointerControlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "desktop_pointer_control_test";
        static char* argv[] = {name, nullptr};
        if (QCoreApplication::instance() == nullptr) new QCoreApplication(argc, argv);
    }

    void SetUp() override
    {
        bus_.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
        ASSERT_TRUE(bus_.waitForStarted(5000)) << "dbus-daemon is needed";
        ASSERT_TRUE(bus_.waitForReadyRead(5000));
        address_ = QString::fromUtf8(bus_.readLine()).trimmed();
        ASSERT_FALSE(address_.isEmpty());
    }

    void TearDown() override
    {
        if (kwin_) {
            kwin_->quit();
            kwin_->wait();
        }
        bus_.terminate();
        bus_.waitForFinished(5000);
    }

    bool serveKWin()
    {
        kwin_ = std::make_unique<FakeKWin>(address_, recorder_);
        return kwin_->startServing();
    }

    QProcess bus_;
    QString address_;
    Recorder recorder_;
    std::unique_ptr<FakeKWin> kwin_;
};

TEST_F(KWinPointerControlTest, SpeedAndProfileGoToEveryMouseAndNoOtherDevice)
{
    ASSERT_TRUE(serveKWin());
    const auto control = openKWinPointerControl(address_.toStdString());
    EXPECT_TRUE(control->setPointerSpeed(15));
    EXPECT_TRUE(control->setAcceleration(6, 10, 0));
    EXPECT_TRUE(control->setAcceleration(4, 13, 2));
    EXPECT_FALSE(control->setDoubleClickTime(430));
    EXPECT_EQ(recorder_.take(), (std::vector<std::string>{
                                    "event3 pointerAcceleration 0.5",
                                    "event3 pointerAccelerationProfileFlat 1",
                                    "event3 pointerAccelerationProfileAdaptive 0",
                                    "event3 pointerAccelerationProfileFlat 0",
                                    "event3 pointerAccelerationProfileAdaptive 1",
                                }));
}

TEST_F(KWinPointerControlTest, WithoutKWinNothingIsApplied)
{
    const auto control = openKWinPointerControl(address_.toStdString());
    EXPECT_FALSE(control->setPointerSpeed(15));
    EXPECT_FALSE(control->setAcceleration(6, 10, 1));
}

}  // namespace
}  // namespace platform

#include "DesktopPointerControlTest.moc"

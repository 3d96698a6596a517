#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>

#include "platform/DBusSessionEvents.h"

namespace tundle {

TEST(DBusSessionEventsTest, ReadsThePowerProfileAndAnimationsAsTheServicesSendThem) {
    EXPECT_TRUE(DBusSessionEvents::isPowerSaver(QStringLiteral("power-saver")));
    EXPECT_TRUE(DBusSessionEvents::isPowerSaver(
        QVariant::fromValue(QDBusVariant(QStringLiteral("power-saver")))));
    EXPECT_FALSE(DBusSessionEvents::isPowerSaver(QStringLiteral("balanced")));
    EXPECT_FALSE(DBusSessionEvents::isPowerSaver(QVariant()));

    EXPECT_EQ(DBusSessionEvents::animationsEnabled(false), false);
    // Older portals wrap the value once more.
    const QVariant twice =
        QVariant::fromValue(QDBusVariant(QVariant::fromValue(QDBusVariant(true))));
    EXPECT_EQ(DBusSessionEvents::animationsEnabled(twice), true);
    EXPECT_EQ(DBusSessionEvents::animationsEnabled(QStringLiteral("no")), std::nullopt);
}

TEST(DBusSessionEventsTest, WithoutAnyBusEverythingStaysQuiet) {
    DBusSessionEvents events(QDBusConnection(QStringLiteral("absent-system")),
                             QDBusConnection(QStringLiteral("absent-session")));
    QSignalSpy sleeps(&events, &SessionEvents::willSleep);
    EXPECT_FALSE(events.screensAsleep());
    EXPECT_TRUE(events.sessionActive());
    EXPECT_FALSE(events.lowPower());
    EXPECT_FALSE(events.reduceMotion());
    EXPECT_EQ(sleeps.count(), 0);
}

namespace {

// A private message bus of our own, standing in for both the system and the session bus.
class PrivateBus {
public:
    PrivateBus() {
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--print-address=1")});
        if (daemon_.waitForStarted() && daemon_.waitForReadyRead()) {
            address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
        }
    }
    ~PrivateBus() {
        QDBusConnection::disconnectFromBus(QStringLiteral("listener"));
        QDBusConnection::disconnectFromBus(QStringLiteral("services"));
        daemon_.kill();
        daemon_.waitForFinished();
    }
    bool usable() const { return !address_.isEmpty(); }
    QDBusConnection connect(const QString& name) {
        return QDBusConnection::connectToBus(address_, name);
    }

private:
    QProcess daemon_;
    QString address_;
};

void send(QDBusConnection& bus, const QString& path, const QString& interface, const QString& name,
          const QVariantList& arguments) {
    QDBusMessage signal = QDBusMessage::createSignal(path, interface, name);
    signal.setArguments(arguments);
    ASSERT_TRUE(bus.send(signal));
}

}  // namespace

TEST(DBusSessionEventsTest, HearsEachServiceOnTheBus) {
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
        << "scripts/install-deps installs dbus-daemon";
    PrivateBus bus;
    ASSERT_TRUE(bus.usable());
    QDBusConnection services = bus.connect(QStringLiteral("services"));
    ASSERT_TRUE(services.isConnected());
    for (const char* name :
         {"org.freedesktop.login1", "net.hadess.PowerProfiles", "org.freedesktop.portal.Desktop"}) {
        ASSERT_TRUE(services.registerService(QString::fromLatin1(name))) << name;
    }
    QDBusConnection listener = bus.connect(QStringLiteral("listener"));
    DBusSessionEvents events(listener, listener);
    QSignalSpy sleeps(&events, &SessionEvents::willSleep);
    QSignalSpy wakes(&events, &SessionEvents::woke);
    QSignalSpy screens(&events, &SessionEvents::screensAsleepChanged);
    QSignalSpy power(&events, &SessionEvents::lowPowerChanged);
    QSignalSpy motion(&events, &SessionEvents::reduceMotionChanged);

    send(services, "/org/freedesktop/login1", "org.freedesktop.login1.Manager", "PrepareForSleep",
         {true});
    send(services, "/org/freedesktop/login1", "org.freedesktop.login1.Manager", "PrepareForSleep",
         {false});
    ASSERT_TRUE(wakes.wait());
    EXPECT_EQ(sleeps.count(), 1);

    send(services, "/org/gnome/ScreenSaver", "org.gnome.ScreenSaver", "ActiveChanged", {true});
    ASSERT_TRUE(screens.wait());
    EXPECT_TRUE(events.screensAsleep());

    send(services, "/net/hadess/PowerProfiles", "org.freedesktop.DBus.Properties",
         "PropertiesChanged",
         {QStringLiteral("net.hadess.PowerProfiles"),
          QVariantMap{{QStringLiteral("ActiveProfile"), QStringLiteral("power-saver")}},
          QStringList()});
    ASSERT_TRUE(power.wait());
    EXPECT_TRUE(events.lowPower());

    send(services, "/org/freedesktop/portal/desktop", "org.freedesktop.portal.Settings",
         "SettingChanged",
         {QStringLiteral("org.gnome.desktop.interface"), QStringLiteral("enable-animations"),
          QVariant::fromValue(QDBusVariant(false))});
    ASSERT_TRUE(motion.wait());
    EXPECT_TRUE(events.reduceMotion());
    EXPECT_TRUE(events.sessionActive()) << "no logind session answered: the quiet default";
}

}  // namespace tundle

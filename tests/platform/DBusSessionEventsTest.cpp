#include <gtest/gtest.h>

#include <QDBusVariant>
#include <QSignalSpy>

#include "DBusSessionEvents.h"

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

}  // namespace tundle

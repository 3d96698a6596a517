#pragma once

#include <QDBusConnection>
#include <QDBusVariant>
#include <QStringList>
#include <QVariantMap>
#include <functional>
#include <optional>

#include "platform/SessionEvents.h"

namespace tundle {

// The session's events from D-Bus: sleep and wake from logind's PrepareForSleep, this
// session's Active property from logind, the screen saver's ActiveChanged, power-profiles-
// daemon's "power-saver" profile and GNOME's enable-animations through the desktop portal.
// A service that is not there leaves its value at the quiet default.
class DBusSessionEvents : public SessionEvents {
    Q_OBJECT

public:
    DBusSessionEvents(QDBusConnection system, QDBusConnection session, QObject* parent = nullptr);
    explicit DBusSessionEvents(QObject* parent = nullptr);

    // The active power profile asks for saving power.
    static bool isPowerSaver(const QVariant& profile);
    // GNOME's enable-animations as the portal hands it over (older portals wrap the value
    // twice); none when it is not a Boolean.
    static std::optional<bool> animationsEnabled(const QVariant& value);

private slots:
    void prepareForSleep(bool sleeping);
    void screenSaverActiveChanged(bool active);
    void sessionPropertiesChanged(const QString& interface, const QVariantMap& changed,
                                  const QStringList& invalidated);
    void powerPropertiesChanged(const QString& interface, const QVariantMap& changed,
                                const QStringList& invalidated);
    void portalSettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    void findSession();
    void readSessionActive();
    void readPowerProfile();
    void readAnimations();
    void call(QDBusConnection& bus, QDBusMessage message,
              std::function<void(const QDBusMessage&)> answered);
    void readProperty(QDBusConnection& bus, const QString& service, const QString& path,
                      const QString& interface, const QString& property,
                      std::function<void(const QVariant&)> read);

    QDBusConnection system_;
    QDBusConnection session_;
    QString sessionPath_;
};

}  // namespace tundle

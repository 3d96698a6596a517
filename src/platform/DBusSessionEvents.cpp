#include "platform/DBusSessionEvents.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>

namespace tundle {

namespace {

const QString login1 = QStringLiteral("org.freedesktop.login1");
const QString loginSession = QStringLiteral("org.freedesktop.login1.Session");
const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString powerProfiles = QStringLiteral("net.hadess.PowerProfiles");
const QString powerPath = QStringLiteral("/net/hadess/PowerProfiles");
const QString portal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString portalSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString interfaceGroup = QStringLiteral("org.gnome.desktop.interface");
const QString animationsKey = QStringLiteral("enable-animations");

// The freedesktop and the GNOME screen savers announce the same signal.
const std::pair<QString, QString> screenSavers[] = {
    {QStringLiteral("/org/freedesktop/ScreenSaver"), QStringLiteral("org.freedesktop.ScreenSaver")},
    {QStringLiteral("/org/gnome/ScreenSaver"), QStringLiteral("org.gnome.ScreenSaver")},
};

QVariant unwrapped(QVariant value) {
    while (value.userType() == qMetaTypeId<QDBusVariant>()) {
        value = value.value<QDBusVariant>().variant();
    }
    return value;
}

}  // namespace

DBusSessionEvents::DBusSessionEvents(QObject* parent)
    : DBusSessionEvents(QDBusConnection::systemBus(), QDBusConnection::sessionBus(), parent) {}

DBusSessionEvents::DBusSessionEvents(QDBusConnection system, QDBusConnection session,
                                     QObject* parent)
    : SessionEvents(parent), system_(std::move(system)), session_(std::move(session)) {
    system_.connect(login1, QStringLiteral("/org/freedesktop/login1"),
                    QStringLiteral("org.freedesktop.login1.Manager"),
                    QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
    findSession();

    for (const auto& [path, interface] : screenSavers) {
        session_.connect({}, path, interface, QStringLiteral("ActiveChanged"), this,
                         SLOT(screenSaverActiveChanged(bool)));
    }
    system_.connect(powerProfiles, powerPath, properties, QStringLiteral("PropertiesChanged"), this,
                    SLOT(powerPropertiesChanged(QString, QVariantMap, QStringList)));
    readPowerProfile();
    session_.connect(portal, portalPath, portalSettings, QStringLiteral("SettingChanged"), this,
                     SLOT(portalSettingChanged(QString, QString, QDBusVariant)));
    readAnimations();
}

bool DBusSessionEvents::isPowerSaver(const QVariant& profile) {
    return unwrapped(profile).toString() == QStringLiteral("power-saver");
}

std::optional<bool> DBusSessionEvents::animationsEnabled(const QVariant& value) {
    const QVariant plain = unwrapped(value);
    if (plain.typeId() != QMetaType::Bool) {
        return std::nullopt;
    }
    return plain.toBool();
}

void DBusSessionEvents::call(QDBusConnection& bus, QDBusMessage message,
                             std::function<void(const QDBusMessage&)> answered) {
    if (!bus.isConnected()) {
        return;
    }
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [answered = std::move(answered)](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusMessage reply = finished->reply();
                if (reply.type() == QDBusMessage::ReplyMessage) {
                    answered(reply);
                }
            });
}

void DBusSessionEvents::readProperty(QDBusConnection& bus, const QString& service,
                                     const QString& path, const QString& interface,
                                     const QString& property,
                                     std::function<void(const QVariant&)> read) {
    QDBusMessage get =
        QDBusMessage::createMethodCall(service, path, properties, QStringLiteral("Get"));
    get << interface << property;
    call(bus, get, [read = std::move(read)](const QDBusMessage& reply) {
        if (!reply.arguments().isEmpty()) {
            read(unwrapped(reply.arguments().constFirst()));
        }
    });
}

void DBusSessionEvents::findSession() {
    QDBusMessage find = QDBusMessage::createMethodCall(
        login1, QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("GetSessionByPID"));
    find << quint32(QCoreApplication::applicationPid());
    call(system_, find, [this](const QDBusMessage& reply) {
        if (reply.arguments().isEmpty()) {
            return;
        }
        sessionPath_ = reply.arguments().constFirst().value<QDBusObjectPath>().path();
        if (sessionPath_.isEmpty()) {
            return;
        }
        system_.connect(login1, sessionPath_, properties, QStringLiteral("PropertiesChanged"), this,
                        SLOT(sessionPropertiesChanged(QString, QVariantMap, QStringList)));
        readSessionActive();
    });
}

void DBusSessionEvents::readSessionActive() {
    readProperty(system_, login1, sessionPath_, loginSession, QStringLiteral("Active"),
                 [this](const QVariant& active) { setSessionActive(active.toBool()); });
}

void DBusSessionEvents::readPowerProfile() {
    readProperty(system_, powerProfiles, powerPath, powerProfiles, QStringLiteral("ActiveProfile"),
                 [this](const QVariant& profile) { setLowPower(isPowerSaver(profile)); });
}

void DBusSessionEvents::readAnimations() {
    QDBusMessage read =
        QDBusMessage::createMethodCall(portal, portalPath, portalSettings, QStringLiteral("Read"));
    read << interfaceGroup << animationsKey;
    call(session_, read, [this](const QDBusMessage& reply) {
        if (reply.arguments().isEmpty()) {
            return;
        }
        if (const std::optional<bool> enabled = animationsEnabled(reply.arguments().constFirst())) {
            setReduceMotion(!*enabled);
        }
    });
}

void DBusSessionEvents::prepareForSleep(bool sleeping) {
    reportSleep(sleeping);
}

void DBusSessionEvents::screenSaverActiveChanged(bool active) {
    setScreensAsleep(active);
}

void DBusSessionEvents::sessionPropertiesChanged(const QString& interface,
                                                 const QVariantMap& changed,
                                                 const QStringList& invalidated) {
    if (interface != loginSession) {
        return;
    }
    if (changed.contains(QStringLiteral("Active"))) {
        setSessionActive(unwrapped(changed.value(QStringLiteral("Active"))).toBool());
    } else if (invalidated.contains(QStringLiteral("Active"))) {
        readSessionActive();
    }
}

void DBusSessionEvents::powerPropertiesChanged(const QString& interface, const QVariantMap& changed,
                                               const QStringList& invalidated) {
    if (interface != powerProfiles) {
        return;
    }
    if (changed.contains(QStringLiteral("ActiveProfile"))) {
        setLowPower(isPowerSaver(changed.value(QStringLiteral("ActiveProfile"))));
    } else if (invalidated.contains(QStringLiteral("ActiveProfile"))) {
        readPowerProfile();
    }
}

void DBusSessionEvents::portalSettingChanged(const QString& group, const QString& key,
                                             const QDBusVariant& value) {
    if (group != interfaceGroup || key != animationsKey) {
        return;
    }
    if (const std::optional<bool> enabled = animationsEnabled(value.variant())) {
        setReduceMotion(!*enabled);
    }
}

}  // namespace tundle

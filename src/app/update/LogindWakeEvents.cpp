#include "update/LogindWakeEvents.h"

#include <QDBusConnection>
#include <QGuiApplication>

namespace tundle {

LogindWakeEvents::LogindWakeEvents(QObject* parent) : QObject(parent) {
    QDBusConnection::systemBus().connect(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
        SLOT(prepareForSleep(bool)));
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive) {
                    wake();
                }
            });
}

void LogindWakeEvents::prepareForSleep(bool sleeping) {
    if (!sleeping) {
        wake();
    }
}

void LogindWakeEvents::wake() {
    if (woke_) {
        woke_();
    }
}

}  // namespace tundle

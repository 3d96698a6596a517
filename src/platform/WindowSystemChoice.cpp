#include "platform/WindowSystemChoice.h"

namespace tundle {

QString WindowSystemChoice::forEnvironment(const QProcessEnvironment& environment) {
    const auto isSet = [&environment](const QString& name) {
        return !environment.value(name).isEmpty();
    };
    if (isSet(QStringLiteral("QT_QPA_PLATFORM")) || !isSet(QStringLiteral("WAYLAND_DISPLAY")) ||
        !isSet(QStringLiteral("DISPLAY"))) {
        return {};
    }
    return QStringLiteral("xcb");
}

void WindowSystemChoice::apply() {
    const QString platform = forEnvironment(QProcessEnvironment::systemEnvironment());
    if (!platform.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", platform.toLocal8Bit());
    }
}

}  // namespace tundle

#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace tundle {

// The environment switches used when testing the application by hand or by script. A switch is
// on only when its variable is exactly "1".
struct QaSwitches {
    bool breathing = false;  // TUNDLE_QA_BREATHING: start with the breathing exercise
    bool qaMode = false;     // TUNDLE_QA_MODE: no networking for the room environment
    bool compact = false;    // TUNDLE_QA_COMPACT, only under the QA build's identifier
    bool hover = false;      // TUNDLE_QA_HOVER: the accessory labels start revealed

    static inline const QString qaBundleIdentifier = QStringLiteral("local.pet-tundle.qa-app");

    static QaSwitches fromEnvironment(const QProcessEnvironment& environment,
                                      const QString& bundleIdentifier);

    bool operator==(const QaSwitches&) const = default;
};

}  // namespace tundle

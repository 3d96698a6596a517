#include "model/QaSwitches.h"

namespace tundle {

namespace {

bool isOn(const QProcessEnvironment& environment, const QString& name) {
    return environment.contains(name) && environment.value(name) == QLatin1String("1");
}

}  // namespace

QaSwitches QaSwitches::fromEnvironment(const QProcessEnvironment& environment,
                                       const QString& bundleIdentifier) {
    return {
        isOn(environment, QStringLiteral("TUNDLE_QA_BREATHING")),
        isOn(environment, QStringLiteral("TUNDLE_QA_MODE")),
        bundleIdentifier == qaBundleIdentifier &&
            isOn(environment, QStringLiteral("TUNDLE_QA_COMPACT")),
        isOn(environment, QStringLiteral("TUNDLE_QA_HOVER")),
    };
}

}  // namespace tundle

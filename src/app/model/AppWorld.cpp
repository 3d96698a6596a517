#include "model/AppWorld.h"

#include <QRandomGenerator>
#include <QtGlobal>

namespace tundle {

std::optional<QString> systemEnvironment(const char* name) {
    if (!qEnvironmentVariableIsSet(name)) {
        return std::nullopt;
    }
    return qEnvironmentVariable(name);
}

int systemRandom(int bound) {
    return static_cast<int>(QRandomGenerator::global()->bounded(bound));
}

double systemRoll() {
    return QRandomGenerator::global()->generateDouble();
}

}  // namespace tundle

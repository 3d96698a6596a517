#include "model/AppWorld.h"

#include <QRandomGenerator>
#include <QtGlobal>

namespace tundle {

int systemRandom(int bound) {
    return static_cast<int>(QRandomGenerator::global()->bounded(bound));
}

double systemRoll() {
    return QRandomGenerator::global()->generateDouble();
}

}  // namespace tundle

#include "support/ApplicationSupport.h"

#include <QDir>
#include <QStandardPaths>

namespace tundle {

std::optional<QString> ApplicationSupport::folder() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    // A relative location would put the user's files wherever the process happens to run.
    if (base.isEmpty() || QDir::isRelativePath(base)) {
        return std::nullopt;
    }
    return QDir(base).filePath(QStringLiteral("pet-tundle"));
}

std::optional<QString> ApplicationSupport::path(const QString& name) {
    if (auto base = folder()) {
        return QDir(*base).filePath(name);
    }
    return std::nullopt;
}

}  // namespace tundle

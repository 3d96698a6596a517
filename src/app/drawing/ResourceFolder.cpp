#include "drawing/ResourceFolder.h"

#include <QDir>
#include <QFileInfo>

namespace tundle {

std::optional<QString> ResourceFolder::locate(const QString& executableFolder) {
    const QDir folder(executableFolder);
    for (const QString& candidate : {folder.filePath(QStringLiteral("../share/pet-tundle")),
                                     folder.filePath(QStringLiteral("../../assets"))}) {
        if (QFileInfo(candidate).isDir()) {
            return QDir::cleanPath(QFileInfo(candidate).absoluteFilePath());
        }
    }
    return std::nullopt;
}

}  // namespace tundle

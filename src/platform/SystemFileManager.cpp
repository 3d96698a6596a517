#include "platform/SystemFileManager.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "platform/FreedesktopTrash.h"

namespace tundle {

SystemFileManager::SystemFileManager(std::function<QDateTime()> clock) : clock_(std::move(clock)) {}

QString SystemFileManager::homeDirectory() const {
    return QDir::homePath();
}

QString SystemFileManager::trashDirectory() const {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Trash");
}

std::optional<QByteArray> SystemFileManager::moveToTrash(const QByteArray& path) {
    return FreedesktopTrash(QFile::encodeName(trashDirectory()), clock_).moveToTrash(path);
}

std::optional<TrashedFileIdentity> SystemFileManager::identity(const QByteArray& path) const {
    return TrashedFileIdentity::read(path);
}

bool SystemFileManager::itemExists(const QByteArray& path) const {
    struct stat status {};
    return ::lstat(path.constData(), &status) == 0;
}

void SystemFileManager::restoreFromTrash(const QByteArray& trashedPath,
                                         const QByteArray& originalPath) {
    FreedesktopTrash::restore(trashedPath, originalPath);
}

}  // namespace tundle

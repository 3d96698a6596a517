#include "companion/SystemFileManager.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>

#include "support/FileIO.h"

namespace tundle {

QString SystemFileManager::homeDirectory() const {
    return QDir::homePath();
}

QString SystemFileManager::trashDirectory() const {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Trash");
}

std::optional<QString> SystemFileManager::moveToTrash(const QString& path) {
    // Qt falls back to the current directory when it cannot make the Trash folder itself, and
    // still reports success; a Trash that already exists keeps it from doing that.
    const QString trash = trashDirectory();
    if (!QFileInfo(trash).isDir()) {
        if (!QDir().mkpath(trash)) {
            throw FileError(
                QStringLiteral("无法创建废纸篓文件夹“%1”：%2").arg(trash, qt_error_string(errno)));
        }
        QFile::setPermissions(
            trash, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    QFile item(path);
    if (!item.moveToTrash()) {
        throw FileError(QStringLiteral("无法将“%1”移入废纸篓：%2").arg(path, item.errorString()));
    }
    const QString location = item.fileName();
    if (!QDir::isAbsolutePath(location)) {
        return std::nullopt;
    }
    return location;
}

std::optional<TrashedFileIdentity> SystemFileManager::identity(const QString& path) const {
    return TrashedFileIdentity::read(path);
}

bool SystemFileManager::itemExists(const QString& path) const {
    struct stat status {};
    return lstat(QFile::encodeName(path).constData(), &status) == 0;
}

void SystemFileManager::restoreFromTrash(const QString& trashedPath, const QString& originalPath) {
    if (renameat2(AT_FDCWD, QFile::encodeName(trashedPath).constData(), AT_FDCWD,
                  QFile::encodeName(originalPath).constData(), RENAME_NOREPLACE) != 0) {
        throw FileError(QStringLiteral("无法将“%1”放回“%2”：%3")
                            .arg(trashedPath, originalPath, qt_error_string(errno)));
    }
    // The item's description would otherwise stay behind as an entry the Trash cannot restore.
    const QFileInfo trashed(trashedPath);
    const QDir files = trashed.dir();
    if (files.dirName() == QStringLiteral("files")) {
        QFile::remove(QDir::cleanPath(files.absolutePath() + QStringLiteral("/../info/") +
                                      trashed.fileName() + QStringLiteral(".trashinfo")));
    }
}

}  // namespace tundle

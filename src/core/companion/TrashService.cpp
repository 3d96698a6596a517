#include "companion/TrashService.h"

#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

#include "companion/TrashRestoreError.h"
#include "support/FileIO.h"
#include "support/Uuid.h"

namespace tundle {

namespace {

QString notLocalMessage() {
    return QStringLiteral("仅支持本机文件与文件夹。");
}

QString protectedMessage() {
    return QStringLiteral("为避免误操作，不能吞掉系统目录、用户主目录或废纸篓。");
}

QString noLocationMessage() {
    return QStringLiteral("文件已移入系统废纸篓，但系统未返回位置，请在文件管理器的废纸篓中恢复。");
}

QString noIdentityMessage() {
    return QStringLiteral("文件已移入系统废纸篓，但无法验证其身份，请在文件管理器的废纸篓中恢复。");
}

// A path on this machine, written from the root; a file URL naming another host is not.
bool isLocalFileUrl(const QUrl& url) {
    return url.isLocalFile() && url.host().isEmpty() && QDir::isAbsolutePath(url.toLocalFile());
}

QUrl standardised(const QUrl& url) {
    if (!isLocalFileUrl(url)) {
        return url.adjusted(QUrl::NormalizePathSegments);
    }
    return QUrl::fromLocalFile(QDir::cleanPath(url.toLocalFile()));
}

// Every symbolic link resolved; for an item that does not resolve (a dangling link) its
// folder is resolved and its own name kept.
QString resolvedPath(const QString& path) {
    const QString clean = QDir::cleanPath(path);
    const QFileInfo info(clean);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty()) {
        return canonical;
    }
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? clean : QDir::cleanPath(folder + u'/' + info.fileName());
}

bool isInside(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(folder + u'/');
}

bool isSystemRoot(const QString& path) {
    static const QSet<QString> roots{
        "/",        "/System", "/Library",     "/Applications", "/Users",       "/Volumes",
        "/private", "/usr",    "/bin",         "/sbin",         "/dev",         "/etc",
        "/tmp",     "/var",    "/private/etc", "/private/tmp",  "/private/var", "/boot",
        "/home",    "/lib",    "/lib32",       "/lib64",        "/media",       "/mnt",
        "/opt",     "/proc",   "/root",        "/run",          "/snap",        "/srv",
        "/sys"};
    return roots.contains(path);
}

bool isTrashFolderName(const QString& name) {
    static const QRegularExpression perUser(QStringLiteral("^\\.Trash-[0-9]+$"));
    return name == QStringLiteral(".Trash") || name == QStringLiteral(".Trashes") ||
           perUser.match(name).hasMatch();
}

bool isVolumeRoot(const QStringList& parts) {
    const auto named = [&](qsizetype index, const char* name) {
        return parts[index] == QLatin1String(name);
    };
    return (parts.size() == 2 && named(0, "Volumes")) || (parts.size() == 3 && named(0, "media")) ||
           (parts.size() == 4 && named(0, "run") && named(1, "media"));
}

bool isMountPoint(const QString& path) {
    struct stat item {};
    struct stat parent {};
    return lstat(QFile::encodeName(path).constData(), &item) == 0 &&
           lstat(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &parent) == 0 &&
           item.st_dev != parent.st_dev;
}

bool isProtectedPath(const QString& path, const QString& home, const QString& trash) {
    if (isSystemRoot(path) || isInside(home, path) || path == home + QStringLiteral("/Library") ||
        path == home + QStringLiteral("/.local") || path == home + QStringLiteral("/.config") ||
        isInside(path, trash)) {
        return true;
    }
    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    return std::any_of(parts.begin(), parts.end(), isTrashFolderName) || isVolumeRoot(parts) ||
           isMountPoint(path);
}

}  // namespace

TrashService::TrashService(FileManager& fileManager, QObject* parent)
    : QObject(parent), fileManager_(fileManager) {}

TrashResult TrashService::trash(const QList<QUrl>& urls) {
    TrashResult result;
    QSet<QUrl> seen;
    for (const QUrl& url : urls) {
        const QUrl item = standardised(url);
        if (seen.contains(item)) {
            continue;
        }
        seen.insert(item);
        if (!isLocalFileUrl(item)) {
            result.failures.append({url, notLocalMessage()});
            continue;
        }
        trashOne(item, result);
    }
    return result;
}

void TrashService::trashOne(const QUrl& url, TrashResult& result) {
    if (isProtectedLocation(url, QUrl::fromLocalFile(fileManager_.homeDirectory()),
                            QUrl::fromLocalFile(fileManager_.trashDirectory()))) {
        result.failures.append({url, protectedMessage()});
        return;
    }
    std::optional<QString> location;
    try {
        location = fileManager_.moveToTrash(url.toLocalFile());
    } catch (const FileError& error) {
        result.failures.append({url, error.message()});
        return;
    }
    if (!location) {
        result.failures.append({url, noLocationMessage()});
        return;
    }
    const std::optional<TrashedFileIdentity> identity = fileManager_.identity(*location);
    if (!identity) {
        result.failures.append({url, noIdentityMessage()});
        return;
    }
    const TrashReceipt receipt{newUuid(), url, QUrl::fromLocalFile(*location),
                               QDateTime::currentDateTimeUtc(), *identity};
    receipts_.prepend(receipt);
    publish();
    result.receipts.append(receipt);
}

void TrashService::undo(const TrashReceipt& receipt) {
    if (!receipts_.contains(receipt)) {
        throw TrashRestoreError(TrashRestoreError::Reason::unknownReceipt);
    }
    const QString original = receipt.originalURL.toLocalFile();
    const QString trashed = receipt.trashedURL.toLocalFile();
    if (fileManager_.itemExists(original)) {
        throw TrashRestoreError(TrashRestoreError::Reason::destinationExists);
    }
    const std::optional<TrashedFileIdentity> identity = fileManager_.identity(trashed);
    if (!identity) {
        throw TrashRestoreError(TrashRestoreError::Reason::trashedFileMissing);
    }
    if (*identity != receipt.identity) {
        throw TrashRestoreError(TrashRestoreError::Reason::trashedFileChanged);
    }
    fileManager_.restoreFromTrash(trashed, original);
    receipts_.removeIf([&](const TrashReceipt& held) { return held.id == receipt.id; });
    publish();
}

bool TrashService::isProtectedLocation(const QUrl& url, const QUrl& home, const QUrl& trash) {
    // Listed places are links on some systems ("/bin" on a merged /usr), so the path as written
    // is checked as well as the place it leads to.
    const auto written = [](const QUrl& location) {
        return QDir::cleanPath(location.toLocalFile());
    };
    const auto resolved = [](const QUrl& location) { return resolvedPath(location.toLocalFile()); };
    return isProtectedPath(resolved(url), resolved(home), resolved(trash)) ||
           isProtectedPath(written(url), written(home), written(trash));
}

void TrashService::publish() {
    emit receiptsChanged();
    emit changed();
}

}  // namespace tundle

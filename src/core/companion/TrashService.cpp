#include "companion/TrashService.h"

#include <QFile>
#include <QSet>

#include "companion/ProtectedPlaces.h"
#include "companion/TrashRestoreError.h"
#include "support/FileIO.h"
#include "support/LocalPath.h"
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
    return url.isLocalFile() && url.host().isEmpty() && LocalPath::fromUrl(url).startsWith('/');
}

// The path is cleaned as bytes: decoded to text, a name that is not valid UTF-8 would become
// another name.
QUrl standardised(const QUrl& url) {
    if (!isLocalFileUrl(url)) {
        return url.adjusted(QUrl::NormalizePathSegments);
    }
    return LocalPath::toUrl(LocalPath::clean(LocalPath::fromUrl(url)));
}

}  // namespace

TrashService::TrashService(FileManager& fileManager, QObject* parent)
    : QObject(parent), fileManager_(fileManager) {}

TrashResult TrashService::trash(const QList<QUrl>& urls) {
    TrashResult result;
    QSet<QUrl> seen;
    const ProtectedPlaces protectedPlaces(QFile::encodeName(fileManager_.homeDirectory()),
                                          QFile::encodeName(fileManager_.trashDirectory()));
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
        trashOne(item, protectedPlaces, result);
    }
    return result;
}

void TrashService::trashOne(const QUrl& url, const ProtectedPlaces& protectedPlaces,
                            TrashResult& result) {
    const QByteArray path = LocalPath::fromUrl(url);
    if (protectedPlaces.contains(path)) {
        result.failures.append({url, protectedMessage()});
        return;
    }
    std::optional<QByteArray> location;
    try {
        location = fileManager_.moveToTrash(path);
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
    const TrashReceipt receipt{newUuid(), url, LocalPath::toUrl(*location),
                               QDateTime::currentDateTimeUtc(), *identity};
    receipts_.prepend(receipt);
    publish();
    result.receipts.append(receipt);
}

void TrashService::undo(const TrashReceipt& receipt) {
    if (!receipts_.contains(receipt)) {
        throw TrashRestoreError(TrashRestoreError::Reason::unknownReceipt);
    }
    const QByteArray original = LocalPath::fromUrl(receipt.originalURL);
    const QByteArray trashed = LocalPath::fromUrl(receipt.trashedURL);
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
    return ProtectedPlaces(LocalPath::fromUrl(home), LocalPath::fromUrl(trash))
        .contains(LocalPath::fromUrl(url));
}

void TrashService::publish() {
    emit receiptsChanged();
    emit changed();
}

}  // namespace tundle

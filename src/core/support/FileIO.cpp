#include "support/FileIO.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tundle {

namespace {

FileError failure(const char* what, const QString& path, const QString& detail) {
    return FileError(QStringLiteral("%1“%2”：%3").arg(QString::fromUtf8(what), path, detail));
}

}  // namespace

QByteArray FileIO::readAtMost(const QString& path, qint64 limit) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw failure("无法打开文件", path, file.errorString());
    }
    QByteArray bytes;
    bytes.resize(limit + 1);
    qint64 total = 0;
    while (total < limit + 1) {
        const qint64 got = file.read(bytes.data() + total, limit + 1 - total);
        if (got < 0) {
            throw failure("无法读取文件", path, file.errorString());
        }
        if (got == 0) {
            break;
        }
        total += got;
    }
    bytes.resize(total);
    return bytes;
}

void FileIO::writeAtomically(const QString& path, const QByteArray& bytes) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        throw failure("无法创建文件夹", folder, QStringLiteral("请检查权限。"));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw failure("无法写入文件", path, file.errorString());
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        const QString detail = file.errorString();
        file.cancelWriting();
        throw failure("无法写入文件", path, detail);
    }
}

}  // namespace tundle

#include "content/ContentDisk.h"

#include <fcntl.h>
#include <ftw.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <vector>

#include "content/Sha256.h"
#include "support/FileIO.h"
#include "support/Uuid.h"

namespace tundle {

namespace {

FileError failure(const char* what, const QString& path, int error) {
    return FileError(
        QStringLiteral("%1“%2”：%3").arg(QString::fromUtf8(what), path, qt_error_string(error)));
}

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

void writeAll(int fd, const QByteArray& bytes, const QString& path) {
    qint64 written = 0;
    while (written < bytes.size()) {
        const ssize_t put =
            ::write(fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw failure("无法写入文件", path, errno);
        }
        written += put;
    }
}

void closeChecked(FileDescriptor& fd, const QString& path) {
    if (::close(fd.release()) != 0) {
        throw failure("无法写入文件", path, errno);
    }
}

int removeEntry(const char* path, const struct stat*, int, struct FTW*) {
    return ::remove(path) == 0 ? 0 : -1;
}

}  // namespace

std::optional<qint64> ContentDisk::regularFileSize(const QString& path) {
    struct stat info {};
    if (::lstat(native(path).constData(), &info) != 0) {
        throw failure("无法读取文件", path, errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return static_cast<qint64>(info.st_size);
}

QByteArray ContentDisk::readRegularFile(const QString& path, qint64 limit) {
    return FileIO::readAtMost(path, limit, FileIO::FinalLink::refuse);
}

QString ContentDisk::hashRegularFile(const QString& path, qint64 limit) {
    static constexpr qint64 pieceSize = 1 << 20;
    const FileDescriptor fd = FileIO::openRegular(path, FileIO::FinalLink::refuse);
    std::vector<char> piece(static_cast<std::size_t>(pieceSize));
    Sha256 hash;
    qint64 remaining = limit + 1;
    while (remaining > 0) {
        const qint64 got = FileIO::readUpTo(fd, piece.data(), std::min(pieceSize, remaining), path);
        if (got == 0) {
            break;
        }
        hash.add(QByteArrayView(piece.data(), got));
        remaining -= got;
    }
    return hash.finishText();
}

void ContentDisk::writeNewFile(const QString& path, const QByteArray& bytes) {
    FileDescriptor fd(::open(native(path).constData(),
                             O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644));
    if (fd.get() < 0) {
        throw failure("无法写入文件", path, errno);
    }
    writeAll(fd.get(), bytes, path);
    closeChecked(fd, path);
}

void ContentDisk::replaceDurably(const QString& path, const QByteArray& bytes) {
    const QString aside = path + QStringLiteral(".") + uuidText(newUuid()) + QStringLiteral(".tmp");
    try {
        FileDescriptor fd(::open(native(aside).constData(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644));
        if (fd.get() < 0) {
            throw failure("无法写入文件", aside, errno);
        }
        writeAll(fd.get(), bytes, aside);
        if (::fsync(fd.get()) != 0) {
            throw failure("无法写入文件", aside, errno);
        }
        closeChecked(fd, aside);
        if (::rename(native(aside).constData(), native(path).constData()) != 0) {
            throw failure("无法写入文件", path, errno);
        }
    } catch (...) {
        ::unlink(native(aside).constData());
        throw;
    }
    const QString folder = QFileInfo(path).absolutePath();
    const FileDescriptor directory(
        ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() < 0 || ::fsync(directory.get()) != 0) {
        throw failure("无法写入文件夹", folder, errno);
    }
}

bool ContentDisk::exists(const QString& path) {
    struct stat info {};
    return ::lstat(native(path).constData(), &info) == 0;
}

void ContentDisk::makeFolder(const QString& path) {
    if (::mkdir(native(path).constData(), 0755) != 0) {
        throw failure("无法创建文件夹", path, errno);
    }
}

void ContentDisk::makeFolders(const QString& path) {
    if (!QDir().mkpath(path)) {
        throw FileError(QStringLiteral("无法创建文件夹“%1”。").arg(path));
    }
}

void ContentDisk::moveFolder(const QString& from, const QString& to) {
    if (::renameat2(AT_FDCWD, native(from).constData(), AT_FDCWD, native(to).constData(),
                    RENAME_NOREPLACE) != 0) {
        throw failure("无法移动文件夹", from, errno);
    }
}

void ContentDisk::removeTree(const QString& path) {
    if (::nftw(native(path).constData(), removeEntry, 16, FTW_DEPTH | FTW_PHYS) != 0) {
        throw failure("无法删除", path, errno);
    }
}

QStringList ContentDisk::entries(const QString& folder) {
    QDir directory(folder);
    if (!directory.exists()) {
        throw FileError(QStringLiteral("无法读取文件夹“%1”。").arg(folder));
    }
    return directory.entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                               QDir::NoDotAndDotDot);
}

}  // namespace tundle

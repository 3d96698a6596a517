#include "support/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <memory>
#include <vector>

namespace tundle {

namespace {

// A read that fills what the file's size promised goes on in pieces of at least this size:
// files the kernel makes up as they are read (/proc) say they hold nothing.
constexpr qint64 smallestPiece = 4096;

// Opens the new version of a file and writes it whole onto the disk; the target is replaced
// only by its commit. Unbuffered, so a full disk fails the write itself instead of a flush
// whose failure the commit would not report.
std::unique_ptr<QSaveFile> prepare(const FileIO::Contents& contents) {
    const QString folder = QFileInfo(contents.path).absolutePath();
    if (!QDir().mkpath(folder)) {
        throw FileError::of("无法创建文件夹", folder, QStringLiteral("请检查权限。"));
    }
    auto file = std::make_unique<QSaveFile>(contents.path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        throw FileError::of("无法写入文件", contents.path, file->errorString());
    }
    FileIO::writeAll(file->handle(), contents.bytes, contents.path);
    if (::fsync(file->handle()) != 0) {
        throw FileError::system("无法写入文件", contents.path, errno);
    }
    return file;
}

// Makes the renames themselves survive a power loss. The new files are already in place and
// whole, so a folder that cannot be synced changes nothing the caller could act on.
void syncFolder(const QString& path) {
    const FileDescriptor folder(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.isOpen()) {
        ::fsync(folder.get());
    }
}

}  // namespace

FileError FileError::of(const char* what, const QString& path, const QString& detail) {
    return FileError(QStringLiteral("%1“%2”：%3").arg(QString::fromUtf8(what), path, detail));
}

FileError FileError::system(const char* what, const QString& path, int error) {
    return of(what, path, qt_error_string(error));
}

FileDescriptor FileIO::openRegular(const QString& path, FinalLink link) {
    return openRegularAt(AT_FDCWD, QFile::encodeName(path), path, link);
}

FileDescriptor FileIO::openRegularAt(int folder, const QByteArray& name, const QString& path,
                                     FinalLink link) {
    const int noFollow = link == FinalLink::refuse ? O_NOFOLLOW : 0;
    FileDescriptor fd(
        ::openat(folder, name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | noFollow));
    if (!fd.isOpen()) {
        throw FileError::system("无法打开文件", path, errno);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        throw FileError::system("无法读取文件", path, errno);
    }
    if (!S_ISREG(info.st_mode)) {
        throw FileError(QStringLiteral("“%1”不是普通文件。").arg(path));
    }
    return fd;
}

qint64 FileIO::readUpTo(const FileDescriptor& file, char* buffer, qint64 size,
                        const QString& path) {
    qint64 total = 0;
    while (total < size) {
        const ssize_t got = ::read(file.get(), buffer + total, static_cast<size_t>(size - total));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileError::system("无法读取文件", path, errno);
        }
        if (got == 0) {
            break;
        }
        total += got;
    }
    return total;
}

QByteArray FileIO::readAtMost(const QString& path, qint64 limit, FinalLink link) {
    return readAtMost(openRegular(path, link), limit, path);
}

QByteArray FileIO::readAtMost(const FileDescriptor& file, qint64 limit, const QString& path) {
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        throw FileError::system("无法读取文件", path, errno);
    }
    // One byte more than the file says it holds, so reaching the end costs no second buffer.
    QByteArray bytes(std::min<qint64>(info.st_size, limit) + 1, Qt::Uninitialized);
    qint64 total = 0;
    while (true) {
        total += readUpTo(file, bytes.data() + total, bytes.size() - total, path);
        if (total < bytes.size() || bytes.size() > limit) {
            break;
        }
        bytes.resize(std::min(limit + 1, std::max(bytes.size() * 2, smallestPiece)));
    }
    bytes.resize(total);
    if (bytes.capacity() > total + 1) {
        bytes.squeeze();
    }
    return bytes;
}

int FileIO::writeAll(const WriteCall& put, QByteArrayView bytes) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t taken =
            put(bytes.data() + written, static_cast<std::size_t>(bytes.size() - written));
        if (taken < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (taken == 0) {
            return EIO;
        }
        written += taken;
    }
    return 0;
}

int FileIO::writeAll(int fd, QByteArrayView bytes) {
    return writeAll([fd](const char* data, std::size_t size) { return ::write(fd, data, size); },
                    bytes);
}

void FileIO::writeAll(int fd, QByteArrayView bytes, const QString& path) {
    if (const int error = writeAll(fd, bytes); error != 0) {
        throw FileError::system("无法写入文件", path, error);
    }
}

void FileIO::writeAtomically(const QString& path, const QByteArray& bytes) {
    writeAtomically(QList<Contents>{{path, bytes}});
}

void FileIO::writeAtomically(const QList<Contents>& files) {
    std::vector<std::unique_ptr<QSaveFile>> prepared;
    for (const Contents& contents : files) {
        prepared.push_back(prepare(contents));
    }
    for (std::size_t index = 0; index < prepared.size(); ++index) {
        if (!prepared[index]->commit()) {
            throw FileError::of("无法写入文件", files[qsizetype(index)].path,
                                prepared[index]->errorString());
        }
    }
    QStringList folders;
    for (const Contents& contents : files) {
        const QString folder = QFileInfo(contents.path).absolutePath();
        if (!folders.contains(folder)) {
            folders.append(folder);
            syncFolder(folder);
        }
    }
}

}  // namespace tundle

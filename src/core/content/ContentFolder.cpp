#include "content/ContentFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <utility>
#include <vector>

#include "content/Sha256.h"
#include "support/FileIO.h"
#include "support/Uuid.h"

namespace tundle {

namespace {

// One entry of a folder: never empty, never "." or "..", never with a slash.
QByteArray entryName(const QString& name) {
    const QByteArray bytes = QFile::encodeName(name);
    if (bytes.isEmpty() || bytes == "." || bytes == ".." || bytes.contains('/') ||
        bytes.contains('\0')) {
        throw FileError(QStringLiteral("“%1”不是有效的文件名。").arg(name));
    }
    return bytes;
}

constexpr int folderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW;

FileDescriptor openRegular(int folder, const QString& name, const QString& path) {
    return FileIO::openRegularAt(folder, entryName(name), path, FileIO::FinalLink::refuse);
}

void closeChecked(FileDescriptor& fd, const QString& path) {
    if (::close(fd.release()) != 0) {
        throw FileError::system("无法写入文件", path, errno);
    }
}

FileDescriptor createNew(int folder, const QString& name, const QString& path) {
    FileDescriptor fd(::openat(folder, entryName(name).constData(),
                               O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644));
    if (!fd.isOpen()) {
        throw FileError::system("无法写入文件", path, errno);
    }
    return fd;
}

std::optional<struct stat> entryInfo(int folder, const QString& name) {
    struct stat info {};
    if (::fstatat(folder, entryName(name).constData(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        return std::nullopt;
    }
    return info;
}

// The entries of an open folder, read through a descriptor of its own so that the held
// one keeps its position and stays open.
QList<QByteArray> listFolder(int folder, const QString& path) {
    FileDescriptor own(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!own.isOpen()) {
        throw FileError::system("无法读取文件夹", path, errno);
    }
    DIR* listing = ::fdopendir(own.get());
    if (listing == nullptr) {
        throw FileError::system("无法读取文件夹", path, errno);
    }
    // The listing closes the descriptor from here on.
    own.release();
    QList<QByteArray> names;
    errno = 0;
    while (const dirent* entry = ::readdir(listing)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..") {
            names.append(name);
        }
        errno = 0;
    }
    const int error = errno;
    ::closedir(listing);
    if (error != 0) {
        throw FileError::system("无法读取文件夹", path, error);
    }
    return names;
}

// Deletes the entry `name` of the open folder `parent`. A folder is emptied through its own
// descriptor, opened without following a link, so a folder swapped for a link while this runs
// only ends the deletion with an error.
void removeEntry(int parent, const QByteArray& name, const QString& path) {
    const FileDescriptor folder(::openat(parent, name.constData(), folderFlags));
    if (!folder.isOpen()) {
        if (errno != ENOTDIR && errno != ELOOP) {
            throw FileError::system("无法删除", path, errno);
        }
        if (::unlinkat(parent, name.constData(), 0) != 0) {
            throw FileError::system("无法删除", path, errno);
        }
        return;
    }
    for (const QByteArray& entry : listFolder(folder.get(), path)) {
        removeEntry(folder.get(), entry, path + u'/' + QFile::decodeName(entry));
    }
    if (::unlinkat(parent, name.constData(), AT_REMOVEDIR) != 0) {
        throw FileError::system("无法删除", path, errno);
    }
}

}  // namespace

ContentFolder::ContentFolder(FileDescriptor descriptor, QString path)
    : descriptor_(std::move(descriptor)), path_(std::move(path)) {}

ContentFolder ContentFolder::openCreating(const QString& path) {
    if (!QDir().mkpath(path)) {
        throw FileError(QStringLiteral("无法创建文件夹“%1”。").arg(path));
    }
    FileDescriptor fd(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.isOpen()) {
        throw FileError::system("无法打开文件夹", path, errno);
    }
    return ContentFolder(std::move(fd), path);
}

QString ContentFolder::pathOf(const QString& name) const {
    return path_ + u'/' + name;
}

ContentFolder ContentFolder::folder(const QString& name) const {
    FileDescriptor fd(::openat(handle(), entryName(name).constData(), folderFlags));
    if (!fd.isOpen()) {
        throw FileError::system("无法打开文件夹", pathOf(name), errno);
    }
    return ContentFolder(std::move(fd), pathOf(name));
}

ContentFolder ContentFolder::makeFolder(const QString& name) const {
    if (::mkdirat(handle(), entryName(name).constData(), 0755) != 0) {
        throw FileError::system("无法创建文件夹", pathOf(name), errno);
    }
    return folder(name);
}

bool ContentFolder::contains(const QString& name) const {
    return entryInfo(handle(), name).has_value();
}

bool ContentFolder::holds(const QString& name, const ContentFolder& other) const {
    struct stat held {};
    const std::optional<struct stat> entry = entryInfo(handle(), name);
    return entry && ::fstat(other.handle(), &held) == 0 && entry->st_dev == held.st_dev &&
           entry->st_ino == held.st_ino;
}

std::optional<qint64> ContentFolder::regularFileSize(const QString& name) const {
    struct stat info {};
    if (::fstatat(handle(), entryName(name).constData(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        throw FileError::system("无法读取文件", pathOf(name), errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return static_cast<qint64>(info.st_size);
}

QByteArray ContentFolder::readRegularFile(const QString& name, qint64 limit) const {
    const QString path = pathOf(name);
    return FileIO::readAtMost(openRegular(handle(), name, path), limit, path);
}

QString ContentFolder::hashRegularFile(const QString& name, qint64 limit) const {
    static constexpr qint64 pieceSize = 1 << 20;
    const QString path = pathOf(name);
    const FileDescriptor fd = openRegular(handle(), name, path);
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

void ContentFolder::writeNewFile(const QString& name, const QByteArray& bytes) const {
    const QString path = pathOf(name);
    FileDescriptor fd = createNew(handle(), name, path);
    FileIO::writeAll(fd.get(), bytes, path);
    closeChecked(fd, path);
}

void ContentFolder::replaceDurably(const QString& name, const QByteArray& bytes) const {
    const QString aside = name + QStringLiteral(".") + uuidText(newUuid()) + QStringLiteral(".tmp");
    try {
        FileDescriptor fd = createNew(handle(), aside, pathOf(aside));
        FileIO::writeAll(fd.get(), bytes, pathOf(aside));
        if (::fsync(fd.get()) != 0) {
            throw FileError::system("无法写入文件", pathOf(aside), errno);
        }
        closeChecked(fd, pathOf(aside));
        const std::optional<struct stat> existing = entryInfo(handle(), name);
        if (existing && S_ISDIR(existing->st_mode)) {
            removeTree(name);
        }
        if (::renameat(handle(), entryName(aside).constData(), handle(),
                       entryName(name).constData()) != 0) {
            throw FileError::system("无法写入文件", pathOf(name), errno);
        }
    } catch (...) {
        ::unlinkat(handle(), entryName(aside).constData(), 0);
        throw;
    }
    if (::fsync(handle()) != 0) {
        throw FileError::system("无法写入文件夹", path_, errno);
    }
}

void ContentFolder::move(const QString& from, const QString& to) const {
    if (::renameat2(handle(), entryName(from).constData(), handle(), entryName(to).constData(),
                    RENAME_NOREPLACE) != 0) {
        throw FileError::system("无法移动文件夹", pathOf(from), errno);
    }
}

void ContentFolder::removeTree(const QString& name) const {
    removeEntry(handle(), entryName(name), pathOf(name));
}

QStringList ContentFolder::entries() const {
    QStringList names;
    for (const QByteArray& name : listFolder(handle(), path_)) {
        names.append(QFile::decodeName(name));
    }
    return names;
}

// Names are compared as the bytes on disk, so an entry whose name is not valid UTF-8 is
// deleted like any other.
void ContentFolder::removeEntriesExcept(const QStringList& kept) const {
    QList<QByteArray> keptNames;
    for (const QString& name : kept) {
        keptNames.append(QFile::encodeName(name));
    }
    for (const QByteArray& entry : listFolder(handle(), path_)) {
        if (keptNames.contains(entry)) {
            continue;
        }
        try {
            removeEntry(handle(), entry, pathOf(QFile::decodeName(entry)));
        } catch (const FileError&) {
            // What is left is tried again next time.
        }
    }
}

}  // namespace tundle

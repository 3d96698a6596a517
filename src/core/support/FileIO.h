#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <functional>

#include "support/FileDescriptor.h"
#include "support/UserFacingError.h"

namespace tundle {

// A file that could not be opened, read or written; the message names the file and ends
// with the system's own description.
class FileError : public UserFacingError {
public:
    using UserFacingError::UserFacingError;

    // "<what>“<path>”：<detail>", the one shape every failed file operation is told in.
    static FileError of(const char* what, const QString& path, const QString& detail);
    // The same, with the system's description of `error` (an errno value) as the detail.
    static FileError system(const char* what, const QString& path, int error);
};

class FileIO {
public:
    // Whether a symbolic link at the path itself is followed or refused.
    enum class FinalLink { follow, refuse };

    struct Contents {
        QString path;
        QByteArray bytes;
    };

    // Opens a regular file for reading. The open never waits, so a FIFO or a device planted
    // at the path cannot hang the caller; anything but a regular file is refused.
    static FileDescriptor openRegular(const QString& path, FinalLink link = FinalLink::follow);
    // The same for the entry `name` of an open folder; `path` names it in messages.
    static FileDescriptor openRegularAt(int folder, const QByteArray& name, const QString& path,
                                        FinalLink link);
    // Reads up to `size` bytes, fewer only at the end of the file.
    static qint64 readUpTo(const FileDescriptor& file, char* buffer, qint64 size,
                           const QString& path);
    // At most limit + 1 bytes of a regular file, so a caller can tell an over-long file from a
    // full one without loading more than that. The buffer is sized by what the file holds, not
    // by the limit, so a small file costs little however generous the limit.
    static QByteArray readAtMost(const QString& path, qint64 limit,
                                 FinalLink link = FinalLink::follow);
    // The same for a file already open.
    static QByteArray readAtMost(const FileDescriptor& file, qint64 limit, const QString& path);

    // Writes every byte through `put` (a write(2)-like call: bytes taken, or -1 with errno),
    // going on after an interruption. Answers 0 once all is written, else the errno value; a
    // write that takes nothing is a failure (EIO), so a device that accepts nothing cannot
    // keep the loop spinning.
    using WriteCall = std::function<ssize_t(const char* data, std::size_t size)>;
    static int writeAll(const WriteCall& put, QByteArrayView bytes);
    // The same onto an open descriptor.
    static int writeAll(int fd, QByteArrayView bytes);
    // The same, throwing FileError naming `path`.
    static void writeAll(int fd, QByteArrayView bytes, const QString& path);

    // Creates the file's folder with any missing parents, then replaces the file in one
    // step: a reader sees the old bytes or the new ones, never a part.
    static void writeAtomically(const QString& path, const QByteArray& bytes);
    // Writes every new version whole onto the disk first, then replaces the files one by one
    // in their order. A failure while writing (a full disk) leaves every file as it was; a
    // replacement failing after an earlier one succeeded leaves the earlier ones replaced, so
    // callers order the files so that any such prefix is safe to find on disk (a configuration
    // writes its `.previous` copy first).
    static void writeAtomically(const QList<Contents>& files);
};

}  // namespace tundle

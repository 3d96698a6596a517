#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "support/FileDescriptor.h"
#include "support/UserFacingError.h"

namespace tundle {

// A file that could not be opened, read or written; the message names the file and ends
// with the system's own description.
class FileError : public UserFacingError {
public:
    using UserFacingError::UserFacingError;
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
    // full one without loading more than that.
    static QByteArray readAtMost(const QString& path, qint64 limit,
                                 FinalLink link = FinalLink::follow);

    // Creates the file's folder with any missing parents, then replaces the file in one
    // step: a reader sees the old bytes or the new ones, never a part.
    static void writeAtomically(const QString& path, const QByteArray& bytes);
    // Replaces the files in their order, but only once every new version has been written
    // and is on the disk: a failed write (a full disk) leaves every one of them as it was.
    static void writeAtomically(const QList<Contents>& files);
};

}  // namespace tundle

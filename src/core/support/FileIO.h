#pragma once

#include <QByteArray>
#include <QString>

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
    // At most limit + 1 bytes of the file, so a caller can tell an over-long file from a
    // full one without loading more than that.
    static QByteArray readAtMost(const QString& path, qint64 limit);
    // Creates the file's folder with any missing parents, then replaces the file in one
    // step: a reader sees the old bytes or the new ones, never a part.
    static void writeAtomically(const QString& path, const QByteArray& bytes);
};

}  // namespace tundle

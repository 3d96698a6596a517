#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "companion/TrashedFileIdentity.h"

namespace tundle {

// The file operations the Trash feeding needs, kept apart so a failing move or an unreadable
// fingerprint can be staged. Paths are absolute; the items' paths are the bytes the file system
// knows, so a name that is not valid UTF-8 still names the item it came from.
class FileManager {
public:
    virtual ~FileManager() = default;

    virtual QString homeDirectory() const = 0;
    // The user's own Trash folder, whether or not it exists yet.
    virtual QString trashDirectory() const = 0;
    // Moves the item into the Trash and returns where it went; nothing when it was moved but
    // its new place is unknown. Throws FileError when the item stayed where it was.
    virtual std::optional<QByteArray> moveToTrash(const QByteArray& path) = 0;
    virtual std::optional<TrashedFileIdentity> identity(const QByteArray& path) const = 0;
    // Whether anything, a dangling symbolic link included, stands at the path.
    virtual bool itemExists(const QByteArray& path) const = 0;
    // Moves a trashed item back without ever replacing what stands at `originalPath`, and
    // forgets it in the Trash. Throws FileError when the item was not moved.
    virtual void restoreFromTrash(const QByteArray& trashedPath,
                                  const QByteArray& originalPath) = 0;
};

}  // namespace tundle

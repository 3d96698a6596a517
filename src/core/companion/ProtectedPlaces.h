#pragma once

#include <QByteArray>
#include <QSet>

#include "support/MountTable.h"

namespace tundle {

// The places feeding must never move: the system's folders, the home folder and the folders
// above it, a few folders of the home that hold the desktop's own data, every Trash, volume
// roots and mount points. Only these places themselves; what lies inside them is not refused,
// except inside a Trash.
class ProtectedPlaces {
public:
    // Paths are absolute; reads the mount table and resolves the listed places once.
    ProtectedPlaces(const QByteArray& home, const QByteArray& trash,
                    MountTable mounts = MountTable::current());

    // Symbolic links are resolved first, so a link to a protected place is protected too; the
    // path as written is checked as well, since some listed places are links themselves
    // ("/bin" on a merged /usr).
    bool contains(const QByteArray& path) const;

private:
    bool matches(const QByteArray& path, const QByteArray& home, const QByteArray& trash) const;

    QSet<QByteArray> roots_;
    QByteArray home_;
    QByteArray trash_;
    QByteArray resolvedHome_;
    QByteArray resolvedTrash_;
    MountTable mounts_;
};

}  // namespace tundle

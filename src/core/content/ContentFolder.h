#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "support/FileDescriptor.h"

namespace tundle {

// One folder of the release store, held open. Every name handed to it is one entry directly
// inside it, and no operation follows a symbolic link at that entry, so the store walks from
// its root down one held folder at a time: a link planted anywhere below the root, or a folder
// on the way replaced after it was opened, can neither be read as content nor lead a write, a
// move or a deletion outside the store. Only regular files are ever read.
class ContentFolder {
public:
    // Creates the folder with any missing parents and opens it. The path up to and including
    // it is the caller's choice, so links on that path are followed; nothing below it is.
    static ContentFolder openCreating(const QString& path);

    // The path the folder was opened by, for messages and for readers outside the store.
    const QString& path() const { return path_; }

    // A folder directly inside this one; a link, or anything else that is not a folder, is
    // refused with FileError.
    ContentFolder folder(const QString& name) const;
    // Creates a folder that must not exist yet, and opens it.
    ContentFolder makeFolder(const QString& name) const;

    // Whether an entry of that name exists, whatever it is.
    bool contains(const QString& name) const;
    // Whether the entry of that name is still `other` itself; a folder moved away and
    // replaced by another entry is not.
    bool holds(const QString& name, const ContentFolder& other) const;

    // The size of a regular file; nothing when the entry is something else. An entry that
    // cannot be examined (missing, no permission) throws FileError.
    std::optional<qint64> regularFileSize(const QString& name) const;
    // At most limit + 1 bytes of a regular file.
    QByteArray readRegularFile(const QString& name, qint64 limit) const;
    // The hash text of at most limit + 1 bytes of a regular file, read piece by piece.
    QString hashRegularFile(const QString& name, qint64 limit) const;

    // Creates a file that must not exist yet.
    void writeNewFile(const QString& name, const QByteArray& bytes) const;
    // Replaces a file in one step and waits until the file and this folder are on the disk.
    // A folder in the file's place is deleted first.
    void replaceDurably(const QString& name, const QByteArray& bytes) const;

    // Renames an entry of this folder to a name that must be free.
    void move(const QString& from, const QString& to) const;
    // Deletes an entry and, for a folder, everything in it; a link is deleted itself, never
    // what it points to.
    void removeTree(const QString& name) const;
    QStringList entries() const;
    // Deletes every entry but the named ones, skipping any that cannot be deleted. A folder
    // that cannot be listed throws FileError.
    void removeEntriesExcept(const QStringList& kept) const;

private:
    ContentFolder(FileDescriptor descriptor, QString path);

    QString pathOf(const QString& name) const;
    int handle() const { return descriptor_.get(); }

    FileDescriptor descriptor_;
    QString path_;
};

}  // namespace tundle

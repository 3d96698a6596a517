#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace tundle {

// The file operations of the release store. Nothing here follows a symbolic link at the
// path it is given or reads anything but a regular file, so a link or a device planted in
// the store's folder can neither be read as content nor lead a deletion elsewhere.
class ContentDisk {
public:
    // The size of a regular file; nothing when the path is something else. A path that
    // cannot be examined (missing, no permission) throws FileError.
    static std::optional<qint64> regularFileSize(const QString& path);
    // At most limit + 1 bytes of a regular file.
    static QByteArray readRegularFile(const QString& path, qint64 limit);
    // The hash text of at most limit + 1 bytes of a regular file, read piece by piece.
    static QString hashRegularFile(const QString& path, qint64 limit);

    // Creates a file that must not exist yet.
    static void writeNewFile(const QString& path, const QByteArray& bytes);
    // Replaces a file in one step and waits until the file and its folder are on the disk.
    static void replaceDurably(const QString& path, const QByteArray& bytes);

    static bool exists(const QString& path);
    // Creates one folder that must not exist yet.
    static void makeFolder(const QString& path);
    static void makeFolders(const QString& path);
    // Moves a folder to a name that must be free; an existing folder is never replaced.
    static void moveFolder(const QString& from, const QString& to);
    // Deletes a folder and everything in it, deleting links themselves, never their targets.
    static void removeTree(const QString& path);
    static QStringList entries(const QString& folder);
};

}  // namespace tundle

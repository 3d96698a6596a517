#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tundle {

// Our own opaque reference to a local item: its path and its identity (device, inode, birth
// time), so an item renamed within its folder is still found.
class FileBookmark {
public:
    FileBookmark() = delete;

    // Nothing when the item cannot be examined.
    static std::optional<QByteArray> make(const QString& path);
    // Where the item is now: the same item at its old path, else the item with its identity in
    // the old folder, else whatever exists at the old path. Nothing when none of these is there
    // or the bytes are no bookmark of ours.
    static std::optional<QString> resolve(const QByteArray& bookmark);
};

}  // namespace tundle

#pragma once

#include <QByteArray>
#include <QDateTime>
#include <functional>

namespace tundle {

// Moves items into the Trash as the freedesktop.org Trash rules say, so the desktop's file
// manager lists them and can put them back after this process has ended: items on the home
// file system go to the home Trash, others to their volume's `.Trash/<uid>` or `.Trash-<uid>`.
// Works on the paths' bytes. Every failure leaves the item where it was, and no step waits or
// retries without end.
class FreedesktopTrash {
public:
    // How many names one item may try in the Trash before it is reported as failed.
    static constexpr int nameAttempts = 16;

    // `homeTrash` is $XDG_DATA_HOME/Trash; it is made when first needed. `clock` dates each
    // item's deletion.
    FreedesktopTrash(QByteArray homeTrash, std::function<QDateTime()> clock);

    // Returns where the item went; throws FileError when it stayed where it was.
    QByteArray moveToTrash(const QByteArray& path) const;
    // Puts a trashed item back without replacing anything at `originalPath` and removes its
    // description from the Trash; throws FileError when it was not moved.
    static void restore(const QByteArray& trashedPath, const QByteArray& originalPath);

    // The text of a `.trashinfo` file. `location` is absolute for the home Trash and relative
    // to the volume's top folder for a volume's own Trash; it is written percent-encoded.
    static QByteArray describe(const QByteArray& location, const QDateTime& deletedAt);

private:
    QByteArray homeTrash_;
    std::function<QDateTime()> clock_;
};

}  // namespace tundle

#pragma once

#include <QDateTime>
#include <functional>

#include "companion/FileManager.h"

namespace tundle {

// The current user's files and freedesktop.org Trash: $XDG_DATA_HOME/Trash or, for items on
// another file system, that file system's own Trash folder.
class SystemFileManager : public FileManager {
public:
    // `clock` dates what goes into the Trash.
    explicit SystemFileManager(std::function<QDateTime()> clock = &QDateTime::currentDateTimeUtc);

    QString homeDirectory() const override;
    QString trashDirectory() const override;
    std::optional<QByteArray> moveToTrash(const QByteArray& path) override;
    std::optional<TrashedFileIdentity> identity(const QByteArray& path) const override;
    bool itemExists(const QByteArray& path) const override;
    void restoreFromTrash(const QByteArray& trashedPath, const QByteArray& originalPath) override;

private:
    std::function<QDateTime()> clock_;
};

}  // namespace tundle

#pragma once

#include "companion/FileManager.h"

namespace tundle {

// The freedesktop.org Trash of the current user, in $XDG_DATA_HOME/Trash or, for items on
// another file system, in that file system's own Trash folder.
class SystemFileManager : public FileManager {
public:
    QString homeDirectory() const override;
    QString trashDirectory() const override;
    std::optional<QString> moveToTrash(const QString& path) override;
    std::optional<TrashedFileIdentity> identity(const QString& path) const override;
    bool itemExists(const QString& path) const override;
    void restoreFromTrash(const QString& trashedPath, const QString& originalPath) override;
};

}  // namespace tundle

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "records/ShortcutItem.h"
#include "support/Defaults.h"

namespace tundle {

struct ShortcutLists {
    std::vector<ShortcutItem> items = {};
    std::vector<ShortcutGroup> groups = {};
};

// The shortcut lists kept on their own, outside the configuration, as older installations did:
// in a file of their own or under one key of the defaults object. Versioned documents are
// written; the even older bare array of shortcuts is still read.
class ShortcutStore {
public:
    static constexpr qint64 currentVersion = 2;
    static const QString defaultsKey;

    // Without `storagePath`, the standard defaults use the file in the data folder and any
    // other defaults object only its key. `preferences` must outlive the store.
    ShortcutStore(Defaults& preferences, std::optional<QString> storagePath);

    const std::optional<QString>& path() const { return path_; }

    // The stored lists, cleaned: empty when nothing is stored yet (a file location without a
    // file falls back to the key). Throws ShortcutError "快捷方式未能读取：…" otherwise.
    ShortcutLists load() const;
    // Writes the file when there is a location, else the key; throws what refused the write.
    void save(const ShortcutLists& lists) const;

    // Either stored form, cleaned: duplicate ids dropped, dangling group references cleared and
    // every pin after the limit taken away.
    static ShortcutLists decode(const QByteArray& bytes);
    static QByteArray encode(const ShortcutLists& lists);

private:
    Defaults& preferences_;
    std::optional<QString> path_;
};

}  // namespace tundle

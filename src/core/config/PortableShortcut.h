#pragma once

#include <QJsonObject>
#include <QString>
#include <QUuid>
#include <optional>
#include <vector>

#include "records/ShortcutItem.h"
#include "support/JsonReader.h"

namespace tundle {

// A shortcut as it travels to another machine: nothing local to this one, no path, no bookmark.
struct PortableShortcut {
    // The id in the configuration it came from.
    QUuid id = {};
    ShortcutKind kind = ShortcutKind::file;
    QString name = {};
    // The address; present exactly for a website.
    std::optional<QString> website = {};
    bool pinned = false;
    std::optional<ShortcutColor> tagColor = {};
    // A group of the same shared list.
    std::optional<QUuid> groupID = {};

    static PortableShortcut fromItem(const ShortcutItem& item);
    // The item on this machine; a local kind comes with an empty target, for the user to
    // choose again.
    ShortcutItem localItem() const;

    bool operator==(const PortableShortcut&) const = default;

    static PortableShortcut fromJson(const JsonObject& json);
    QJsonObject toJson() const;
};

struct PortableShortcuts {
    std::vector<PortableShortcut> items = {};
    std::vector<ShortcutGroup> groups = {};

    bool operator==(const PortableShortcuts&) const = default;

    static PortableShortcuts fromJson(const JsonObject& json);
    QJsonObject toJson() const;
};

}  // namespace tundle

#pragma once

#include <QString>
#include <QUuid>
#include <optional>
#include <vector>

#include "records/ShortcutItem.h"

namespace tundle {

// The selection of the shortcut page: which sidebar entry is chosen and what is searched for.
// The entry is "all", "pinned", "none" or the upper-case text of a group's id.
struct ShortcutFilter {
    static inline const QString all = QStringLiteral("all");
    static inline const QString pinned = QStringLiteral("pinned");
    static inline const QString none = QStringLiteral("none");

    QString group = all;
    // Not trimmed: a search of one blank finds what contains a blank.
    QString search = {};

    bool operator==(const ShortcutFilter&) const = default;

    bool matches(const ShortcutItem& item) const;
    // The items that pass, in list order.
    std::vector<ShortcutItem> matching(const std::vector<ShortcutItem>& items) const;
    // The heading of the list.
    QString title(const std::vector<ShortcutGroup>& groups) const;
    // The group a shortcut added under this selection starts in.
    std::optional<QUuid> shownGroup() const;
    // Only the full pinned list, in desktop order, can be reordered by dragging.
    bool canReorder() const { return group == pinned && search.isEmpty(); }
};

}  // namespace tundle

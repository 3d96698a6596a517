#include "editors/ShortcutFilter.h"

#include "support/Uuid.h"

namespace tundle {

bool ShortcutFilter::matches(const ShortcutItem& item) const {
    if (group == pinned) {
        if (!item.pinned) {
            return false;
        }
    } else if (group == none) {
        if (item.groupID) {
            return false;
        }
    } else if (group != all && (!item.groupID || uuidText(*item.groupID) != group)) {
        return false;
    }
    return search.isEmpty() || item.name.contains(search, Qt::CaseInsensitive) ||
           item.target.contains(search, Qt::CaseInsensitive);
}

std::vector<ShortcutItem> ShortcutFilter::matching(const std::vector<ShortcutItem>& items) const {
    std::vector<ShortcutItem> result;
    for (const ShortcutItem& item : items) {
        if (matches(item)) {
            result.push_back(item);
        }
    }
    return result;
}

QString ShortcutFilter::title(const std::vector<ShortcutGroup>& groups) const {
    if (group == pinned) {
        return QStringLiteral("桌面置顶");
    }
    if (group == none) {
        return QStringLiteral("未分组");
    }
    for (const ShortcutGroup& candidate : groups) {
        if (group != all && uuidText(candidate.id) == group) {
            return candidate.name;
        }
    }
    return QStringLiteral("全部");
}

std::optional<QUuid> ShortcutFilter::shownGroup() const {
    if (group == all || group == pinned || group == none) {
        return std::nullopt;
    }
    return parseUuid(group);
}

}  // namespace tundle

#include <QCollator>
#include <QHash>
#include <algorithm>

#include "config/ConfigurationCoding.h"
#include "config/ConfigurationPackage.h"

namespace tundle {

namespace {

// The group names of a configuration, compared as the user reads them: in the user's
// locale, ignoring case. Names are case-folded first because the collator of the C locale
// ignores the case setting in its sort keys; keys make each comparison a plain byte compare.
class GroupNames {
public:
    explicit GroupNames(const std::vector<ShortcutGroup>& groups) {
        collator_.setCaseSensitivity(Qt::CaseInsensitive);
        keys_.reserve(groups.size());
        for (const ShortcutGroup& group : groups) {
            keys_.push_back(key(group.name));
        }
    }

    // `name`, or "name（n）" with the smallest n from 2 that clashes with no name so far;
    // the chosen name counts from then on.
    QString claim(const QString& name) {
        QString candidate = name;
        for (int n = 2; clashes(candidate); ++n) {
            candidate = QStringLiteral("%1（%2）").arg(name).arg(n);
        }
        keys_.push_back(key(candidate));
        return candidate;
    }

private:
    QCollatorSortKey key(const QString& name) const {
        return collator_.sortKey(name.toCaseFolded());
    }

    bool clashes(const QString& candidate) const {
        const QCollatorSortKey candidateKey = key(candidate);
        return std::any_of(keys_.begin(), keys_.end(), [&](const QCollatorSortKey& other) {
            return other.compare(candidateKey) == 0;
        });
    }

    QCollator collator_;
    std::vector<QCollatorSortKey> keys_;
};

void addShared(UserConfiguration& result, const PortableShortcuts& shared) {
    QHash<QUuid, QUuid> newGroupIDs;
    GroupNames names(result.groups);
    for (const ShortcutGroup& group : shared.groups) {
        const ShortcutGroup added{.id = newUuid(), .name = names.claim(group.name)};
        newGroupIDs.insert(group.id, added.id);
        result.groups.push_back(added);
    }

    auto pinned = std::count_if(result.shortcuts.begin(), result.shortcuts.end(),
                                [](const ShortcutItem& item) { return item.pinned; });
    for (const PortableShortcut& item : shared.items) {
        ShortcutItem added = item.localItem();
        added.id = newUuid();
        added.groupID = std::nullopt;
        if (item.groupID && newGroupIDs.contains(*item.groupID)) {
            added.groupID = newGroupIDs.value(*item.groupID);
        }
        // The user's own pins always stay; shared ones take only the places left.
        added.pinned = item.pinned && pinned < ShortcutItem::pinLimit;
        pinned += added.pinned ? 1 : 0;
        result.shortcuts.push_back(std::move(added));
    }
}

}  // namespace

UserConfiguration ConfigurationPackage::applying(const UserConfiguration& current) const {
    validate();
    if (purpose == ConfigurationPurpose::backup) {
        return *backup;
    }
    UserConfiguration result = current;
    if (portable->preferences) {
        result.preferences = *portable->preferences;
    }
    if (portable->schedule) {
        result.schedule = *portable->schedule;
    }
    if (portable->shortcuts) {
        addShared(result, *portable->shortcuts);
    }
    validateConfiguration(result);
    return result;
}

}  // namespace tundle

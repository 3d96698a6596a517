#include "editors/ShortcutDraft.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>

#include "companion/DesktopEntry.h"
#include "companion/ShortcutService.h"
#include "records/ShortcutError.h"
#include "support/Graphemes.h"

namespace tundle {

namespace {

std::optional<QString> normalisedAddress(const QString& text) {
    try {
        return ShortcutService::websiteURL(text);
    } catch (const ShortcutError&) {
        return std::nullopt;
    }
}

}  // namespace

ShortcutItem ShortcutDraft::fresh(int pinnedCount, std::optional<QUuid> group) {
    return ShortcutItem{.kind = ShortcutKind::application,
                        .pinned = pinnedCount < ShortcutItem::pinLimit,
                        .groupID = group};
}

QString ShortcutDraft::chosenName(ShortcutKind kind, const QString& path) {
    // A folder chosen as "/srv/share/" is still named "share"; the root by its path.
    const QFileInfo info(QDir::cleanPath(path));
    if (kind != ShortcutKind::application) {
        return info.fileName().isEmpty() ? info.filePath() : info.fileName();
    }
    try {
        if (QString named = trimmedText(DesktopEntry::read(path).name); !named.isEmpty()) {
            return named;
        }
    } catch (const std::exception&) {
        // An unreadable entry is still named after its file.
    }
    QString name = info.fileName();
    if (name.endsWith(QStringLiteral(".desktop"), Qt::CaseInsensitive)) {
        name.chop(8);
    }
    return name;
}

bool ShortcutDraft::valid() const {
    if (trimmedText(item_.name).isEmpty() || item_.target.isEmpty()) {
        return false;
    }
    return item_.kind != ShortcutKind::website || normalisedAddress(item_.target).has_value();
}

bool ShortcutDraft::showsAddressHint() const {
    return !item_.target.isEmpty() && !normalisedAddress(item_.target);
}

void ShortcutDraft::setKind(ShortcutKind kind) {
    if (kind == item_.kind) {
        return;
    }
    item_.kind = kind;
    item_.target.clear();
    item_.name.clear();
    item_.bookmark.reset();
    error.reset();
}

void ShortcutDraft::setTypedAddress(const QString& text) {
    item_.target = text;
    if (!item_.name.isEmpty() && item_.name != suggestedWebsiteName_) {
        return;
    }
    const auto address = normalisedAddress(text);
    if (!address) {
        return;
    }
    if (const QString host = QUrl(*address).host(); host.contains(u'.')) {
        item_.name = host;
        suggestedWebsiteName_ = host;
    }
}

void ShortcutDraft::choose(const QString& path) {
    item_.target = path;
    item_.bookmark.reset();
    if (item_.name.isEmpty()) {
        item_.name = chosenName(item_.kind, path);
    }
    error.reset();
}

int ShortcutDraft::otherPinned(const std::vector<ShortcutItem>& pinned) const {
    return int(std::count_if(pinned.begin(), pinned.end(),
                             [&](const ShortcutItem& other) { return other.id != item_.id; }));
}

bool ShortcutDraft::canTogglePin(const std::vector<ShortcutItem>& pinned) const {
    return item_.pinned || otherPinned(pinned) < ShortcutItem::pinLimit;
}

bool ShortcutDraft::showsPinNotice(const std::vector<ShortcutItem>& pinned) const {
    return otherPinned(pinned) >= ShortcutItem::pinLimit;
}

}  // namespace tundle

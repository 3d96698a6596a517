#include "companion/ShortcutService.h"

#include <QFileInfo>
#include <QMimeDatabase>
#include <algorithm>

#include "companion/DesktopEntry.h"
#include "companion/FileBookmark.h"
#include "records/ShortcutError.h"
#include "support/Graphemes.h"

namespace tundle {

namespace {

const QString pinLimitMessage =
    QStringLiteral("桌面已置顶 %1 项，请先取消一项。").arg(ShortcutItem::pinLimit);
const QString missingMessage = QStringLiteral("找不到这个项目，请重新选择。");

QString trimmedName(const QString& name) {
    QString trimmed = trimmedText(name);
    if (trimmed.isEmpty()) {
        throw ShortcutError(QStringLiteral("请填写显示名称。"));
    }
    return trimmed;
}

bool isDesktopEntry(const QFileInfo& info) {
    return info.isFile() &&
           info.fileName().endsWith(QStringLiteral(".desktop"), Qt::CaseInsensitive);
}

void checkKind(ShortcutKind kind, const QFileInfo& info) {
    switch (kind) {
        case ShortcutKind::application:
            if (!isDesktopEntry(info)) {
                throw ShortcutError(QStringLiteral("请选择一个 .desktop 应用。"));
            }
            return;
        case ShortcutKind::folder:
            if (!info.isDir()) {
                throw ShortcutError(QStringLiteral("请选择文件夹。"));
            }
            return;
        case ShortcutKind::file:
            if (info.isDir()) {
                throw ShortcutError(QStringLiteral("请选择文件。"));
            }
            return;
        case ShortcutKind::website:
            return;
    }
}

}  // namespace

ShortcutService::ShortcutService(Defaults& preferences, std::optional<QString> storagePath,
                                 ConfigurationStore* configuration, QObject* parent)
    : QObject(parent),
      ownStore_(preferences, std::move(storagePath)),
      configuration_(configuration) {
    if (configuration_) {
        items_ = configuration_->value().shortcuts;
        groups_ = configuration_->value().groups;
        error_ = configuration_->error();
        return;
    }
    try {
        ShortcutLists lists = ownStore_.load();
        groups_ = std::move(lists.groups);
        items_ = std::move(lists.items);
    } catch (const ShortcutError& failure) {
        error_ = failure.message();
    }
}

std::vector<ShortcutItem> ShortcutService::pinned() const {
    std::vector<ShortcutItem> result;
    std::copy_if(items_.begin(), items_.end(), std::back_inserter(result),
                 [](const ShortcutItem& item) { return item.pinned; });
    return result;
}

void ShortcutService::setError(std::optional<QString> error) {
    if (error_ == error) {
        return;
    }
    error_ = std::move(error);
    emit errorChanged();
    emit changed();
}

void ShortcutService::reloadConfiguration() {
    if (!configuration_) {
        return;
    }
    publishItems(configuration_->value().shortcuts);
    publishGroups(configuration_->value().groups);
    setRemoved(std::nullopt);
    setError(configuration_->error());
}

ShortcutItem ShortcutService::prepared(const ShortcutItem& item) {
    ShortcutItem result = item;
    result.name = trimmedName(item.name);
    if (item.kind == ShortcutKind::website) {
        result.target = websiteURL(item.target);
        result.bookmark.reset();
        return result;
    }
    if (!item.target.startsWith(u'/')) {
        throw ShortcutError(QStringLiteral("请先选择一个本地项目。"));
    }
    const QString path = resolvedURL(item).toLocalFile();
    const QFileInfo info(path);
    if (!info.exists()) {
        throw ShortcutError(missingMessage);
    }
    checkKind(item.kind, info);
    result.target = path;
    result.bookmark = FileBookmark::make(path);
    return result;
}

QUrl ShortcutService::resolvedURL(const ShortcutItem& item) {
    if (item.kind == ShortcutKind::website) {
        return QUrl(websiteURL(item.target));
    }
    if (item.bookmark) {
        const auto path = FileBookmark::resolve(*item.bookmark);
        if (!path || !QFileInfo::exists(*path)) {
            throw ShortcutError(QStringLiteral("原项目已移动或不可用，请重新选择。"));
        }
        return QUrl::fromLocalFile(*path);
    }
    if (!item.target.startsWith(u'/') || !QFileInfo::exists(item.target)) {
        throw ShortcutError(missingMessage);
    }
    return QUrl::fromLocalFile(item.target);
}

void ShortcutService::open(const ShortcutItem& item, ShortcutOpener& opener,
                           const Completion& completion) {
    QUrl location;
    try {
        location = resolvedURL(item);
    } catch (const ShortcutError& refusal) {
        completion(refusal.message());
        return;
    }
    if (item.kind == ShortcutKind::application) {
        completion(opener.launch(location.toLocalFile()));
        return;
    }
    if (!opener.openUrl(location)) {
        completion(QStringLiteral("系统未能打开该项目，请检查目标和默认应用。"));
        return;
    }
    completion(std::nullopt);
}

ShortcutIcon ShortcutService::icon(const ShortcutItem& item) {
    if (item.kind == ShortcutKind::website) {
        return ShortcutIcon{.source = symbol(item.kind),
                            .fallback = QStringLiteral("text-html"),
                            .description = title(item.kind)};
    }
    const QMimeType type = QMimeDatabase().mimeTypeForFile(item.target);
    ShortcutIcon result{.source = type.iconName(), .fallback = type.genericIconName()};
    if (item.kind == ShortcutKind::application && isDesktopEntry(QFileInfo(item.target))) {
        try {
            if (QString named = DesktopEntry::read(item.target).icon; !named.isEmpty()) {
                result.source = named;
            }
        } catch (const std::exception&) {
            // An unreadable entry still shows the picture of its file type.
        }
    }
    return result;
}

bool ShortcutService::save(const ShortcutItem& item) {
    ShortcutItem ready;
    try {
        const auto existing = indexOf(item.id);
        const ShortcutItem* stored = existing ? &items_[*existing] : nullptr;
        if (stored && stored->kind == item.kind && stored->target == item.target &&
            stored->bookmark == item.bookmark) {
            ready = item;
            ready.name = trimmedName(item.name);
        } else {
            ready = prepared(item);
        }
        if (ready.groupID && !hasGroup(*ready.groupID)) {
            ready.groupID.reset();
        }
        const auto othersPinned = std::count_if(
            items_.begin(), items_.end(),
            [&](const ShortcutItem& other) { return other.pinned && other.id != ready.id; });
        if (ready.pinned && othersPinned >= pinLimit) {
            throw ShortcutError(pinLimitMessage);
        }
    } catch (const UserFacingError& refusal) {
        setError(refusal.message());
        return false;
    }
    std::vector<ShortcutItem> next = items_;
    if (const auto index = indexOf(ready.id)) {
        if (!next[*index].pinned && ready.pinned) {
            next.erase(next.begin() + static_cast<std::ptrdiff_t>(*index));
            next.push_back(ready);
        } else {
            next[*index] = ready;
        }
    } else {
        next.push_back(ready);
    }
    return commit(std::move(next));
}

bool ShortcutService::setPinned(const QUuid& id, bool pinned) {
    const auto index = indexOf(id);
    if (!index) {
        return false;
    }
    if (pinned && !items_[*index].pinned && pinnedCount() >= pinLimit) {
        setError(pinLimitMessage);
        return false;
    }
    std::vector<ShortcutItem> next = items_;
    ShortcutItem item = next[*index];
    next.erase(next.begin() + static_cast<std::ptrdiff_t>(*index));
    item.pinned = pinned;
    if (pinned) {
        next.push_back(item);
    } else {
        next.insert(next.begin() + static_cast<std::ptrdiff_t>(*index), item);
    }
    return commit(std::move(next));
}

void ShortcutService::move(const QUuid& source, const QUuid& before) {
    const auto from = indexOf(source);
    const auto target = indexOf(before);
    if (source == before || !from || !items_[*from].pinned || !target || !items_[*target].pinned) {
        return;
    }
    std::vector<ShortcutItem> next = items_;
    const ShortcutItem item = next[*from];
    next.erase(next.begin() + static_cast<std::ptrdiff_t>(*from));
    const auto landing = std::find_if(
        next.begin(), next.end(), [&](const ShortcutItem& other) { return other.id == before; });
    next.insert(landing, item);
    commit(std::move(next));
}

void ShortcutService::move(const QUuid& id, int offset) {
    std::vector<std::size_t> pinnedPlaces;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].pinned) {
            pinnedPlaces.push_back(i);
        }
    }
    const auto found = std::find_if(pinnedPlaces.begin(), pinnedPlaces.end(),
                                    [&](std::size_t place) { return items_[place].id == id; });
    if (found == pinnedPlaces.end()) {
        return;
    }
    const auto q = (found - pinnedPlaces.begin()) + static_cast<std::ptrdiff_t>(offset);
    if (q < 0 || q >= static_cast<std::ptrdiff_t>(pinnedPlaces.size())) {
        return;
    }
    std::vector<ShortcutItem> next = items_;
    std::swap(next[*found], next[pinnedPlaces[static_cast<std::size_t>(q)]]);
    commit(std::move(next));
}

void ShortcutService::deleteItem(const QUuid& id) {
    const auto index = indexOf(id);
    if (!index) {
        return;
    }
    std::vector<ShortcutItem> next = items_;
    const ShortcutItem item = next[*index];
    next.erase(next.begin() + static_cast<std::ptrdiff_t>(*index));
    if (commit(std::move(next))) {
        setRemoved(std::pair(item, *index));
    }
}

void ShortcutService::undoDelete() {
    if (!removed_) {
        return;
    }
    ShortcutItem item = removed_->first;
    if (item.groupID && !hasGroup(*item.groupID)) {
        item.groupID.reset();
    }
    if (item.pinned && pinnedCount() >= pinLimit) {
        item.pinned = false;
    }
    std::vector<ShortcutItem> next = items_;
    const std::size_t place = std::min(removed_->second, next.size());
    next.insert(next.begin() + static_cast<std::ptrdiff_t>(place), item);
    if (commit(std::move(next))) {
        setRemoved(std::nullopt);
    }
}

bool ShortcutService::saveGroup(const ShortcutGroup& group) {
    ShortcutGroup ready = group;
    ready.name = trimmedText(group.name);
    if (ready.name.isEmpty()) {
        setError(QStringLiteral("请输入分组名称。"));
        return false;
    }
    const bool taken = std::any_of(groups_.begin(), groups_.end(), [&](const ShortcutGroup& other) {
        return other.id != ready.id && other.name.compare(ready.name, Qt::CaseInsensitive) == 0;
    });
    if (taken) {
        setError(QStringLiteral("已有同名分组。"));
        return false;
    }
    std::vector<ShortcutGroup> next = groups_;
    const auto existing = std::find_if(
        next.begin(), next.end(), [&](const ShortcutGroup& other) { return other.id == ready.id; });
    if (existing != next.end()) {
        *existing = ready;
    } else {
        next.push_back(ready);
    }
    return commit(items_, std::move(next));
}

bool ShortcutService::deleteGroup(const QUuid& id) {
    std::vector<ShortcutItem> nextItems = items_;
    for (ShortcutItem& item : nextItems) {
        if (item.groupID == id) {
            item.groupID.reset();
        }
    }
    std::vector<ShortcutGroup> nextGroups = groups_;
    std::erase_if(nextGroups, [&](const ShortcutGroup& group) { return group.id == id; });
    return commit(std::move(nextItems), std::move(nextGroups));
}

bool ShortcutService::assign(const QUuid& id, const std::optional<QUuid>& group) {
    const auto index = indexOf(id);
    if (!index || (group && !hasGroup(*group))) {
        return false;
    }
    std::vector<ShortcutItem> next = items_;
    next[*index].groupID = group;
    return commit(std::move(next));
}

bool ShortcutService::commit(std::vector<ShortcutItem> items,
                             std::optional<std::vector<ShortcutGroup>> groups) {
    std::vector<ShortcutGroup> nextGroups = groups ? std::move(*groups) : groups_;
    try {
        if (configuration_) {
            configuration_->update([&](UserConfiguration& configuration) {
                configuration.shortcuts = items;
                configuration.groups = nextGroups;
            });
        } else {
            ownStore_.save(ShortcutLists{.items = items, .groups = nextGroups});
        }
    } catch (const std::exception& failure) {
        setError(QStringLiteral("保存失败：") + describe(failure));
        return false;
    }
    publishItems(std::move(items));
    publishGroups(std::move(nextGroups));
    setError(std::nullopt);
    return true;
}

void ShortcutService::publishItems(std::vector<ShortcutItem> items) {
    if (items_ == items) {
        return;
    }
    items_ = std::move(items);
    emit itemsChanged();
    emit changed();
}

void ShortcutService::publishGroups(std::vector<ShortcutGroup> groups) {
    if (groups_ == groups) {
        return;
    }
    groups_ = std::move(groups);
    emit groupsChanged();
    emit changed();
}

void ShortcutService::setRemoved(std::optional<std::pair<ShortcutItem, std::size_t>> removed) {
    const bool could = canUndoDelete();
    removed_ = std::move(removed);
    if (could != canUndoDelete()) {
        emit canUndoDeleteChanged();
        emit changed();
    }
}

bool ShortcutService::hasGroup(const QUuid& id) const {
    return std::any_of(groups_.begin(), groups_.end(),
                       [&](const ShortcutGroup& group) { return group.id == id; });
}

std::optional<std::size_t> ShortcutService::indexOf(const QUuid& id) const {
    const auto found = std::find_if(items_.begin(), items_.end(),
                                    [&](const ShortcutItem& item) { return item.id == id; });
    if (found == items_.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - items_.begin());
}

int ShortcutService::pinnedCount() const {
    return static_cast<int>(std::count_if(items_.begin(), items_.end(),
                                          [](const ShortcutItem& item) { return item.pinned; }));
}

}  // namespace tundle

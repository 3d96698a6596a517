#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <QUuid>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "companion/ShortcutIcon.h"
#include "companion/ShortcutOpener.h"
#include "config/ConfigurationStore.h"
#include "config/ShortcutStore.h"
#include "records/ShortcutItem.h"
#include "records/WebAddress.h"
#include "support/Defaults.h"

namespace tundle {

// The user's desktop shortcuts and their groups, in user order. With a configuration store
// the lists are the configuration's and every change is saved through it; without one they
// live on their own, as older installations kept them. Every change builds the complete new
// lists and stores them before anything is published.
class ShortcutService : public QObject {
    Q_OBJECT

public:
    using Completion = std::function<void(std::optional<QString> message)>;

    static constexpr int pinLimit = ShortcutItem::pinLimit;

    static QString websiteURL(const QString& typed) { return WebAddress::fromTyped(typed); }

    // `preferences` and `configuration` must outlive the service. Never fails: what could not
    // be read shows in `error`.
    explicit ShortcutService(Defaults& preferences,
                             std::optional<QString> storagePath = std::nullopt,
                             ConfigurationStore* configuration = nullptr,
                             QObject* parent = nullptr);

    const std::vector<ShortcutItem>& items() const { return items_; }
    const std::vector<ShortcutGroup>& groups() const { return groups_; }
    const std::optional<QString>& error() const { return error_; }
    bool canUndoDelete() const { return removed_.has_value(); }
    // The pinned items in list order.
    std::vector<ShortcutItem> pinned() const;

    // The shortcut list row shows the result of an open here.
    void setError(std::optional<QString> error);
    // Takes the lists again from the configuration after it was changed by other means.
    void reloadConfiguration();

    // A copy ready for storing: name trimmed, website address normalised, a local target
    // checked against its kind and given a fresh bookmark. Throws ShortcutError.
    static ShortcutItem prepared(const ShortcutItem& item);
    // Where the shortcut leads now; the bookmark wins over the stored path. Throws
    // ShortcutError.
    static QUrl resolvedURL(const ShortcutItem& item);
    // Opens the shortcut; `completion` gets nothing on success, else the message to show.
    static void open(const ShortcutItem& item, ShortcutOpener& opener,
                     const Completion& completion);
    // The bookmark is not resolved for the picture.
    static ShortcutIcon icon(const ShortcutItem& item);

    // The operations below return whether the change was stored; a refusal shows in `error`.
    bool save(const ShortcutItem& item);
    bool setPinned(const QUuid& id, bool pinned);
    // Reorders pinned shortcuts only.
    void move(const QUuid& source, const QUuid& before);
    void move(const QUuid& id, int offset);
    // One level of undo: a later delete replaces the earlier one.
    void deleteItem(const QUuid& id);
    void undoDelete();
    bool saveGroup(const ShortcutGroup& group);
    // The group's shortcuts stay, without a group.
    bool deleteGroup(const QUuid& id);
    bool assign(const QUuid& id, const std::optional<QUuid>& group);

signals:
    void itemsChanged();
    void groupsChanged();
    void errorChanged();
    void canUndoDeleteChanged();
    void changed();

private:
    // Stores the complete new lists (`groups` absent: the current groups) and publishes them;
    // false, with the reason in `error`, when nothing was stored.
    bool commit(std::vector<ShortcutItem> items,
                std::optional<std::vector<ShortcutGroup>> groups = std::nullopt);
    void publishItems(std::vector<ShortcutItem> items);
    void publishGroups(std::vector<ShortcutGroup> groups);
    void setRemoved(std::optional<std::pair<ShortcutItem, std::size_t>> removed);
    bool hasGroup(const QUuid& id) const;
    std::optional<std::size_t> indexOf(const QUuid& id) const;
    int pinnedCount() const;

    ShortcutStore ownStore_;
    ConfigurationStore* configuration_;
    std::vector<ShortcutItem> items_;
    std::vector<ShortcutGroup> groups_;
    std::optional<QString> error_;
    // The last deleted shortcut and the place it had.
    std::optional<std::pair<ShortcutItem, std::size_t>> removed_;
};

}  // namespace tundle

#pragma once

#include <QUuid>
#include <optional>
#include <utility>

namespace tundle {

// What a drag on the shortcut list may move. Only a drag that started on this page while the
// pinned list could be reordered moves anything; the dropped data itself is never trusted.
class PinnedReorder {
public:
    // `reordering`: the list shows exactly the pinned shortcuts in desktop order.
    void dragStarted(const QUuid& id, bool reordering);
    // The drag is over, dropped here or anywhere else, so a later drop from another
    // application cannot move the shortcut dragged before.
    void dragEnded() { dragged_.reset(); }
    // The move a drop on `target` asks for (the dragged shortcut, to go before `target`), or
    // nothing when the drop is refused.
    std::optional<std::pair<QUuid, QUuid>> dropped(const QUuid& target, bool reordering);

    const std::optional<QUuid>& dragged() const { return dragged_; }

private:
    std::optional<QUuid> dragged_;
};

}  // namespace tundle

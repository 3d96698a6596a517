#include "editors/PinnedReorder.h"

namespace tundle {

void PinnedReorder::dragStarted(const QUuid& id, bool reordering) {
    dragged_ = reordering ? std::optional<QUuid>(id) : std::nullopt;
}

std::optional<std::pair<QUuid, QUuid>> PinnedReorder::dropped(const QUuid& target,
                                                              bool reordering) {
    if (!reordering || !dragged_) {
        return std::nullopt;
    }
    const QUuid source = *std::exchange(dragged_, std::nullopt);
    return std::pair{source, target};
}

}  // namespace tundle

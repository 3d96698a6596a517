#include "controlcentre/ReminderCardState.h"

#include <algorithm>

namespace tundle {

ReminderCardState ReminderCardState::read(const ReminderService& service, ReminderKind kind) {
    ReminderCardState state;
    state.enabled = service.isEnabled(kind);
    const bool paused = service.isPaused();
    const bool pending = service.pending().contains(kind);
    state.countdown = paused ? QStringLiteral("呼吸中") : service.remainingText(kind);
    state.showsCaption = state.enabled && !paused && !pending;
    state.completes = pending;
    state.actionTitle = pending ? QStringLiteral("完成") : QStringLiteral("试一下");
    state.actionEnabled = !paused;
    state.minutes = service.minutes(kind);
    state.intervalOptions = intervalOptionsFor(state.minutes);
    return state;
}

std::vector<int> ReminderCardState::intervalOptionsFor(int current) {
    std::vector<int> options{1, 15, 30, 45, 60, 90};
    if (std::ranges::find(options, current) == options.end()) {
        options.insert(std::ranges::upper_bound(options, current), current);
    }
    return options;
}

}  // namespace tundle

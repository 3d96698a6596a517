#include <QPointer>

#include "model/AppModel.h"

namespace tundle {

void AppModel::snoozeActiveReminder() {
    if (activeReminder_ && reminders_.pending().contains(*activeReminder_)) {
        reminders_.snooze(*activeReminder_, snoozeMinutes);
    }
}

void AppModel::say(const QString& message, const QString& detail,
                   const std::optional<QString>& action, const std::optional<QString>& secondary,
                   double duration, std::function<void()> perform,
                   std::function<void()> secondaryAction) {
    if (breathingQuiet()) {
        return;
    }
    if (functionPanel_) {
        // Only a bubble that asks something waits for the panel to close; the last one wins.
        if (action) {
            deferredMessage_ = [model = QPointer<AppModel>(this), message, detail, action,
                                secondary, duration, perform = std::move(perform),
                                secondaryAction = std::move(secondaryAction)] {
                if (model) {
                    model->say(message, detail, action, secondary, duration, perform,
                               secondaryAction);
                }
            };
        }
        return;
    }
    snoozeActiveReminder();
    activeReminder_ = std::nullopt;
    messageToken_ = QUuid::createUuid();
    messageTimer_->cancel();
    bubble_ = message;
    bubbleDetail_ = detail;
    bubbleActionTitle_ = action;
    bubbleSecondaryTitle_ = secondary;
    bubbleAction_ = std::move(perform);
    bubbleSecondary_ = std::move(secondaryAction);
    if (duration > 0) {
        messageTimer_->start(duration, [this] { dismissBubble(); });
    }
    emit bubbleChanged();
    emit changed();
}

void AppModel::dismissBubble() {
    snoozeActiveReminder();
    activeReminder_ = std::nullopt;
    messageToken_ = QUuid::createUuid();
    messageTimer_->cancel();
    bubble_.clear();
    bubbleDetail_.clear();
    bubbleActionTitle_ = std::nullopt;
    bubbleSecondaryTitle_ = std::nullopt;
    bubbleAction_ = nullptr;
    bubbleSecondary_ = nullptr;
    emit bubbleChanged();
    emit changed();
}

// The button's closure usually puts up the next bubble, which replaces the closure itself; it
// runs from a copy so that it outlives that.
void AppModel::pressBubbleAction() {
    if (const std::function<void()> action = bubbleAction_) {
        action();
    }
}

void AppModel::pressBubbleSecondary() {
    if (const std::function<void()> action = bubbleSecondary_) {
        action();
    }
}

}  // namespace tundle

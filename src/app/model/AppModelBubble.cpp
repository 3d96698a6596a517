#include <QPointer>

#include "model/AppModel.h"

namespace tundle {

void AppModel::snoozeActiveReminder() {
    if (activeReminder_ && reminders_.pending().contains(*activeReminder_)) {
        reminders_.snooze(*activeReminder_, snoozeMinutes);
    }
}

void AppModel::say(SpeechBubble bubble) {
    if (breathingQuiet()) {
        return;
    }
    if (functionPanel_) {
        // The last bubble that waits wins.
        if (bubble.actionTitle) {
            deferredMessage_ = [model = QPointer<AppModel>(this), bubble = std::move(bubble)] {
                if (model) {
                    model->say(bubble);
                }
            };
        }
        return;
    }
    snoozeActiveReminder();
    activeReminder_ = std::nullopt;
    messageToken_ = QUuid::createUuid();
    messageTimer_->cancel();
    bubble_ = std::move(bubble.message);
    bubbleDetail_ = std::move(bubble.detail);
    bubbleActionTitle_ = std::move(bubble.actionTitle);
    bubbleSecondaryTitle_ = std::move(bubble.secondaryTitle);
    bubbleAction_ = std::move(bubble.action);
    bubbleSecondary_ = std::move(bubble.secondaryAction);
    if (bubble.duration > 0) {
        messageTimer_->start(bubble.duration, [this] { dismissBubble(); });
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

#include <QPointer>
#include <algorithm>

#include "model/AppModel.h"

namespace tundle {

namespace {

struct ReminderWords {
    QString trigger;
    QString fallbackClip;
    QString message;
    QString doneTitle;
};

ReminderWords reminderWords(ReminderKind kind) {
    if (kind == ReminderKind::water) {
        return {QStringLiteral("waterReminder"), QStringLiteral("drink"),
                QStringLiteral("喝口水，再慢慢来。"), QStringLiteral("喝过啦")};
    }
    return {QStringLiteral("movementReminder"), QStringLiteral("stretch"),
            QStringLiteral("坐了一会儿，起来走走吧。"), QStringLiteral("活动过啦")};
}

}  // namespace

void AppModel::remind(ReminderKind kind) {
    const bool answerAwaited = activeReminder_ && reminders_.pending().contains(*activeReminder_);
    if (breathingQuiet() || functionPanel_ || answerAwaited) {
        if (std::find(waitingReminders_.begin(), waitingReminders_.end(), kind) ==
            waitingReminders_.end()) {
            waitingReminders_.push_back(kind);
        }
        return;
    }
    const ReminderWords words = reminderWords(kind);
    play(reactionClip(words.trigger, words.fallbackClip));
    const QPointer<AppModel> model(this);
    say({
        .message = words.message,
        .actionTitle = words.doneTitle,
        .secondaryTitle = QStringLiteral("5 分钟后"),
        .duration = 60,
        .action =
            [model, kind] {
                if (!model) {
                    return;
                }
                model->reminders_.complete(kind);
                model->play(QStringLiteral("jump"));
                model->say({.message = QStringLiteral("好耶，照顾好自己。"), .duration = 4});
            },
        .secondaryAction =
            [model, kind] {
                if (!model) {
                    return;
                }
                model->reminders_.snooze(kind, snoozeMinutes);
                model->say({.message = QStringLiteral("好，5 分钟后再叫你。"), .duration = 4});
            },
    });
    activeReminder_ = kind;
    if (soundEnabled_) {
        world_.sounds.playNamed(QStringLiteral("Pop"));
    }
}

void AppModel::deliverToFreeStage() {
    if (deferredMessage_) {
        const std::function<void()> parked = std::move(deferredMessage_);
        deferredMessage_ = nullptr;
        parked();
        return;
    }
    while (!waitingReminders_.empty()) {
        const ReminderKind kind = waitingReminders_.front();
        waitingReminders_.erase(waitingReminders_.begin());
        if (reminders_.isEnabled(kind)) {
            remind(kind);
            return;
        }
    }
}

void AppModel::scheduleHandOver() {
    if (!deferredMessage_ && waitingReminders_.empty()) {
        return;
    }
    const QPointer<AppModel> model(this);
    handOverTask_->start(0, [model] {
        if (model) {
            model->deliverWaitingReminder();
        }
    });
}

void AppModel::startBreathing() {
    closeFunctionPanel();
    dismissBubble();
    breathing_.start();
    reminders_.setPaused(true);
    stopAnimation();
}

void AppModel::resetBreathing() {
    closeFunctionPanel();
    breathing_.reset();
    reminders_.setPaused(breathingPresented_);
    dismissBubble();
    deliverWaitingReminder();
}

}  // namespace tundle

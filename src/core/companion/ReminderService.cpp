#include "companion/ReminderService.h"

#include <QPointer>
#include <algorithm>
#include <cmath>
#include <vector>

namespace tundle {

namespace {

int clampedMinutes(int minutes) {
    return std::clamp(minutes, ReminderService::minimumMinutes, ReminderService::maximumMinutes);
}

QDateTime after(const QDateTime& instant, double seconds) {
    return instant.addMSecs(std::llround(seconds * 1000.0));
}

}  // namespace

ReminderService::ReminderService(Clock now, bool automaticallyTicks, QObject* parent)
    : QObject(parent), now_(std::move(now)) {
    const QDateTime start = now_();
    for (const ReminderKind kind : reminderKindText.allCases()) {
        const double seconds = minutes(kind) * 60.0;
        remaining_[kind] = seconds;
        deadlines_[kind] = after(start, seconds);
    }
    if (automaticallyTicks) {
        connect(&timer_, &QTimer::timeout, this, &ReminderService::tick);
        timer_.start(1000);
    }
}

int ReminderService::minutes(ReminderKind kind) const {
    return kind == ReminderKind::water ? waterMinutes_ : movementMinutes_;
}

bool ReminderService::isEnabled(ReminderKind kind) const {
    return kind == ReminderKind::water ? waterEnabled_ : movementEnabled_;
}

QString ReminderService::remainingText(ReminderKind kind) const {
    if (!isEnabled(kind)) {
        return QStringLiteral("已关闭");
    }
    if (pending_.contains(kind)) {
        return QStringLiteral("该休息啦");
    }
    const auto found = remaining_.find(kind);
    return format(found == remaining_.end() ? 0.0 : found->second);
}

void ReminderService::setOnReminder(std::function<void(ReminderKind)> onReminder) {
    onReminder_ = std::move(onReminder);
}

void ReminderService::setEnabled(bool enabled, ReminderKind kind) {
    if (enabled == isEnabled(kind)) {
        return;
    }
    if (kind == ReminderKind::water) {
        waterEnabled_ = enabled;
        emit waterEnabledChanged();
    } else {
        movementEnabled_ = enabled;
        emit movementEnabledChanged();
    }
    emit changed();
    removePending(kind);
    schedule(kind, minutes(kind) * 60.0);
}

void ReminderService::setMinutes(int minutes, ReminderKind kind) {
    const int clamped = clampedMinutes(minutes);
    int& stored = kind == ReminderKind::water ? waterMinutes_ : movementMinutes_;
    if (stored != clamped) {
        stored = clamped;
        if (kind == ReminderKind::water) {
            emit waterMinutesChanged();
        } else {
            emit movementMinutesChanged();
        }
        emit changed();
    }
    removePending(kind);
    schedule(kind, clamped * 60.0);
}

void ReminderService::complete(ReminderKind kind) {
    removePending(kind);
    schedule(kind, minutes(kind) * 60.0);
}

void ReminderService::snooze(ReminderKind kind, int minutes) {
    removePending(kind);
    schedule(kind, clampedMinutes(minutes) * 60.0);
}

void ReminderService::setPaused(bool paused) {
    if (paused == paused_) {
        return;
    }
    if (paused) {
        updateRemaining();
        paused_ = true;
        deadlines_.clear();
    } else {
        paused_ = false;
        const QDateTime current = now_();
        for (const ReminderKind kind : reminderKindText.allCases()) {
            if (isEnabled(kind) && !pending_.contains(kind)) {
                const auto found = remaining_.find(kind);
                deadlines_[kind] = after(current, found == remaining_.end() ? 0.0 : found->second);
            }
        }
    }
    emit pausedChanged();
    emit changed();
}

void ReminderService::tick() {
    if (paused_) {
        return;
    }
    updateRemaining();
    std::vector<ReminderKind> due;
    for (const ReminderKind kind : reminderKindText.allCases()) {
        const auto left = remaining_.find(kind);
        if (isEnabled(kind) && !pending_.contains(kind) && deadlines_.contains(kind) &&
            (left == remaining_.end() || left->second <= 0.0)) {
            due.push_back(kind);
        }
    }
    const QPointer<ReminderService> alive(this);
    for (const ReminderKind kind : due) {
        // An earlier kind's callback may have paused, disabled or restarted this one.
        if (paused_ || !isEnabled(kind) || pending_.contains(kind)) {
            continue;
        }
        const auto deadline = deadlines_.find(kind);
        if (deadline == deadlines_.end() || deadline->second > now_()) {
            continue;
        }
        deadlines_.erase(deadline);
        pending_.insert(kind);
        emit pendingChanged();
        emit changed();
        if (onReminder_) {
            const auto callback = onReminder_;
            callback(kind);
            if (!alive) {
                return;
            }
        }
    }
}

QString ReminderService::format(double seconds) {
    const qint64 whole = static_cast<qint64>(std::ceil(std::max(seconds, 0.0)));
    return QStringLiteral("%1:%2")
        .arg(whole / 60, 2, 10, QLatin1Char('0'))
        .arg(whole % 60, 2, 10, QLatin1Char('0'));
}

void ReminderService::schedule(ReminderKind kind, double seconds) {
    setRemaining(kind, seconds);
    if (isEnabled(kind) && !paused_) {
        deadlines_[kind] = after(now_(), seconds);
    } else {
        deadlines_.erase(kind);
    }
}

void ReminderService::updateRemaining() {
    const QDateTime current = now_();
    // A copy, because observers of the change signals may restart a countdown.
    const auto deadlines = deadlines_;
    for (const auto& [kind, deadline] : deadlines) {
        setRemaining(kind, std::max(current.msecsTo(deadline) / 1000.0, 0.0));
    }
}

void ReminderService::setRemaining(ReminderKind kind, double seconds) {
    const auto found = remaining_.find(kind);
    if (found != remaining_.end() && found->second == seconds) {
        return;
    }
    remaining_[kind] = seconds;
    emit remainingChanged();
    emit changed();
}

void ReminderService::removePending(ReminderKind kind) {
    if (pending_.erase(kind) > 0) {
        emit pendingChanged();
        emit changed();
    }
}

}  // namespace tundle

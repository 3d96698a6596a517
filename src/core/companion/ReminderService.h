#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <map>
#include <set>

#include "companion/ReminderKind.h"

namespace tundle {

// Two independent repeating countdowns, drinking water and getting up, that tell their owner
// when one is due. A fired kind waits in `pending` until it is completed, snoozed or restarted.
class ReminderService : public QObject {
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;
    static constexpr int minimumMinutes = 1;
    static constexpr int maximumMinutes = 240;

    ReminderService(Clock now, bool automaticallyTicks, QObject* parent = nullptr);

    bool waterEnabled() const { return waterEnabled_; }
    bool movementEnabled() const { return movementEnabled_; }
    int waterMinutes() const { return waterMinutes_; }
    int movementMinutes() const { return movementMinutes_; }
    bool isPaused() const { return paused_; }
    // Seconds left per kind, as last computed.
    const std::map<ReminderKind, double>& remaining() const { return remaining_; }
    const std::set<ReminderKind>& pending() const { return pending_; }

    int minutes(ReminderKind kind) const;
    bool isEnabled(ReminderKind kind) const;
    QString remainingText(ReminderKind kind) const;

    // Called inside `tick()` for each kind that fires; it may change the service.
    void setOnReminder(std::function<void(ReminderKind)> onReminder);

    void setEnabled(bool enabled, ReminderKind kind);
    // Restarts the countdown at the new interval even when the value is unchanged.
    void setMinutes(int minutes, ReminderKind kind);
    void complete(ReminderKind kind);
    void snooze(ReminderKind kind, int minutes);
    void setPaused(bool paused);
    void tick();

    // Seconds rounded up, as "mm:ss"; minutes may exceed two digits.
    static QString format(double seconds);

signals:
    void waterEnabledChanged();
    void movementEnabledChanged();
    void waterMinutesChanged();
    void movementMinutesChanged();
    void pausedChanged();
    void remainingChanged();
    void pendingChanged();
    void changed();

private:
    void schedule(ReminderKind kind, double seconds);
    void updateRemaining();
    void setRemaining(ReminderKind kind, double seconds);
    void removePending(ReminderKind kind);

    Clock now_;
    bool waterEnabled_ = true;
    bool movementEnabled_ = true;
    int waterMinutes_ = 45;
    int movementMinutes_ = 60;
    bool paused_ = false;
    std::map<ReminderKind, double> remaining_;
    std::set<ReminderKind> pending_;
    std::map<ReminderKind, QDateTime> deadlines_;
    std::function<void(ReminderKind)> onReminder_;
    QTimer timer_;
};

}  // namespace tundle

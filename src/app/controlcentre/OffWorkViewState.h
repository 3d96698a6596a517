#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

#include "companion/WorkStatus.h"
#include "config/UserConfiguration.h"
#include "support/Calendar.h"

namespace tundle {

// What the off-work card shows at one instant, worked out afresh from the stored schedule.
struct OffWorkViewState {
    enum class Form { resting, plain };

    Form form = Form::plain;
    // Meaningful in the resting form: the kind of rest and the pet's line for it.
    RestKind rest = RestKind::evening;
    QString restLine;
    // The plain form: the first line, its size in points, and the second line (may be empty).
    QString headline;
    double headlinePoints = 15;
    QString caption;

    bool operator==(const OffWorkViewState&) const = default;

    static OffWorkViewState evaluate(const QDateTime& now, const ScheduleConfiguration& schedule,
                                     const Calendar& calendar);

    // Monday to Friday with no periods: what the card evaluates and the editor opens with while
    // no plan is stored.
    static WorkPlan defaultPlan();
    // Only the older off-work times are stored, enabled or not.
    static bool needsMigration(const ScheduleConfiguration& schedule);
    // "原下班时间：18:00、18:30" while the older times still stand in for a plan.
    static std::optional<QString> legacyNotice(const ScheduleConfiguration& schedule);
    // The clock time of `instant` in the calendar's zone, always on the 24-hour clock.
    static QString clockTime(const QDateTime& instant, const Calendar& calendar);
};

}  // namespace tundle

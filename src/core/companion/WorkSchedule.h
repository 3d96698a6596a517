#pragma once

#include <QDateTime>
#include <QString>

#include "companion/WorkStatus.h"
#include "records/WorkPlan.h"
#include "support/Calendar.h"

namespace tundle {

// Turns the work plan and an instant into the owner's status and the pet's line for it. Reads
// no clock: the caller passes the instant.
class WorkSchedule {
public:
    WorkSchedule() = delete;

    static WorkStatus status(const QDateTime& now, const WorkPlan& plan, const Calendar& calendar);
    // The line for the kind of rest: fixed for a calendar day, and every line of its pool shows
    // once in each run of days as long as the pool.
    static QString message(RestKind kind, const QDateTime& date, const Calendar& calendar);
};

}  // namespace tundle

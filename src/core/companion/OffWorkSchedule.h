#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

#include "records/OffWorkTime.h"
#include "support/Calendar.h"

namespace tundle {

// The older daily off-work times: when the next one comes, and the countdown text to it.
class OffWorkSchedule {
public:
    OffWorkSchedule() = delete;

    // The earliest off-work moment strictly after `after`; enabled times with a real hour and
    // minute count, the rest are ignored.
    static std::optional<QDateTime> next(const QDateTime& after,
                                         const std::vector<OffWorkTime>& times,
                                         const Calendar& calendar);
    // "1 小时 30 分钟" and the like, minutes rounded up; under a minute or past is "不到 1 分钟".
    static QString remaining(const QDateTime& until, const QDateTime& now);
};

}  // namespace tundle

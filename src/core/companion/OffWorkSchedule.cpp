#include "companion/OffWorkSchedule.h"

#include <cmath>

namespace tundle {

std::optional<QDateTime> OffWorkSchedule::next(const QDateTime& after,
                                               const std::vector<OffWorkTime>& times,
                                               const Calendar& calendar) {
    std::optional<QDateTime> earliest;
    for (const OffWorkTime& time : times) {
        if (!time.enabled || static_cast<unsigned>(time.hour) > 23 ||
            static_cast<unsigned>(time.minute) > 59) {
            continue;
        }
        const auto candidate = calendar.nextAfter(after, time.hour, time.minute, 0);
        if (candidate && (!earliest || *candidate < *earliest)) {
            earliest = candidate;
        }
    }
    return earliest;
}

QString OffWorkSchedule::remaining(const QDateTime& until, const QDateTime& now) {
    if (!until.isValid() || !now.isValid()) {
        return QStringLiteral("不到 1 分钟");
    }
    const double seconds = static_cast<double>(now.msecsTo(until)) / 1000.0;
    if (!(seconds >= 60)) {
        return QStringLiteral("不到 1 分钟");
    }
    // The difference of two date-times is far below the range of a 64-bit integer.
    const auto minutes = static_cast<qint64>(std::ceil(seconds / 60));
    const qint64 hours = minutes / 60;
    const qint64 rest = minutes % 60;
    if (minutes < 60) {
        return QString::number(minutes) + QStringLiteral(" 分钟");
    }
    if (rest == 0) {
        return QString::number(hours) + QStringLiteral(" 小时");
    }
    return QString::number(hours) + QStringLiteral(" 小时 ") + QString::number(rest) +
           QStringLiteral(" 分钟");
}

}  // namespace tundle

#include "support/Calendar.h"

#include <utility>

namespace tundle {

namespace {

constexpr qint64 msecsPerDay = 86400000;
constexpr qint64 msecsPerSecond = 1000;

const QDate epoch(1970, 1, 1);

qint64 floorDivide(qint64 value, qint64 divisor) {
    const qint64 quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

}  // namespace

Calendar::Calendar(QTimeZone zone) : zone_(std::move(zone)) {}

QDate Calendar::date(const QDateTime& instant) const {
    if (!instant.isValid()) {
        return QDate();
    }
    return epoch.addDays(floorDivide(localMsecs(instant), msecsPerDay));
}

int Calendar::weekday(const QDateTime& instant) const {
    const QDate day = date(instant);
    return day.isValid() ? weekdayFromQt(day.dayOfWeek()) : 0;
}

int Calendar::hour(const QDateTime& instant) const {
    if (!instant.isValid()) {
        return 0;
    }
    const qint64 local = localMsecs(instant);
    return static_cast<int>((local - floorDivide(local, msecsPerDay) * msecsPerDay) / 3600000);
}

bool Calendar::isSameDay(const QDateTime& first, const QDateTime& second) const {
    const QDate day = date(first);
    return day.isValid() && day == date(second);
}

std::optional<qint64> Calendar::dayOrdinal(const QDateTime& instant) const {
    const QDate day = date(instant);
    if (!day.isValid()) {
        return std::nullopt;
    }
    return day.toJulianDay() - QDate(1, 1, 1).toJulianDay() + 1;
}

std::optional<QDateTime> Calendar::startOfDay(const QDateTime& instant) const {
    return resolve(date(instant), QTime(0, 0));
}

std::optional<QDateTime> Calendar::addingDays(const QDateTime& instant, int days) const {
    if (!instant.isValid()) {
        return std::nullopt;
    }
    const qint64 local = localMsecs(instant);
    const qint64 day = floorDivide(local, msecsPerDay);
    return resolve(epoch.addDays(day + days),
                   QTime::fromMSecsSinceStartOfDay(static_cast<int>(local - day * msecsPerDay)));
}

std::optional<QDateTime> Calendar::at(const QDateTime& day, int hour, int minute,
                                      int second) const {
    return resolve(date(day), QTime(hour, minute, second));
}

std::optional<QDateTime> Calendar::nextAfter(const QDateTime& instant, int hour, int minute,
                                             int second) const {
    const QDate first = date(instant);
    // A skipped time on the first day can resolve to an instant before `instant`; two more
    // days cover every real zone.
    for (int days = 0; days <= 2; ++days) {
        const auto candidate = resolve(first.addDays(days), QTime(hour, minute, second));
        if (candidate && *candidate > instant) {
            return candidate;
        }
    }
    return std::nullopt;
}

int Calendar::weekdayFromQt(int dayOfWeek) {
    return dayOfWeek % 7 + 1;
}

std::optional<QDateTime> Calendar::resolve(QDate date, QTime time) const {
    if (!date.isValid() || !time.isValid()) {
        return std::nullopt;
    }
    const qint64 local = epoch.daysTo(date) * msecsPerDay + time.msecsSinceStartOfDay();
    // Any change of offset near this wall-clock time lies between these two, since no zone is
    // more than a day away from UTC.
    const int before = offsetAt(local - msecsPerDay);
    const int after = offsetAt(local + msecsPerDay);
    std::optional<qint64> found;
    for (const int offset : {before, after}) {
        const qint64 candidate = local - offset * msecsPerSecond;
        if (offsetAt(candidate) == offset && (!found || candidate < *found)) {
            found = candidate;
        }
    }
    if (found) {
        return QDateTime::fromMSecsSinceEpoch(*found, Qt::UTC);
    }
    if (after <= before) {
        return std::nullopt;
    }
    // The time was skipped: the answer is the instant the later offset took effect, which lies
    // between the two readings of the wall-clock time.
    qint64 low = floorDivide(local - after * msecsPerSecond, msecsPerSecond);
    qint64 high = -floorDivide(-(local - before * msecsPerSecond), msecsPerSecond);
    if (offsetAt(low * msecsPerSecond) != before || offsetAt(high * msecsPerSecond) == before) {
        return std::nullopt;
    }
    while (high - low > 1) {
        const qint64 middle = low + (high - low) / 2;
        (offsetAt(middle * msecsPerSecond) == before ? low : high) = middle;
    }
    return QDateTime::fromMSecsSinceEpoch(high * msecsPerSecond, Qt::UTC);
}

qint64 Calendar::localMsecs(const QDateTime& instant) const {
    return instant.toMSecsSinceEpoch() + offsetAt(instant.toMSecsSinceEpoch()) * msecsPerSecond;
}

int Calendar::offsetAt(qint64 utcMsecs) const {
    return zone_.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(utcMsecs, Qt::UTC));
}

}  // namespace tundle

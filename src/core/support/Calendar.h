#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QTimeZone>
#include <optional>

namespace tundle {

// The Gregorian calendar in one time zone: every calendar rule of the companion asks it, so no
// rule ever depends on the machine's zone. Instants go in and come out as UTC date-times.
class Calendar {
public:
    explicit Calendar(QTimeZone zone);

    const QTimeZone& timeZone() const { return zone_; }

    // The day the instant falls on in this zone; invalid for an invalid instant.
    QDate date(const QDateTime& instant) const;
    // 1 = Sunday, 2 = Monday … 7 = Saturday; 0 for an invalid instant.
    int weekday(const QDateTime& instant) const;
    int hour(const QDateTime& instant) const;
    bool isSameDay(const QDateTime& first, const QDateTime& second) const;
    // Days counted from 0001-01-01 of the proleptic Gregorian calendar, which is day 1.
    std::optional<qint64> dayOrdinal(const QDateTime& instant) const;

    std::optional<QDateTime> startOfDay(const QDateTime& instant) const;
    // The same wall-clock time `days` calendar days later, so a day may last 23 or 25 hours.
    std::optional<QDateTime> addingDays(const QDateTime& instant, int days) const;
    // The wall-clock time on the day of `day`. A time skipped by a daylight-saving change gives
    // the first time that exists after it; a time that occurs twice gives its first occurrence.
    std::optional<QDateTime> at(const QDateTime& day, int hour, int minute, int second) const;
    // The first instant strictly after `instant` showing that wall-clock time, by the same rules.
    std::optional<QDateTime> nextAfter(const QDateTime& instant, int hour, int minute,
                                       int second) const;

    // Qt counts 1 = Monday … 7 = Sunday.
    static int weekdayFromQt(int dayOfWeek);

private:
    std::optional<QDateTime> resolve(QDate date, QTime time) const;
    qint64 localMsecs(const QDateTime& instant) const;
    int offsetAt(qint64 utcMsecs) const;

    QTimeZone zone_;
};

}  // namespace tundle

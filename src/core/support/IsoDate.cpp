#include "support/IsoDate.h"

#include <QTimeZone>

namespace tundle {

namespace {

// The number written by `length` ASCII digits at `from`, or -1.
int digits(const QString& text, qsizetype from, qsizetype length) {
    int value = 0;
    for (qsizetype i = from; i < from + length; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') {
            return -1;
        }
        value = value * 10 + (c - u'0');
    }
    return value;
}

}  // namespace

QString IsoDate::text(const QDateTime& date) {
    return date.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + u'Z';
}

std::optional<QDateTime> IsoDate::parse(const QString& text) {
    // yyyy-MM-ddTHH:mm:ss followed by Z or ±HH:MM
    if (text.size() != 20 && text.size() != 25) {
        return std::nullopt;
    }
    const auto at = [&](qsizetype i, char16_t c) { return text[i].unicode() == c; };
    if (!at(4, u'-') || !at(7, u'-') || !at(10, u'T') || !at(13, u':') || !at(16, u':')) {
        return std::nullopt;
    }
    const int year = digits(text, 0, 4), month = digits(text, 5, 2), day = digits(text, 8, 2);
    const int hour = digits(text, 11, 2), minute = digits(text, 14, 2),
              second = digits(text, 17, 2);
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (year < 0 || !date.isValid() || !time.isValid()) {
        return std::nullopt;
    }
    int offsetSeconds = 0;
    if (text.size() == 20) {
        if (!at(19, u'Z')) {
            return std::nullopt;
        }
    } else {
        const int sign = at(19, u'+') ? 1 : at(19, u'-') ? -1 : 0;
        const int offsetHours = digits(text, 20, 2), offsetMinutes = digits(text, 23, 2);
        if (sign == 0 || !at(22, u':') || offsetHours < 0 || offsetHours > 23 ||
            offsetMinutes < 0 || offsetMinutes > 59) {
            return std::nullopt;
        }
        offsetSeconds = sign * (offsetHours * 3600 + offsetMinutes * 60);
    }
    return QDateTime(date, time, Qt::UTC).addSecs(-offsetSeconds);
}

}  // namespace tundle

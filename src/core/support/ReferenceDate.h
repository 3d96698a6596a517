#pragma once

#include <QDateTime>
#include <optional>

namespace tundle {

// Some of our files count time as seconds since 2001-01-01 00:00:00 UTC.
class ReferenceDate {
public:
    ReferenceDate() = delete;

    // Seconds with their fraction, to the millisecond.
    static double secondsSince(const QDateTime& instant);
    // Nothing for a count that is not finite or lies too far out to keep every millisecond.
    static std::optional<QDateTime> fromSeconds(double seconds);
};

}  // namespace tundle

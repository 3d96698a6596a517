#include "support/ReferenceDate.h"

#include <cmath>

namespace tundle {

namespace {

constexpr qint64 referenceMSecsSinceEpoch = 978307200000;
// About 31,700 years either way: far beyond any real date, and small enough that a count
// of milliseconds stays exact as a double, so reading and writing again gives the same number.
constexpr double furthestSeconds = 1e12;

}  // namespace

double ReferenceDate::secondsSince(const QDateTime& instant) {
    return static_cast<double>(instant.toMSecsSinceEpoch() - referenceMSecsSinceEpoch) / 1000.0;
}

std::optional<QDateTime> ReferenceDate::fromSeconds(double seconds) {
    if (!std::isfinite(seconds) || std::abs(seconds) > furthestSeconds) {
        return std::nullopt;
    }
    return QDateTime::fromMSecsSinceEpoch(std::llround(seconds * 1000.0) + referenceMSecsSinceEpoch,
                                          Qt::UTC);
}

}  // namespace tundle

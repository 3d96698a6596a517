#pragma once

#include <QDateTime>
#include <QString>

namespace tundle {

// The short label over a plot that says what the pet just did there.
struct FarmFeedback {
    int plot = 0;
    QString title;
    QString detail;
    // After a double harvest.
    bool doubled = false;
    QDateTime startedAt;

    bool operator==(const FarmFeedback&) const = default;
};

}  // namespace tundle

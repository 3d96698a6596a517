#pragma once

#include <QDateTime>
#include <QString>
#include <QUuid>

namespace tundle {

struct ClipboardEntry {
    // Kept when the same text is copied again.
    QUuid id;
    // Exactly as it came from the pasteboard, blanks included.
    QString text;
    // When it was last captured.
    QDateTime capturedAt;

    bool operator==(const ClipboardEntry&) const = default;
};

}  // namespace tundle

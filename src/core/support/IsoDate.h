#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace tundle {

// Internet date-times with whole seconds: written in UTC with "Z" (2026-03-01T08:30:00Z);
// read with "Z" or a numeric offset (+08:00). Anything else, fractions of a second included,
// gives nothing.
class IsoDate {
public:
    static QString text(const QDateTime& date);
    static std::optional<QDateTime> parse(const QString& text);
};

}  // namespace tundle

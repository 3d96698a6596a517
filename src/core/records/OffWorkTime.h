#pragma once

#include <QJsonObject>
#include <QUuid>

#include "support/JsonReader.h"
#include "support/Uuid.h"

namespace tundle {

// One daily off-work time of the older scheme, kept for display and migration.
struct OffWorkTime {
    QUuid id = newUuid();
    int hour = 0;
    int minute = 0;
    bool enabled = true;

    bool operator==(const OffWorkTime&) const = default;

    static OffWorkTime fromJson(const JsonObject& json);
    QJsonObject toJson() const;
};

}  // namespace tundle

#pragma once

#include <QJsonObject>
#include <QString>

#include "support/JsonReader.h"

namespace tundle {

// A named place whose weather the room follows; degrees, north and east positive.
struct WeatherLocation {
    QString name = {};
    double latitude = 0;
    double longitude = 0;

    bool operator==(const WeatherLocation&) const = default;

    // Takes the stored values as they stand; shortening and rounding belong to building one.
    static WeatherLocation fromJson(const JsonObject& json);
    QJsonObject toJson() const;
};

}  // namespace tundle

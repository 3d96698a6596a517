#pragma once

#include <QJsonObject>
#include <QString>
#include <vector>

#include "support/JsonReader.h"

namespace tundle {

// A named place whose weather the room follows; degrees, north and east positive.
struct WeatherLocation {
    QString name = {};
    double latitude = 0;
    double longitude = 0;

    static constexpr qsizetype maximumNameLength = 60;

    // The built-in cities offered in the room settings, in their display order.
    static const std::vector<WeatherLocation>& cities();

    // A place as the user picks or searches it: the name cut to 60 characters, each coordinate
    // rounded to one decimal, halves away from zero, and values below 0.05 made 0.
    static WeatherLocation create(const QString& name, double latitude, double longitude);

    // The coordinates as "39.9,116.4", whatever the user's locale; weather records carry it.
    QString key() const;
    // Finite coordinates on the globe and a name of 1 to 60 characters, untrimmed.
    bool isValid() const;

    bool operator==(const WeatherLocation&) const = default;

    // Takes the stored values as they stand; shortening and rounding belong to building one.
    static WeatherLocation fromJson(const JsonObject& json);
    QJsonObject toJson() const;
};

}  // namespace tundle

#include "records/WeatherLocation.h"

namespace tundle {

WeatherLocation WeatherLocation::fromJson(const JsonObject& json) {
    return WeatherLocation{
        .name = json.required(QStringLiteral("name")).toString(),
        .latitude = json.required(QStringLiteral("latitude")).toDouble(),
        .longitude = json.required(QStringLiteral("longitude")).toDouble(),
    };
}

QJsonObject WeatherLocation::toJson() const {
    return QJsonObject{
        {QStringLiteral("name"), name},
        {QStringLiteral("latitude"), latitude},
        {QStringLiteral("longitude"), longitude},
    };
}

}  // namespace tundle

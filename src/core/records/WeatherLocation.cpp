#include "records/WeatherLocation.h"

#include <cmath>

#include "support/Graphemes.h"

namespace tundle {

namespace {

double roundedCoordinate(double value) {
    if (value == 0 || std::abs(value) < 0.05) {
        return 0.0;
    }
    // Beyond this every double is a whole number already, and scaling could overflow.
    if (!std::isfinite(value) || std::abs(value) >= 1e15) {
        return value;
    }
    return std::round(value * 10) / 10;
}

}  // namespace

const std::vector<WeatherLocation>& WeatherLocation::cities() {
    static const std::vector<WeatherLocation> list{
        create(QStringLiteral("北京"), 39.9, 116.4), create(QStringLiteral("上海"), 31.2, 121.5),
        create(QStringLiteral("广州"), 23.1, 113.3), create(QStringLiteral("深圳"), 22.5, 114.1),
        create(QStringLiteral("杭州"), 30.3, 120.2), create(QStringLiteral("成都"), 30.7, 104.1),
        create(QStringLiteral("重庆"), 29.6, 106.6), create(QStringLiteral("武汉"), 30.6, 114.3),
        create(QStringLiteral("南京"), 32.1, 118.8), create(QStringLiteral("西安"), 34.3, 108.9),
        create(QStringLiteral("香港"), 22.3, 114.2), create(QStringLiteral("台北"), 25.0, 121.5),
    };
    return list;
}

WeatherLocation WeatherLocation::create(const QString& name, double latitude, double longitude) {
    return WeatherLocation{
        .name = graphemePrefix(name, maximumNameLength),
        .latitude = roundedCoordinate(latitude),
        .longitude = roundedCoordinate(longitude),
    };
}

QString WeatherLocation::key() const {
    return QString::number(latitude, 'f', 1) + u',' + QString::number(longitude, 'f', 1);
}

bool WeatherLocation::isValid() const {
    const qsizetype length = graphemeCount(name);
    return std::isfinite(latitude) && std::abs(latitude) <= 90 && std::isfinite(longitude) &&
           std::abs(longitude) <= 180 && length > 0 && length <= maximumNameLength;
}

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

#include "room/WeatherSnapshot.h"

#include <QJsonObject>
#include <cmath>

#include "support/ConfigurationError.h"
#include "support/IsoDate.h"
#include "support/JsonReader.h"
#include "support/JsonWriter.h"

namespace tundle {

namespace {

// Seconds from `from` to `to`, with the milliseconds of a live clock kept.
double secondsBetween(const QDateTime& from, const QDateTime& to) {
    return from.msecsTo(to) / 1000.0;
}

}  // namespace

bool WeatherSnapshot::usable(const QDateTime& now) const {
    const double age = secondsBetween(reference(), now);
    return age >= -300 && age < 21600;
}

bool WeatherSnapshot::fresh(const QDateTime& now) const {
    return !isStale && secondsBetween(reference(), now) < 7200 &&
           secondsBetween(fetchedAt, now) < 1800;
}

void WeatherSnapshot::validate(const WeatherLocation& location, const QDateTime& now) const {
    const QDateTime epoch = QDateTime::fromSecsSinceEpoch(0, Qt::UTC);
    const bool valid = schemaVersion == currentSchemaVersion && locationKey == location.key() &&
                       std::isfinite(intensity) && intensity >= 0 && intensity <= 1 &&
                       secondsBetween(now, reference()) <= 300 &&
                       secondsBetween(now, fetchedAt) <= 300 && fetchedAt > epoch &&
                       reference() > epoch && secondsBetween(reference(), fetchedAt) >= -300;
    if (!valid) {
        throw ConfigurationError(QStringLiteral("天气数据无效"));
    }
}

QByteArray WeatherSnapshot::encoded() const {
    QJsonObject json{
        {QStringLiteral("schemaVersion"), schemaVersion},
        {QStringLiteral("locationKey"), locationKey},
        {QStringLiteral("condition"), roomWeatherText.raw(condition)},
        {QStringLiteral("intensity"), intensity},
        {QStringLiteral("fetchedAt"), IsoDate::text(fetchedAt)},
        {QStringLiteral("isStale"), isStale},
    };
    if (observedAt) {
        json.insert(QStringLiteral("observedAt"), IsoDate::text(*observedAt));
    }
    return JsonWriter::compact(json);
}

WeatherSnapshot WeatherSnapshot::decode(const QByteArray& bytes) {
    const JsonObject json = JsonObject::parse(bytes);
    return WeatherSnapshot{
        .schemaVersion = json.required(QStringLiteral("schemaVersion")).toInt(),
        .locationKey = json.required(QStringLiteral("locationKey")).toString(),
        .condition = json.required(QStringLiteral("condition")).toEnum(roomWeatherText),
        .intensity = json.required(QStringLiteral("intensity")).toDouble(),
        .observedAt = json.optional(QStringLiteral("observedAt"), &JsonValue::toIsoDate),
        .fetchedAt = json.required(QStringLiteral("fetchedAt")).toIsoDate(),
        .isStale = json.required(QStringLiteral("isStale")).toBool(),
    };
}

}  // namespace tundle

#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

#include "records/RoomPreferences.h"
#include "records/WeatherLocation.h"

namespace tundle {

// The weather at one place at one time: the weather endpoint's answer and the cache file alike.
struct WeatherSnapshot {
    static constexpr int currentSchemaVersion = 1;

    int schemaVersion = currentSchemaVersion;
    QString locationKey = {};
    RoomWeather condition = RoomWeather::clear;
    double intensity = 0;
    // When the source observed it; absent when the source gives no time.
    std::optional<QDateTime> observedAt = {};
    QDateTime fetchedAt = {};
    bool isStale = false;

    // At most five minutes ahead of the clock and less than six hours old.
    bool usable(const QDateTime& now) const;
    // Recent enough that no new fetch is needed.
    bool fresh(const QDateTime& now) const;
    // Refuses a record that is not for `location` or whose numbers and times cannot be true,
    // with "天气数据无效".
    void validate(const WeatherLocation& location, const QDateTime& now) const;

    // One compact JSON object with dates in UTC.
    QByteArray encoded() const;
    static WeatherSnapshot decode(const QByteArray& bytes);

private:
    const QDateTime& reference() const { return observedAt ? *observedAt : fetchedAt; }
};

}  // namespace tundle

#include "room/WeatherSnapshot.h"

#include <gtest/gtest.h>

#include "support/ConfigurationError.h"
#include "support/JsonReader.h"

namespace tundle {
namespace {

const WeatherLocation beijing{QStringLiteral("北京"), 39.9, 116.4};
const QDateTime now(QDate(2026, 3, 1), QTime(8, 30), Qt::UTC);

WeatherSnapshot snapshot(std::optional<qint64> observedAgo, qint64 fetchedAgo, bool stale = false) {
    return WeatherSnapshot{
        .locationKey = QStringLiteral("39.9,116.4"),
        .condition = RoomWeather::rain,
        .intensity = 0.7,
        .observedAt = observedAgo ? std::optional(now.addSecs(-*observedAgo)) : std::nullopt,
        .fetchedAt = now.addSecs(-fetchedAgo),
        .isStale = stale};
}

TEST(WeatherSnapshot, UsableWithinFiveMinutesAheadAndSixHoursOld) {
    EXPECT_TRUE(snapshot(-300, 0).usable(now));
    EXPECT_FALSE(snapshot(-301, 0).usable(now));
    EXPECT_TRUE(snapshot(21599, 0).usable(now));
    EXPECT_FALSE(snapshot(21600, 0).usable(now));
    // Without an observation time the fetch time counts.
    EXPECT_TRUE(snapshot(std::nullopt, 21599).usable(now));
    EXPECT_FALSE(snapshot(std::nullopt, 21600).usable(now));
}

TEST(WeatherSnapshot, FreshOnlyWhenRecentlyObservedAndFetchedAndNotStale) {
    EXPECT_TRUE(snapshot(7199, 1799).fresh(now));
    EXPECT_FALSE(snapshot(7200, 0).fresh(now));
    EXPECT_FALSE(snapshot(0, 1800).fresh(now));
    EXPECT_FALSE(snapshot(0, 0, true).fresh(now));
    EXPECT_TRUE(snapshot(-5000, -5000).fresh(now)) << "no lower bound";
}

TEST(WeatherSnapshot, ValidateRefusesImpossibleRecords) {
    const auto fails = [](const WeatherSnapshot& s) {
        try {
            s.validate(beijing, now);
        } catch (const ConfigurationError& error) {
            return error.message() == QStringLiteral("天气数据无效");
        }
        return false;
    };
    EXPECT_FALSE(fails(snapshot(60, 30)));
    WeatherSnapshot s = snapshot(60, 30);
    s.schemaVersion = 2;
    EXPECT_TRUE(fails(s));
    s = snapshot(60, 30);
    s.locationKey = QStringLiteral("39.90,116.40");
    EXPECT_TRUE(fails(s));
    for (const double intensity : {1.0000001, -0.1, std::nan("")}) {
        s = snapshot(60, 30);
        s.intensity = intensity;
        EXPECT_TRUE(fails(s)) << intensity;
    }
    for (const double intensity : {1.0, -0.0}) {
        s = snapshot(60, 30);
        s.intensity = intensity;
        EXPECT_FALSE(fails(s)) << intensity;
    }
    EXPECT_FALSE(fails(snapshot(-300, -300)));
    EXPECT_TRUE(fails(snapshot(-301, -300)));
    EXPECT_TRUE(fails(snapshot(std::nullopt, -301)));
    EXPECT_FALSE(fails(snapshot(600, 900)));
    EXPECT_TRUE(fails(snapshot(600, 901)));
    s = snapshot(std::nullopt, 0);
    s.fetchedAt = QDateTime::fromSecsSinceEpoch(0, Qt::UTC);
    EXPECT_TRUE(fails(s));
}

TEST(WeatherSnapshot, JsonRoundTripAndStrictReading) {
    const WeatherSnapshot original = snapshot(60, 30);
    const QByteArray bytes = original.encoded();
    EXPECT_TRUE(bytes.contains("\"observedAt\":\"2026-03-01T08:29:00Z\""));
    EXPECT_TRUE(bytes.contains("\"condition\":\"rain\""));
    const WeatherSnapshot back = WeatherSnapshot::decode(bytes);
    EXPECT_EQ(back.encoded(), bytes);
    EXPECT_EQ(back.observedAt, original.observedAt);

    const QByteArray withoutObservation = snapshot(std::nullopt, 30).encoded();
    EXPECT_FALSE(withoutObservation.contains("observedAt"));
    EXPECT_FALSE(WeatherSnapshot::decode(withoutObservation).observedAt);
    EXPECT_FALSE(
        WeatherSnapshot::decode(
            QByteArray(withoutObservation).replace("{", "{\"observedAt\":null,\"extra\":1,"))
            .observedAt);
    EXPECT_THROW(WeatherSnapshot::decode(QByteArray(bytes).replace("\"rain\"", "\"hail\"")),
                 JsonError);
    EXPECT_THROW(WeatherSnapshot::decode(QByteArray(bytes).replace("\"isStale\"", "\"stale\"")),
                 JsonError);
    EXPECT_THROW(WeatherSnapshot::decode(QByteArray(bytes).replace("Z\"", "\"")), JsonError);
}

}  // namespace
}  // namespace tundle

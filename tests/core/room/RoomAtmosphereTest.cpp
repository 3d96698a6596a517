#include "room/RoomAtmosphere.h"

#include <gtest/gtest.h>

namespace tundle {
namespace {

QDateTime utc(const char* text) {
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate).toUTC();
}

RoomPreferences at(const WeatherLocation& place, RoomMode mode = RoomMode::daylight) {
    return RoomPreferences{.mode = mode, .location = place};
}

const WeatherLocation beijing = WeatherLocation::cities()[0];
const WeatherLocation shanghai = WeatherLocation::cities()[1];

TEST(RoomAtmosphere, SolarElevationFollowsTheSun) {
    EXPECT_NEAR(RoomAtmosphere::solarElevation(utc("2026-06-21T04:00:00Z"), 39.9, 116.4), 73.22,
                0.01);
    EXPECT_NEAR(RoomAtmosphere::solarElevation(utc("2026-06-21T16:00:00Z"), 39.9, 116.4), -26.54,
                0.01);
    EXPECT_NEAR(RoomAtmosphere::solarElevation(utc("2026-01-01T09:00:00Z"), 31.2, 121.5), -0.56,
                0.01);
    EXPECT_NEAR(RoomAtmosphere::solarElevation(utc("2026-01-01T00:00:00Z"), 31.2, 121.5), 11.54,
                0.01);
}

TEST(RoomAtmosphere, DaylightAndPhaseFromTheSunAtTheChosenPlace) {
    const auto day =
        RoomAtmosphere::resolve(at(beijing), std::nullopt, utc("2026-06-21T04:00:00Z"));
    EXPECT_EQ(day, (RoomAtmosphere{RoomWeather::clear, RoomPhase::day, 0.0, 1.0}));
    const auto night =
        RoomAtmosphere::resolve(at(beijing), std::nullopt, utc("2026-06-21T16:00:00Z"));
    EXPECT_EQ(night.phase, RoomPhase::night);
    EXPECT_EQ(night.daylight, 0.0);
    const auto dusk =
        RoomAtmosphere::resolve(at(shanghai), std::nullopt, utc("2026-01-01T09:00:00Z"));
    EXPECT_EQ(dusk.phase, RoomPhase::dusk);
    EXPECT_NEAR(dusk.daylight, 0.302, 0.001);
    const auto morning =
        RoomAtmosphere::resolve(at(shanghai), std::nullopt, utc("2026-01-01T00:00:00Z"));
    EXPECT_EQ(morning.phase, RoomPhase::day);
    EXPECT_NEAR(morning.daylight, 0.974, 0.001);
    const WeatherLocation nowhere{QStringLiteral("?"), std::nan(""), 0};
    EXPECT_EQ(
        RoomAtmosphere::resolve(at(nowhere), std::nullopt, utc("2026-01-01T00:00:00Z")).daylight,
        0.0);
}

TEST(RoomAtmosphere, ThresholdsBetweenNightDuskAndDay) {
    EXPECT_EQ(RoomAtmosphere::daylightAt(-6), 0.0);
    EXPECT_EQ(RoomAtmosphere::phaseFor(RoomAtmosphere::daylightAt(-6)), RoomPhase::night);
    EXPECT_DOUBLE_EQ(RoomAtmosphere::daylightAt(7.5), 0.75);
    EXPECT_EQ(RoomAtmosphere::phaseFor(0.75), RoomPhase::dusk) << "the day threshold is strict";
    EXPECT_EQ(RoomAtmosphere::phaseFor(0.7500001), RoomPhase::day);
    EXPECT_EQ(RoomAtmosphere::phaseFor(0.02), RoomPhase::night);
    EXPECT_EQ(RoomAtmosphere::phaseFor(0.0200001), RoomPhase::dusk);
    EXPECT_EQ(RoomAtmosphere::daylightAt(12), 1.0);
    EXPECT_EQ(RoomAtmosphere::daylightAt(80), 1.0);
    EXPECT_EQ(RoomAtmosphere::daylightAt(std::nan("")), 0.0);
}

TEST(RoomAtmosphere, WithoutAPlaceTheClockHourInTheUsersZoneDecides) {
    const QTimeZone berlin("Europe/Berlin");
    const struct {
        QTime time;
        double daylight;
        RoomPhase phase;
    } cases[] = {
        {QTime(5, 59), 0.0, RoomPhase::night}, {QTime(6, 0), 0.4, RoomPhase::dusk},
        {QTime(6, 59), 0.4, RoomPhase::dusk},  {QTime(7, 0), 1.0, RoomPhase::day},
        {QTime(17, 59), 1.0, RoomPhase::day},  {QTime(18, 0), 0.4, RoomPhase::dusk},
        {QTime(18, 59), 0.4, RoomPhase::dusk}, {QTime(19, 0), 0.0, RoomPhase::night},
    };
    for (const auto& c : cases) {
        const QDateTime local(QDate(2026, 7, 1), c.time, berlin);
        const auto atmosphere =
            RoomAtmosphere::resolve(RoomPreferences(), std::nullopt, local.toUTC(), berlin);
        EXPECT_EQ(atmosphere.daylight, c.daylight) << c.time.toString().toStdString();
        EXPECT_EQ(atmosphere.phase, c.phase) << c.time.toString().toStdString();
    }
}

TEST(RoomAtmosphere, ModesDecideWhereTheWeatherComesFrom) {
    const QDateTime noon = utc("2026-06-21T04:00:00Z");
    const WeatherSnapshot rain{.locationKey = QStringLiteral("39.9,116.4"),
                               .condition = RoomWeather::rain,
                               .intensity = 0.7,
                               .fetchedAt = noon};

    RoomPreferences fixed = at(beijing, RoomMode::fixed);
    fixed.fixedWeather = RoomWeather::snow;
    fixed.fixedPhase = RoomPhase::night;
    EXPECT_EQ(RoomAtmosphere::resolve(fixed, rain, noon),
              (RoomAtmosphere{RoomWeather::snow, RoomPhase::night, 0.5, 0.0}));

    EXPECT_EQ(RoomAtmosphere::resolve(at(beijing, RoomMode::weather), rain, noon),
              (RoomAtmosphere{RoomWeather::rain, RoomPhase::day, 0.7, 1.0}));
    const QDateTime later = noon.addSecs(21600);
    const auto expired = RoomAtmosphere::resolve(at(beijing, RoomMode::weather), rain, later);
    EXPECT_EQ(expired.weather, RoomWeather::clear);
    EXPECT_EQ(expired.intensity, 0.0);
    EXPECT_EQ(RoomAtmosphere::resolve(at(shanghai, RoomMode::weather), rain, noon).weather,
              RoomWeather::clear);
    RoomPreferences nowhere{.mode = RoomMode::weather};
    EXPECT_EQ(RoomAtmosphere::resolve(nowhere, rain, noon).weather, RoomWeather::clear);
    EXPECT_EQ(RoomAtmosphere::resolve(at(beijing, RoomMode::daylight), rain, noon),
              (RoomAtmosphere{RoomWeather::clear, RoomPhase::day, 0.0, 1.0}));
}

TEST(RoomAtmosphere, CasesHaveTheirTitlesInOrder) {
    EXPECT_EQ(title(RoomMode::weather), QStringLiteral("跟随天气与昼夜"));
    EXPECT_EQ(title(RoomWeather::storm), QStringLiteral("雷雨天"));
    EXPECT_EQ(title(RoomPhase::dusk), QStringLiteral("黄昏"));
    EXPECT_EQ(title(RoomMotion::off), QStringLiteral("关闭"));
    EXPECT_EQ(roomWeatherText.allCases().back(), RoomWeather::fog);
    ASSERT_EQ(WeatherLocation::cities().size(), 12u);
    EXPECT_EQ(beijing.key(), QStringLiteral("39.9,116.4"));
    EXPECT_EQ(WeatherLocation::cities()[11],
              (WeatherLocation{QStringLiteral("台北"), 25.0, 121.5}));
}

}  // namespace
}  // namespace tundle

#include "editors/WeatherEffects.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tundle {
namespace {

const QRectF unit(0, 0, 1, 1);

RoomAtmosphere clearAt(double daylight) {
    return RoomAtmosphere{.weather = RoomWeather::clear, .daylight = daylight};
}

TEST(WeatherEffectsTest, StormFlashesTwiceEachCycle) {
    EXPECT_DOUBLE_EQ(WeatherEffects::flashOpacity(7.3 * 10 + 0.04), 0.34);
    EXPECT_DOUBLE_EQ(WeatherEffects::flashOpacity(0.15), 0);
    EXPECT_DOUBLE_EQ(WeatherEffects::flashOpacity(0.23), 0.18);
    EXPECT_DOUBLE_EQ(WeatherEffects::flashOpacity(1.0), 0);
    // The still picture's instant lies between flashes.
    EXPECT_DOUBLE_EQ(WeatherEffects::flashOpacity(11.0), 0);
}

TEST(WeatherEffectsTest, SunGlowAndStarsDependOnDaylight) {
    EXPECT_FALSE(WeatherEffects::glowOpacity(clearAt(0.5), 0));
    ASSERT_TRUE(WeatherEffects::glowOpacity(clearAt(0.51), 0));
    EXPECT_DOUBLE_EQ(*WeatherEffects::glowOpacity(clearAt(1), 0), 0.08);
    EXPECT_NEAR(*WeatherEffects::glowOpacity(clearAt(1), 2), 0.08 + 0.025 * std::sin(1.6), 1e-12);
    EXPECT_FALSE(WeatherEffects::glowOpacity(
        RoomAtmosphere{.weather = RoomWeather::cloudy, .daylight = 1}, 0));

    EXPECT_FALSE(WeatherEffects::showsStars(clearAt(0.2)));
    EXPECT_TRUE(WeatherEffects::showsStars(clearAt(0.19)));
    EXPECT_TRUE(
        WeatherEffects::showsStars(RoomAtmosphere{.weather = RoomWeather::fog, .daylight = 0}));
}

TEST(WeatherEffectsTest, StarsStayInPlaceAndTwinkle) {
    const QSizeF size(300, 400);
    const auto stars = WeatherEffects::stars(size, 3, false);
    ASSERT_EQ(stars.size(), 15u);
    EXPECT_EQ(WeatherEffects::stars(size, 3, true).size(), 8u);
    // k = 1: x = 300 × (0.613 + 0.06), y = 400 × (0.117 + 0.03), side 1.
    EXPECT_NEAR(stars[0].rect.x(), 300 * 0.673, 1e-9);
    EXPECT_NEAR(stars[0].rect.y(), 400 * 0.147, 1e-9);
    EXPECT_DOUBLE_EQ(stars[0].rect.width(), 1);
    EXPECT_DOUBLE_EQ(stars[1].rect.width(), 1.5);
    EXPECT_DOUBLE_EQ(stars[2].rect.width(), 2);
    EXPECT_NEAR(stars[0].opacity, 0.25 + 0.55 * std::abs(std::sin(2.7 + 1.7)), 1e-12);
    const auto later = WeatherEffects::stars(size, 4, false);
    for (size_t k = 0; k < stars.size(); ++k) {
        EXPECT_EQ(stars[k].rect, later[k].rect);
        EXPECT_GE(stars[k].rect.x(), 300 * 0.06 - 1e-9);
        EXPECT_LE(stars[k].rect.x(), 300 * 0.94);
        EXPECT_GE(stars[k].rect.y(), 400 * 0.03 - 1e-9);
        EXPECT_LE(stars[k].rect.y(), 400 * 0.31);
    }
}

TEST(WeatherEffectsTest, ParticleCountFollowsIntensityOrTheLightSetting) {
    EXPECT_EQ(WeatherEffects::particleCount(1, false), 125);
    EXPECT_EQ(WeatherEffects::particleCount(0.5, false), 85);
    EXPECT_EQ(WeatherEffects::particleCount(0, false), 45);
    EXPECT_EQ(WeatherEffects::particleCount(1, true), 35);
    EXPECT_TRUE(WeatherEffects::falls(RoomWeather::rain));
    EXPECT_TRUE(WeatherEffects::falls(RoomWeather::snow));
    EXPECT_FALSE(WeatherEffects::falls(RoomWeather::fog));
    EXPECT_FALSE(WeatherEffects::falls(RoomWeather::cloudy));
}

TEST(WeatherEffectsTest, StreaksFallAtTheirWeathersSpeed) {
    const QSizeF size(300, 400);
    const auto rain = WeatherEffects::streaks(RoomWeather::rain, 1, 0.5, false, size, unit);
    ASSERT_EQ(rain.size(), 125u);
    // i = 2: x = frac(1.2360679774) = 0.2360679774; y = frac(0.3 + 0.434 + 1.484) = 0.218.
    EXPECT_NEAR(rain[2].p1().x(), 300 * 0.2360679774, 1e-6);
    EXPECT_NEAR(rain[2].p1().y(), 400 * 0.218, 1e-6);
    EXPECT_NEAR(rain[2].p2().x() - rain[2].p1().x(), -0.012 * 300, 1e-9);
    EXPECT_NEAR(rain[2].p2().y() - rain[2].p1().y(), 0.022 * 400, 1e-9);

    const auto storm = WeatherEffects::streaks(RoomWeather::storm, 1, 0.5, false, size, unit);
    // i = 0 sits at the storm's phase 0.425.
    EXPECT_NEAR(storm[0].p1().y(), 400 * 0.425, 1e-6);
    // One fall down the area takes 1 / speed seconds, then the drop re-enters at the top.
    const auto rainLater =
        WeatherEffects::streaks(RoomWeather::rain, 1, 0.5 + 1 / 0.6, false, size, unit);
    EXPECT_NEAR(rainLater[7].p1().y(), rain[7].p1().y(), 1e-6);
    EXPECT_EQ(rainLater[7].p1().x(), rain[7].p1().x());
    const auto rainMoved = WeatherEffects::streaks(RoomWeather::rain, 1, 0.6, false, size, unit);
    EXPECT_NE(rainMoved[7].p1().y(), rain[7].p1().y());
}

TEST(WeatherEffectsTest, FlakesSwayAndAreAPureFunctionOfTime) {
    const QSizeF size(300, 400);
    const auto flakes = WeatherEffects::flakes(0.5, 10, false, size, unit);
    ASSERT_EQ(flakes.size(), 85u);
    EXPECT_EQ(flakes, WeatherEffects::flakes(0.5, 10, false, size, unit));
    // i = 1: x = 300 × 0.6180339887 + 4 sin(11); y = 400 × frac(0.7 + 0.217 + 0.371).
    EXPECT_NEAR(flakes[1].x(), 300 * 0.6180339887 + 4 * std::sin(11.0), 1e-6);
    EXPECT_NEAR(flakes[1].y(), 400 * 0.288, 1e-6);
    EXPECT_DOUBLE_EQ(flakes[0].width(), 1);
    EXPECT_DOUBLE_EQ(flakes[1].width(), 1.5);
    EXPECT_DOUBLE_EQ(flakes[2].width(), 2);
    EXPECT_EQ(WeatherEffects::flakes(0.5, 10, true, size, unit).size(), 35u);
}

}  // namespace
}  // namespace tundle

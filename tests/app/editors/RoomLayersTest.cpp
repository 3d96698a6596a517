#include "editors/RoomLayers.h"

#include <gtest/gtest.h>

#include "editors/RoomCrossFade.h"

namespace tundle {
namespace {

RoomAtmosphere atmosphere(RoomWeather weather, RoomPhase phase, double daylight) {
    return RoomAtmosphere{.weather = weather, .phase = phase, .intensity = 1, .daylight = daylight};
}

TEST(RoomLayersTest, WeatherPicturesFollowDaylightAndTheNightItsAbsence) {
    const RoomLayers clearDay = RoomLayers::of(atmosphere(RoomWeather::clear, RoomPhase::day, 1));
    EXPECT_EQ(clearDay, (RoomLayers{.sunny = 1}));

    const RoomLayers fog = RoomLayers::of(atmosphere(RoomWeather::fog, RoomPhase::day, 1));
    EXPECT_DOUBLE_EQ(fog.cloudy, 1);
    EXPECT_DOUBLE_EQ(fog.fogVeil, 0.24);
    EXPECT_DOUBLE_EQ(fog.sunny, 0);

    const RoomLayers rainEvening =
        RoomLayers::of(atmosphere(RoomWeather::rain, RoomPhase::dusk, 0.25));
    EXPECT_DOUBLE_EQ(rainEvening.rain, 0.25);
    EXPECT_DOUBLE_EQ(rainEvening.night, 0.75);
    EXPECT_DOUBLE_EQ(rainEvening.nightTint, 0.75 * 0.28);
    EXPECT_DOUBLE_EQ(rainEvening.duskGlow, 0.12);

    const RoomLayers cloudyNight =
        RoomLayers::of(atmosphere(RoomWeather::cloudy, RoomPhase::night, 0));
    EXPECT_DOUBLE_EQ(cloudyNight.cloudy, 0);
    EXPECT_DOUBLE_EQ(cloudyNight.night, 1);
    EXPECT_DOUBLE_EQ(cloudyNight.nightTint, 0.12);
    EXPECT_DOUBLE_EQ(cloudyNight.duskGlow, 0);

    for (const RoomWeather weather : {RoomWeather::storm, RoomWeather::snow}) {
        const RoomLayers night = RoomLayers::of(atmosphere(weather, RoomPhase::night, 0.5));
        EXPECT_DOUBLE_EQ(night.nightTint, 0.5 * 0.28);
        EXPECT_DOUBLE_EQ(weather == RoomWeather::storm ? night.storm : night.snow, 0.5);
    }
}

TEST(RoomLayersTest, TheSceneCoversTheAreaCentred) {
    const QRectF frame = RoomLayers::cover(QSizeF(1024, 768), QSizeF(600, 300));
    EXPECT_NEAR(frame.width(), 600, 1e-9);
    EXPECT_NEAR(frame.height(), 450, 1e-9);
    EXPECT_NEAR(frame.top(), -75, 1e-9);
    EXPECT_NEAR(frame.left(), 0, 1e-9);

    const QRectF tall = RoomLayers::cover(QSizeF(768, 1024), QSizeF(300, 400));
    EXPECT_NEAR(tall.width(), 300, 1e-9);
    EXPECT_NEAR(tall.height(), 400, 1e-9);
}

TEST(RoomLayersTest, EffectsMoveOnlyOnScreenWithMotionAllowed) {
    EXPECT_TRUE(RoomLayers::animates(true, RoomMotion::standard, false, false, false));
    EXPECT_TRUE(RoomLayers::animates(true, RoomMotion::light, false, false, false));
    EXPECT_FALSE(RoomLayers::animates(false, RoomMotion::standard, false, false, false));
    EXPECT_FALSE(RoomLayers::animates(true, RoomMotion::off, false, false, false));
    EXPECT_FALSE(RoomLayers::animates(true, RoomMotion::standard, true, false, false));
    EXPECT_FALSE(RoomLayers::animates(true, RoomMotion::standard, false, true, false));
    EXPECT_FALSE(RoomLayers::animates(true, RoomMotion::standard, false, false, true));
    EXPECT_EQ(RoomLayers::frameInterval(RoomMotion::standard), 41);
    EXPECT_EQ(RoomLayers::frameInterval(RoomMotion::light), 66);
}

TEST(RoomCrossFadeTest, BlendsOverFourSecondsOnAnEaseInOutCurve) {
    RoomCrossFade fade(atmosphere(RoomWeather::clear, RoomPhase::day, 1));
    fade.aim(atmosphere(RoomWeather::rain, RoomPhase::day, 1), 100, false);
    EXPECT_TRUE(fade.fading(100));
    EXPECT_DOUBLE_EQ(fade.layers(100).sunny, 1);
    EXPECT_NEAR(fade.layers(102).sunny, 0.5, 1e-3);
    EXPECT_NEAR(fade.layers(102).rain, 0.5, 1e-3);
    // Ease-in-out: slow at the start, a quarter of the way gives far less than a quarter.
    EXPECT_LT(fade.layers(101).rain, 0.2);
    EXPECT_GT(fade.layers(103).rain, 0.8);
    EXPECT_FALSE(fade.fading(104));
    EXPECT_EQ(fade.layers(104), RoomLayers::of(atmosphere(RoomWeather::rain, RoomPhase::day, 1)));
    EXPECT_EQ(fade.previous().weather, RoomWeather::clear);
}

TEST(RoomCrossFadeTest, ANewTargetMidwayStartsFromWhatShows) {
    RoomCrossFade fade(atmosphere(RoomWeather::clear, RoomPhase::day, 1));
    fade.aim(atmosphere(RoomWeather::rain, RoomPhase::day, 1), 0, false);
    const RoomLayers midway = fade.layers(2);
    fade.aim(atmosphere(RoomWeather::snow, RoomPhase::day, 1), 2, false);
    EXPECT_EQ(fade.layers(2), midway);
    EXPECT_NEAR(fade.layers(4).sunny, 0.25, 1e-3);
    EXPECT_NEAR(fade.layers(4).rain, 0.25, 1e-3);
    EXPECT_NEAR(fade.layers(4).snow, 0.5, 1e-3);
    EXPECT_TRUE(fade.fading(5.9));
    EXPECT_EQ(fade.layers(6), RoomLayers::of(atmosphere(RoomWeather::snow, RoomPhase::day, 1)));
    EXPECT_EQ(fade.target().weather, RoomWeather::snow);
}

TEST(RoomCrossFadeTest, ReducedMotionSwitchesAtOnce) {
    RoomCrossFade fade(atmosphere(RoomWeather::clear, RoomPhase::day, 1));
    fade.aim(atmosphere(RoomWeather::rain, RoomPhase::day, 1), 0, false);
    fade.aim(atmosphere(RoomWeather::storm, RoomPhase::night, 0), 1, true);
    EXPECT_FALSE(fade.fading(1));
    EXPECT_EQ(fade.layers(1), RoomLayers::of(atmosphere(RoomWeather::storm, RoomPhase::night, 0)));
    EXPECT_DOUBLE_EQ(fade.progress(1), 1);
}

}  // namespace
}  // namespace tundle

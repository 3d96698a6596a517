#include <gtest/gtest.h>

#include "farm/FarmControls.h"
#include "farm/FarmPlotPainter.h"
#include "farm/FarmWeather.h"

namespace tundle {
namespace {

const QDateTime start = QDateTime::fromSecsSinceEpoch(1'800'000'000, Qt::UTC);

TEST(FarmDrawingTest, CropStagesWidthsAndSway) {
    struct Case {
        int index;
        double scale;
        double progress;
        int stage;
        double width;
    };
    for (const Case& c :
         {Case{4, 1.0, 0.33, 0, 0.55 * 31}, Case{4, 1.0, 0.34, 1, 0.78 * 31},
          Case{4, 1.0, 1.0, 2, 31}, Case{8, 0.6, 0.0, 0, 12.21}, Case{0, 1.0, 0.5, 1, 0.78 * 25}}) {
        SCOPED_TRACE(c.progress);
        // A mature crop sways; a growing one and any crop under reduced motion stand still.
        const CropPlacement still =
            FarmPlotPainter::placement(c.index, {100, 50}, c.scale, c.progress, {64, 128}, true, 1);
        const CropPlacement moving = FarmPlotPainter::placement(c.index, {100, 50}, c.scale,
                                                                c.progress, {64, 128}, false, 1);
        EXPECT_EQ(still.stage, c.stage);
        EXPECT_NEAR(still.rect.width(), c.width, 1e-9);
        EXPECT_NEAR(still.rect.height(), 2 * c.width, 1e-9);
        EXPECT_NEAR(still.rect.center().x(), 100, 1e-9);
        EXPECT_NEAR(still.rect.y(), 50 - 3 * c.scale, 1e-9);
        EXPECT_EQ(moving.rect.x() != still.rect.x(), c.progress >= 1.0);
    }
    // A picture narrower than a point divides by one.
    EXPECT_NEAR(FarmPlotPainter::placement(4, {}, 1, 1, {0, 10}, true, 0).rect.height(), 310, 1e-9);
}

TEST(FarmDrawingTest, ParticleCountsFollowMotionAndWeather) {
    struct Case {
        RoomWeather weather;
        RoomMotion motion;
        bool reduce;
        int count;
    };
    for (const Case& c : {Case{RoomWeather::rain, RoomMotion::standard, false, 26},
                          Case{RoomWeather::storm, RoomMotion::light, false, 14},
                          Case{RoomWeather::snow, RoomMotion::light, false, 14},
                          Case{RoomWeather::snow, RoomMotion::off, false, 0},
                          Case{RoomWeather::rain, RoomMotion::standard, true, 0},
                          Case{RoomWeather::fog, RoomMotion::standard, false, 0},
                          Case{RoomWeather::clear, RoomMotion::standard, false, 0},
                          Case{RoomWeather::cloudy, RoomMotion::standard, false, 0}}) {
        EXPECT_EQ(FarmWeather::particleCount(c.weather, c.motion, c.reduce), c.count);
    }
    const QRectF scene(170, 0, 300, 400);
    const auto rain = FarmWeather::particles(scene, RoomWeather::rain, 26, 0);
    ASSERT_EQ(rain.size(), 26u);
    // The first particle is number 1: x from frac(0.618033), y from 1 - frac(0.317).
    EXPECT_NEAR(rain[0].x(), 170 + 300 * 0.618033, 1e-6);
    EXPECT_NEAR(rain[0].y(), 400 * (1 - 0.317), 1e-6);
    for (const QPointF& p : FarmWeather::particles(scene, RoomWeather::snow, 14, 1234.5)) {
        EXPECT_TRUE(p.x() >= 166 && p.x() <= 474 && p.y() >= 0 && p.y() <= 400);
    }
}

TEST(FarmDrawingTest, StormFlashWindows) {
    struct Case {
        double offset;
        std::optional<double> alpha;
    };
    for (const Case& c :
         {Case{0.05, 0.28}, Case{0.25, 0.14}, Case{0.1, std::nullopt}, Case{0.2, std::nullopt},
          Case{0.27, std::nullopt}, Case{3, std::nullopt}}) {
        SCOPED_TRACE(c.offset);
        EXPECT_EQ(FarmWeather::flashAlpha(RoomWeather::storm, c.offset), c.alpha);
        EXPECT_EQ(FarmWeather::flashAlpha(RoomWeather::rain, c.offset), std::nullopt);
    }
    EXPECT_EQ(FarmWeather::flashAlpha(RoomWeather::storm, 7.3 * 1000 + 0.04), 0.28);
}

TEST(FarmDrawingTest, FeedbackFadesInAndNeverGoesNegative) {
    const FarmFeedback feedback{4, QStringLiteral("收获"), QString(), false, start};
    struct Case {
        qint64 ms;
        double alpha;
        std::optional<int> repaintIn;
    };
    for (const Case& c : {Case{80, 0.5, 81}, Case{160, 1, std::nullopt}, Case{900, 1, std::nullopt},
                          Case{-2000, 0, 2161}}) {
        SCOPED_TRACE(c.ms);
        EXPECT_DOUBLE_EQ(FarmControls::feedbackAlpha(feedback, start.addMSecs(c.ms)), c.alpha);
        EXPECT_EQ(FarmControls::fadeRemaining(feedback, start.addMSecs(c.ms)), c.repaintIn);
    }
    EXPECT_EQ(FarmControls::fadeRemaining(std::nullopt, start), std::nullopt);
    EXPECT_EQ(FarmControls::priceText(FarmCrop::watermelon), QStringLiteral("+60"));
}

}  // namespace
}  // namespace tundle

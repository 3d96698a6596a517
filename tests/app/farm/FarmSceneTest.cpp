#include <gtest/gtest.h>

#include <QPainter>

#include "drawing/YUpSpace.h"
#include "farm/FarmArtwork.h"
#include "farm/FarmScene.h"
#include "farm/FarmSceneCache.h"
#include "model/FarmStore.h"
#include "support/MemoryDefaults.h"

namespace tundle {
namespace {

const QDateTime now = QDateTime::fromSecsSinceEpoch(1'800'000'003, Qt::UTC);
const QRectF scene(170, 0, 300, 400);

TEST(FarmSceneTest, TheCountdownShowsOnlyForASelectedWateredGrowingPlotAtRest) {
    MemoryDefaults defaults;
    FarmStore farm(defaults);
    for (int plot = 0; plot < FarmStore::plotCount; ++plot) {
        farm.loosen(plot);
        farm.sow(FarmCrop::watermelon, plot, now.addSecs(-10));
        if (plot != 1) {
            farm.water(plot, now);
        }
    }
    farm.loosen(2);
    struct Case {
        int plot;
        bool resting;
        std::optional<double> x;
    };
    // Plot 3 is pushed right to 7 pt inside, plot 5 left; plot 1 is not watered.
    for (const Case& c :
         {Case{3, true, 177}, Case{5, true, 470 - 112 - 7}, Case{4, true, 264},
          Case{4, false, std::nullopt}, Case{1, true, std::nullopt}, Case{9, true, std::nullopt}}) {
        SCOPED_TRACE(c.plot);
        const auto label = FarmControls::countdown(farm, scene, 1.0, c.resting, c.plot, now);
        ASSERT_EQ(label.has_value(), c.x.has_value());
        if (label) {
            EXPECT_EQ(label->rect,
                      QRectF(*c.x, FarmLayout::plotRects(scene, 1)[c.plot].y() + 3, 112, 20));
            EXPECT_EQ(label->text, farm.countdown(c.plot, now));
        }
    }
    EXPECT_FALSE(FarmControls::countdown(farm, scene, 1.0, true, 4, now.addDays(30)));
}

// The panel's pixel at a scene point, drawn into a stage with a little room around it.
QRgb pixelAt(const FarmScene& farmScene, QPointF point) {
    QImage image(500, 420, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    FarmSceneCache cache;
    const YUpSpace space(image.height());
    drawFarmScene(painter, space, farmScene, cache);
    painter.end();
    return image.pixel(space.toQt(point).toPoint());
}

TEST(FarmSceneTest, BackdropNightAndFogLayerOverTheGreenPanel) {
    QImage sunny(30, 40, QImage::Format_RGB32);
    sunny.fill(QColor(0, 0, 255));
    QImage night(30, 40, QImage::Format_RGB32);
    night.fill(QColor(255, 0, 0));
    const std::map<QString, QImage> pictures{{FarmArtwork::backdropName(RoomWeather::clear), sunny},
                                             {FarmArtwork::nightBackdropName(), night}};
    const std::map<QString, QImage> none;
    const FarmArtwork artwork;
    const QPointF inside(320, 300);
    FarmScene base{
        .rect = scene, .scale = 1.0, .roomImages = &none, .artwork = &artwork, .now = now};
    struct Case {
        const std::map<QString, QImage>* pictures;
        RoomWeather weather;
        double daylight;
        QColor expected;
    };
    for (const Case& c :
         {Case{&none, RoomWeather::clear, 1.0, QColor::fromRgbF(0.75f, 0.86f, 0.65f)},
          Case{&pictures, RoomWeather::clear, 1.0, QColor(0, 0, 255)},
          Case{&pictures, RoomWeather::clear, 0.985, QColor(0, 0, 255)},
          Case{&pictures, RoomWeather::clear, 0.5, QColor(128, 0, 128)},
          Case{&pictures, RoomWeather::clear, 0.0, QColor(255, 0, 0)},
          Case{&none, RoomWeather::fog, 1.0, QColor::fromRgbF(0.8f, 0.888f, 0.72f)}}) {
        FarmScene farmScene = base;
        farmScene.roomImages = c.pictures;
        farmScene.atmosphere = {.weather = c.weather, .daylight = c.daylight};
        const QRgb pixel = pixelAt(farmScene, inside);
        EXPECT_NEAR(qRed(pixel), c.expected.red(), 2);
        EXPECT_NEAR(qGreen(pixel), c.expected.green(), 2);
        EXPECT_NEAR(qBlue(pixel), c.expected.blue(), 2);
    }
    // Outside the rounded corner the panel leaves only its faint shadow.
    EXPECT_LT(qAlpha(pixelAt(base, {171, 399})), 80);
}

}  // namespace
}  // namespace tundle

#include "render-scenes/FarmGallery.h"

#include <QDir>
#include <QPainter>

#include "drawing/YUpSpace.h"
#include "farm/FarmScene.h"
#include "farm/FarmSceneCache.h"
#include "room/RoomSceneDefinition.h"

namespace tundle {

namespace {

// A storm's flash lies 3 s away from this instant.
const QDateTime now = QDateTime::fromSecsSinceEpoch(1'800'000'003, Qt::UTC);
constexpr double margin = 24;

QDateTime sownFor(FarmCrop crop, bool watered, double progress) {
    return now.addMSecs(-qint64(progress * growthSeconds(crop, watered) * 1000));
}

}  // namespace

FarmGallery::FarmGallery(const QString& assetsFolder) : farm_(defaults_) {
    const QDir assets(assetsFolder);
    const QString rooms = assets.filePath(QStringLiteral("Rooms"));
    for (const QString& name : RoomSceneDefinition::load(rooms).imageNames()) {
        roomImages_.emplace(name, QImage(QDir(rooms).filePath(name)));
    }
    artwork_.loadIfNeeded({assets.filePath(QStringLiteral("FarmGame"))});
    // Plot 0 untilled, 1 and 8 tilled, then every crop at each stage, watered or not.
    struct Planting {
        int plot;
        FarmCrop crop;
        bool watered;
        double progress;
    };
    for (int plot = 1; plot < FarmStore::plotCount; ++plot) {
        farm_.loosen(plot);
    }
    for (const Planting& p :
         {Planting{2, FarmCrop::radish, true, 0.2}, Planting{3, FarmCrop::corn, false, 0.5},
          Planting{4, FarmCrop::watermelon, true, 0.6}, Planting{5, FarmCrop::radish, false, 1.0},
          Planting{6, FarmCrop::corn, true, 1.0}, Planting{7, FarmCrop::watermelon, false, 1.0}}) {
        farm_.sow(p.crop, p.plot, sownFor(p.crop, p.watered, p.progress));
        if (p.watered) {
            farm_.water(p.plot, sownFor(p.crop, p.watered, p.progress));
        }
    }
}

std::vector<RenderedScene> FarmGallery::render() {
    FarmSceneCache cache;
    const auto draw = [&](double scale, const std::function<void(FarmScene&)>& adjust) {
        FarmScene scene{.rect = QRectF(margin, margin, 300 * scale, 400 * scale),
                        .scale = scale,
                        .plots = farm_.plots(),
                        .coins = 128,
                        .atmosphere = {},
                        .roomImages = &roomImages_,
                        .artwork = &artwork_,
                        .now = now};
        adjust(scene);
        const QSize size(int(scene.rect.width() + 2 * margin),
                         int(scene.rect.height() + 2 * margin));
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor(146, 168, 186));
        QPainter painter(&image);
        drawFarmScene(painter, YUpSpace(size.height()), scene, cache);
        return image;
    };
    const auto selecting = [&](int plot, std::optional<FarmInlineAction> pressed) {
        return [this, plot, pressed](FarmScene& scene) {
            scene.buttons = FarmLayout::inlineButtons({.scene = scene.rect,
                                                       .scale = scene.scale,
                                                       .walking = false,
                                                       .idle = true,
                                                       .selected = plot,
                                                       .plots = &farm_.plots(),
                                                       .now = now});
            scene.pressed = pressed;
            scene.countdown =
                FarmControls::countdown(farm_, scene.rect, scene.scale, true, plot, now);
        };
    };
    std::vector<RenderedScene> scenes;
    for (const RoomWeather weather : roomWeatherText.allCases()) {
        scenes.push_back({QStringLiteral("farm-weather-") + roomWeatherText.raw(weather),
                          draw(1.0, [weather](FarmScene& s) { s.atmosphere.weather = weather; })});
    }
    for (const double daylight : {0.5, 0.0}) {
        scenes.push_back(
            {QStringLiteral("farm-night-%1").arg(daylight),
             draw(1.0, [daylight](FarmScene& s) { s.atmosphere.daylight = daylight; })});
    }
    scenes.push_back({QStringLiteral("farm-sow-buttons-corn-pressed"),
                      draw(1.0, selecting(1, FarmInlineAction::sow(FarmCrop::corn)))});
    scenes.push_back({QStringLiteral("farm-loosen-button"), draw(1.0, selecting(0, std::nullopt))});
    scenes.push_back({QStringLiteral("farm-countdown"), draw(1.0, selecting(4, std::nullopt))});
    scenes.push_back({QStringLiteral("farm-feedback"), draw(1.0, [](FarmScene& s) {
                          s.feedback = FarmFeedback{4, QStringLiteral("浇好水啦"),
                                                    QStringLiteral("成熟时间缩短 20%"), false,
                                                    now.addSecs(-1)};
                      })});
    scenes.push_back({QStringLiteral("farm-feedback-doubled"), draw(1.0, [](FarmScene& s) {
                          s.feedback =
                              FarmFeedback{6, QStringLiteral("大丰收！"),
                                           QStringLiteral("玉米 +40 金币"), true, now.addSecs(-1)};
                      })});
    for (const double scale : {0.6, 1.2}) {
        scenes.push_back(
            {QStringLiteral("farm-scale-%1").arg(scale), draw(scale, selecting(8, std::nullopt))});
    }
    return scenes;
}

}  // namespace tundle

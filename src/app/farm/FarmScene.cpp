#include "farm/FarmScene.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "drawing/FarmPalette.h"
#include "drawing/InterfaceFont.h"
#include "drawing/YUpSpace.h"
#include "farm/FarmArtwork.h"
#include "farm/FarmPlotPainter.h"
#include "farm/FarmSceneCache.h"
#include "farm/FarmWeather.h"
#include "model/AppModel.h"
#include "support/ReferenceDate.h"

namespace tundle {

namespace {

bool resting(AppModel& model) {
    return !model.farmMoveToPlot() && model.animation() == QStringLiteral("idle");
}

QSize devicePixels(const QRectF& rect, double ratio) {
    return QSize(std::max(1, int(std::lround(rect.width() * ratio))),
                 std::max(1, int(std::lround(rect.height() * ratio))));
}

void drawShadowedPanel(QPainter& painter, const YUpSpace& space, const QRectF& rect, double s,
                       double ratio, FarmSceneCache& cache) {
    const double blur = 12 * s;
    const QImage& shadow = cache.shadow(devicePixels(rect, ratio), 20 * s * ratio, blur * ratio,
                                        FarmPalette::rgb(0.08, 0.08, 0.08, 0.24));
    const double margin = (shadow.width() - devicePixels(rect, ratio).width()) / 2.0 / ratio;
    const QRectF target =
        space.toQt(rect).translated(0, 3 * s).adjusted(-margin, -margin, margin, margin);
    painter.drawImage(target, shadow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(FarmPalette::rgb(0.75, 0.86, 0.65));
    painter.drawRoundedRect(space.toQt(rect), 20 * s, 20 * s);
}

void drawPicture(QPainter& painter, const YUpSpace& space, const FarmScene& scene,
                 const QString& name, double opacity, double ratio, FarmSceneCache& cache) {
    const auto found = scene.roomImages->find(name);
    if (found == scene.roomImages->end() || found->second.isNull()) {
        return;
    }
    const QImage& scaled = cache.scaled(name, found->second, devicePixels(scene.rect, ratio));
    painter.setOpacity(opacity);
    painter.drawImage(space.toQt(scene.rect), scaled);
    painter.setOpacity(1);
}

void drawCoinBadge(QPainter& painter, const YUpSpace& space, const QRectF& rect, double s,
                   int coins) {
    const QRectF badge(rect.left() + 10 * s, rect.bottom() - 29 * s, 55 * s, 20 * s);
    painter.setPen(Qt::NoPen);
    painter.setBrush(FarmPalette::rgb(1.0, 0.96, 0.82, 0.7));
    painter.drawRoundedRect(space.toQt(badge), 10 * s, 10 * s);
    space.drawText(painter, {badge.left() + 24 * s, badge.top() + 4 * s}, QString::number(coins),
                   FractionalFont(10 * s, QFont::DemiBold),
                   FarmPalette::rgb(0.33, 0.24, 0.1, 0.92));
    painter.setPen(Qt::NoPen);
    painter.setBrush(FarmPalette::rgb(0.96, 0.69, 0.16, 0.94));
    painter.drawEllipse(
        space.toQt(QRectF(badge.left() + 7 * s, badge.top() + 4 * s, 12 * s, 12 * s)));
}

}  // namespace

bool FarmScene::moving() const {
    return moving(plots, atmosphere, motion, reduceMotion, feedback, artwork, now);
}

bool FarmScene::moving(const std::vector<FarmPlot>& plots, const RoomAtmosphere& atmosphere,
                       RoomMotion motion, bool reduceMotion,
                       const std::optional<FarmFeedback>& feedback, const FarmArtwork* artwork,
                       const QDateTime& now) {
    if (FarmWeather::particleCount(atmosphere.weather, motion, reduceMotion) > 0 ||
        FarmControls::fadeRemaining(feedback, now)) {
        return true;
    }
    if (reduceMotion || !artwork) {
        return false;
    }
    return std::any_of(plots.begin(), plots.end(), [&artwork, &now](const FarmPlot& plot) {
        return plot.crop && artwork->crop(*plot.crop) && plot.progress(now) >= 1.0;
    });
}

std::vector<FarmInlineButton> FarmScene::buttonsOf(AppModel& model, const FarmStore& farm,
                                                   const QRectF& rect, std::optional<int> selected,
                                                   const QDateTime& now) {
    return FarmLayout::inlineButtons(FarmButtonState{
        .scene = rect,
        .scale = farm.scale(),
        .walking = model.farmMoveToPlot().has_value(),
        .idle = model.animation() == QStringLiteral("idle"),
        .selected = selected,
        .plots = &farm.plots(),
        .now = now,
    });
}

std::optional<FarmScene> FarmScene::of(AppModel& model, const FarmStore& farm, const QRectF& rect,
                                       const RoomAtmosphere& atmosphere, const FarmPointer& pointer,
                                       const std::map<QString, QImage>& roomImages,
                                       const FarmArtwork& artwork, const QDateTime& now) {
    if (!farm.visible() || rect.isEmpty()) {
        return std::nullopt;
    }
    return FarmScene{
        .rect = rect,
        .scale = farm.scale(),
        .plots = farm.plots(),
        .coins = farm.coins(),
        .atmosphere = atmosphere,
        .motion = model.room().preferences().motion,
        .reduceMotion = model.reduceMotion(),
        .roomImages = &roomImages,
        .artwork = &artwork,
        .countdown = FarmControls::countdown(farm, rect, farm.scale(), resting(model),
                                             pointer.selected, now),
        .buttons = buttonsOf(model, farm, rect, pointer.selected, now),
        .pressed = pointer.pressed,
        .feedback = model.farmFeedback(),
        .now = now,
    };
}

void drawFarmBackdrop(QPainter& painter, const YUpSpace& space, const FarmScene& scene,
                      FarmSceneCache& cache) {
    const double s = scene.scale;
    const QRectF& rect = scene.rect;
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const double seconds = ReferenceDate::secondsSince(scene.now);
    QPainterPath panel;
    panel.addRoundedRect(space.toQt(rect), 20 * s, 20 * s);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    drawShadowedPanel(painter, space, rect, s, ratio, cache);

    painter.save();
    painter.setClipPath(panel);
    const RoomAtmosphere& a = scene.atmosphere;
    if (scene.roomImages) {
        drawPicture(painter, space, scene, FarmArtwork::backdropName(a.weather), 1.0, ratio, cache);
        if (a.daylight < 0.98) {
            drawPicture(painter, space, scene, FarmArtwork::nightBackdropName(), 1 - a.daylight,
                        ratio, cache);
        }
    }
    if (a.weather == RoomWeather::fog) {
        painter.fillRect(space.toQt(rect), FarmPalette::white(0.2));
    }
    FarmWeather::draw(painter, space, rect, a.weather, scene.motion, scene.reduceMotion, seconds);

    const int drawn = std::min(int(scene.plots.size()), int(FarmLayout::places.size()));
    for (int i = 0; i < drawn; ++i) {
        const FarmPlot& plot = scene.plots[std::size_t(i)];
        const QPointF centre = FarmLayout::plotCentre(rect, i);
        if (plot.crop) {
            FarmPlotPainter::drawCrop(painter, space, plot, i, centre, s, plot.progress(scene.now),
                                      scene.artwork ? scene.artwork->crop(*plot.crop) : nullptr,
                                      scene.reduceMotion, seconds);
        } else if (plot.tilled) {
            FarmPlotPainter::drawFurrows(painter, space, centre, s);
        }
    }
    drawCoinBadge(painter, space, rect, s, scene.coins);
    painter.restore();

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(FarmPalette::white(0.34), std::max(1.2 * s, 1.0)));
    painter.drawPath(panel);
    painter.restore();
}

void drawFarmControls(QPainter& painter, const YUpSpace& space, const FarmScene& scene) {
    const double s = scene.scale;
    QPainterPath panel;
    panel.addRoundedRect(space.toQt(scene.rect), 20 * s, 20 * s);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setClipPath(panel);
    FarmControls::drawInline(painter, space, s, scene.countdown, scene.buttons, scene.pressed,
                             scene.artwork);
    if (scene.feedback && scene.feedback->plot >= 0 &&
        scene.feedback->plot < int(FarmLayout::places.size())) {
        FarmControls::drawFeedback(painter, space, s, *scene.feedback,
                                   FarmLayout::plotCentre(scene.rect, scene.feedback->plot),
                                   scene.now);
    }
    painter.restore();
}

void drawFarmScene(QPainter& painter, const YUpSpace& space, const FarmScene& scene,
                   FarmSceneCache& cache) {
    drawFarmBackdrop(painter, space, scene, cache);
    drawFarmControls(painter, space, scene);
}

}  // namespace tundle

#include <QDir>
#include <QPainter>

#include "drawing/YUpSpace.h"
#include "farm/FarmControls.h"
#include "farm/FarmPlotPainter.h"
#include "farm/FarmScene.h"
#include "model/AppModel.h"
#include "model/FarmStore.h"
#include "pet/PetCanvas.h"

namespace tundle {

std::vector<QRectF> PetCanvas::plotRects() const {
    return FarmLayout::plotRects(farmSceneRect(), farm_.scale());
}

std::vector<FarmInlineButton> PetCanvas::farmInlineButtons() const {
    return FarmScene::buttonsOf(model_, farm_, farmSceneRect(), farmPointer_.selected,
                                clocks_.now());
}

std::optional<FarmInlineAction> PetCanvas::farmInlineAction(QPointF point) const {
    return FarmLayout::actionAt(farmInlineButtons(), point);
}

void PetCanvas::loadFarmAssetsIfNeeded() {
    farmArtwork_.loadIfNeeded(
        FarmArtwork::candidateFolders(model_.resourceFolder(), QDir::currentPath()));
}

void PetCanvas::performFarmAction(FarmInlineAction action) {
    if (!farmPointer_.selected) {
        return;
    }
    const int plot = *farmPointer_.selected;
    switch (action.kind) {
        case FarmInlineAction::Kind::sow:
            model_.sowFarmCrop(action.crop, plot);
            break;
        case FarmInlineAction::Kind::loosen:
            model_.loosenFarmPlot(plot);
            break;
        case FarmInlineAction::Kind::water:
            model_.waterFarmPlot(plot);
            break;
        case FarmInlineAction::Kind::harvest:
            model_.harvestFarmPlot(plot);
            break;
    }
}

FarmTargets PetCanvas::farmTargets() const {
    return {farmSceneRect(), plotRects(), farmInlineButtons()};
}

void PetCanvas::applyFarmOutcome(const FarmPointerOutcome& outcome) {
    if (outcome.dismissBubble) {
        model_.dismissBubble();
    }
    if (outcome.redraw) {
        farmChanged();
        update();
    }
    if (outcome.perform) {
        performFarmAction(*outcome.perform);
    }
}

bool PetCanvas::farmMousePressed(QPointF point) {
    const FarmPointerOutcome outcome = FarmPointerRules::press(farmPointer_, farmTargets(), point);
    applyFarmOutcome(outcome);
    return outcome.handled;
}

bool PetCanvas::farmMouseReleased(QPointF point) {
    const FarmPointerOutcome outcome =
        FarmPointerRules::release(farmPointer_, farmTargets(), point);
    applyFarmOutcome(outcome);
    return outcome.handled;
}

void PetCanvas::farmMouseMoved(std::optional<QPointF> point) {
    const FarmTargets targets = farmTargets();
    if (point && FarmLayout::actionAt(targets.buttons, *point)) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
    applyFarmOutcome(FarmPointerRules::move(farmPointer_, targets, point));
}

std::optional<FarmScene> PetCanvas::farmScene(const QDateTime& now) const {
    return FarmScene::of(model_, farm_, farmSceneRect(), atmosphere(),
                         {farmPointer_.selected, farmPointer_.pressedAction}, roomImages_,
                         farmArtwork_, now);
}

bool PetCanvas::farmMoving(const QDateTime& now) const {
    return farm_.visible() && !farmSceneRect().isEmpty() &&
           FarmScene::moving(farm_.plots(), atmosphere(), model_.room().preferences().motion,
                             model_.reduceMotion(), model_.farmFeedback(), &farmArtwork_, now);
}

PetCanvas::FarmTime PetCanvas::farmTime(const QDateTime& now) const {
    FarmTime time;
    const std::vector<FarmPlot>& plots = farm_.plots();
    for (std::size_t i = 0; i < time.stages.size() && i < plots.size(); ++i) {
        time.stages[i] = plots[i].crop ? FarmPlotPainter::stage(plots[i].progress(now)) : -1;
    }
    const bool resting = !model_.farmMoveToPlot() && model_.animation() == QStringLiteral("idle");
    if (const std::optional<FarmCountdown> countdown = FarmControls::countdown(
            farm_, farmSceneRect(), farm_.scale(), resting, farmPointer_.selected, now)) {
        time.countdown = countdown->text;
    }
    return time;
}

QRect PetCanvas::farmRegion() const {
    const QRectF rect = farmSceneRect();
    if (rect.isEmpty()) {
        return {};
    }
    // The soft shadow reaches twice its blur beyond the panel and falls 3s lower.
    const double margin = 30 * farm_.scale() + 2;
    return YUpSpace(height())
        .toQt(rect)
        .adjusted(-margin, -margin, margin, margin)
        .toAlignedRect()
        .intersected(this->rect());
}

std::optional<FarmScene> PetCanvas::drawFarmBackdrop(QPainter& painter, const YUpSpace& space) {
    if (!farm_.visible() || farmSceneRect().isEmpty()) {
        return std::nullopt;
    }
    const double ratio = devicePixelRatioF();
    if (roomPicturesStale_ || ratio != roomPicturesRatio_) {
        holdRoomPictures();
        roomPicturesStale_ = false;
        roomPicturesRatio_ = ratio;
    }
    if (!farmArtwork_.root()) {
        loadFarmAssetsIfNeeded();
    }
    const QDateTime now = clocks_.now();
    // A settled canvas knows its farm is still.
    if (!settledAt(now) && farmMoving(now)) {
        std::optional<FarmScene> scene = farmScene(now);
        tundle::drawFarmBackdrop(painter, space, *scene, farmCache_);
        // The picture of the still farm is out of date once anything moved; the farm is painted
        // again until it is still and a new picture is drawn.
        stillFarm_ = QImage();
        farmStale_ = true;
        return scene;
    }
    const QRect place = farmRegion();
    if (farmStale_ || stillFarm_.isNull() || place != stillFarmPlace_ ||
        stillFarm_.devicePixelRatio() != ratio) {
        // Looking for the artwork folder asks the file system, so only a new picture does.
        loadFarmAssetsIfNeeded();
        stillFarm_ =
            QImage((QSizeF(place.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        stillFarm_.setDevicePixelRatio(ratio);
        stillFarm_.fill(Qt::transparent);
        QPainter still(&stillFarm_);
        still.translate(-place.topLeft());
        // The blurred shadow and scaled pictures serve a farm drawn on every frame; a still one
        // is drawn again only when it changes, and blurs its shadow afresh then.
        FarmSceneCache once;
        tundle::drawFarmBackdrop(still, space, *farmScene(now), once);
        farmCache_ = FarmSceneCache();
        stillFarmPlace_ = place;
        stillFarmTime_ = farmTime(now);
        farmStale_ = false;
    }
    // The farm is the first thing painted on the cleared, transparent region: copying the
    // picture looks the same as blending it, for less work on every frame of the pet.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(place.topLeft(), stillFarm_);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // Only a selected plot or a feedback label puts something over the pet.
    return farmPointer_.selected || model_.farmFeedback() ? farmScene(now) : std::nullopt;
}

}  // namespace tundle

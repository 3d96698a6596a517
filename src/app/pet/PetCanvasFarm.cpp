#include <QDir>
#include <QPainter>

#include "drawing/YUpSpace.h"
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

bool PetCanvas::farmMoving() const {
    const std::optional<FarmScene> scene = farmScene(clocks_.now());
    return scene && scene->moving();
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

QString PetCanvas::stillFarmKey(const FarmScene& scene) const {
    return scene.stillKey() +
           QStringLiteral(";%1x%2@%3;").arg(width()).arg(height()).arg(devicePixelRatioF()) +
           roomPicturesKey_;
}

std::optional<FarmScene> PetCanvas::drawFarmBackdrop(QPainter& painter, const YUpSpace& space) {
    if (!farm_.visible() || farmSceneRect().isEmpty()) {
        return std::nullopt;
    }
    holdRoomPictures();
    if (!farmArtwork_.root()) {
        loadFarmAssetsIfNeeded();
    }
    const QDateTime now = clocks_.now();
    std::optional<FarmScene> scene = farmScene(now);
    if (scene->moving()) {
        tundle::drawFarmBackdrop(painter, space, *scene, farmCache_);
        return scene;
    }
    if (stillFarm_.isNull() || stillFarmKey(*scene) != stillFarmKey_) {
        // Looking for the artwork folder asks the file system, so only a new picture does.
        loadFarmAssetsIfNeeded();
        scene = farmScene(now);
        const double ratio = devicePixelRatioF();
        stillFarm_ = QImage((QSizeF(size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        stillFarm_.setDevicePixelRatio(ratio);
        stillFarm_.fill(Qt::transparent);
        QPainter still(&stillFarm_);
        tundle::drawFarmBackdrop(still, space, *scene, farmCache_);
        stillFarmKey_ = stillFarmKey(*scene);
    }
    painter.drawImage(QPointF(0, 0), stillFarm_);
    return scene;
}

}  // namespace tundle

#include <QDir>
#include <QPainter>
#include <QTimer>

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

void PetCanvas::drawFarmScene(QPainter& painter, const YUpSpace& space) {
    const QRectF rect = farmSceneRect();
    if (!farm_.visible() || rect.isEmpty()) {
        return;
    }
    loadRoomImagesIfNeeded();
    loadFarmAssetsIfNeeded();
    const QDateTime now = clocks_.now();
    const std::optional<FarmScene> scene =
        FarmScene::of(model_, farm_, rect, {farmPointer_.selected, farmPointer_.pressedAction},
                      roomImages_, farmArtwork_, now);
    if (!scene) {
        return;
    }
    tundle::drawFarmScene(painter, space, *scene, farmCache_);
    // The label's fade-in is not in the paint key: one more paint shows it at full strength.
    if (const std::optional<int> wait = FarmControls::fadeRemaining(scene->feedback, now)) {
        QTimer::singleShot(*wait, this, qOverload<>(&QWidget::update));
    }
}

}  // namespace tundle

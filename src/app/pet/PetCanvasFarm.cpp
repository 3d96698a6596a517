#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QTimer>

#include "PetCanvas.h"
#include "YUpSpace.h"
#include "farm/FarmScene.h"
#include "model/AppModel.h"
#include "model/FarmStore.h"
#include "shell/ResourceFolder.h"

namespace tundle {

std::vector<QRectF> PetCanvas::plotRects() const {
    return FarmLayout::plotRects(farmSceneRect(), farm_.scale());
}

std::vector<FarmInlineButton> PetCanvas::farmInlineButtons() const {
    return FarmScene::buttonsOf(model_, farm_, farmSceneRect(), selectedFarmPlot_, clocks_.now());
}

std::optional<FarmInlineAction> PetCanvas::farmInlineAction(QPointF point) const {
    return FarmLayout::actionAt(farmInlineButtons(), point);
}

void PetCanvas::loadFarmAssetsIfNeeded() {
    farmArtwork_.loadIfNeeded(FarmArtwork::candidateFolders(
        ResourceFolder::locate(QCoreApplication::applicationDirPath()), QDir::currentPath()));
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
        FarmScene::of(model_, farm_, rect, {selectedFarmPlot_, pressedFarmAction_}, roomImages_,
                      farmArtwork_, now);
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

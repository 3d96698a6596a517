#include <QPainter>

#include "GalleryScene.h"
#include "drawing/YUpSpace.h"
#include "model/AppModel.h"
#include "model/FarmStore.h"
#include "pet/PetPanel.h"
#include "support/FarmPanelScene.h"

namespace tundle::gallery {

namespace {

// The desktop pet beside a plot it has just loosened, the plot's three seed buttons offered.
QImage drawSeedButtons() {
    GalleryWorld gallery;
    AppModel& model = *gallery.model;
    model.setFarmVisible(true);
    test::FarmPanelScene scene(gallery.world, model);
    PetCanvas& canvas = scene.canvas();
    scene.loosen(4);
    // The farm panel and a margin around it.
    const YUpSpace space(canvas.height());
    const QRect farm =
        space.toQt(canvas.farmSceneRect()).toAlignedRect().adjusted(-16, -16, 16, 16);
    const QImage drawn = canvas.grab(farm.intersected(canvas.rect())).toImage();
    QImage picture(drawn.size(), QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(drawn.devicePixelRatio());
    picture.fill(QColor(0x8f, 0xa4, 0xb8));
    QPainter painter(&picture);
    painter.drawImage(QPointF(0, 0), drawn);
    return picture;
}

}  // namespace

void addFarmScenes(GalleryScenes& scenes) {
    scenes.push_back({QStringLiteral("farm-seed-buttons"), drawSeedButtons});
}

}  // namespace tundle::gallery

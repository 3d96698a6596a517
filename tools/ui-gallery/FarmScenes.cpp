#include <QPainter>

#include "GalleryScene.h"
#include "drawing/YUpSpace.h"
#include "model/AppModel.h"
#include "model/FarmStore.h"
#include "pet/PetPanel.h"

namespace tundle::gallery {

namespace {

// The desktop pet beside a plot it has just loosened, the plot's three seed buttons offered.
QImage drawSeedButtons() {
    GalleryWorld gallery;
    test::ModelTestWorld& world = gallery.world;
    AppModel& model = *gallery.model;
    model.setFarmVisible(true);
    PetPanel panel(
        model, model.farm(),
        {[&world] { return world.scheduler.now(); }, [&world] { return world.scheduler.elapsed; }});
    panel.setGeometry(100, 80, 444, 600);
    panel.show();
    PetCanvas& canvas = panel.canvas();
    canvas.tick();
    const QPointF plot = canvas.plotRects()[4].center();
    canvas.farmMousePressed(plot);
    canvas.farmMouseReleased(plot);
    const QPointF loosen = canvas.farmInlineButtons().at(0).rect.center();
    canvas.farmMousePressed(loosen);
    canvas.farmMouseReleased(loosen);
    for (int step = 0; step < 60 && canvas.farmInlineButtons().size() != 3; ++step) {
        world.scheduler.advance(0.25);
        canvas.tick();
    }
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

#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "drawing/PictureCache.h"
#include "support/FakeSessionEvents.h"
#include "support/ModelTestWorld.h"

class QWidget;

namespace tundle::gallery {

// The world every scene starts from: a model on the tests' fixed clocks (2026-03-02 09:00 UTC,
// moved only by the scene) with the generated pet pack, and a quiet desktop session.
struct GalleryWorld {
    // `withoutPet` gives a pack without breathing frames.
    explicit GalleryWorld(bool withoutPet = false)
        : model(withoutPet ? world.model(PetAssetPack::h3) : world.model()) {}

    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model;
    test::FakeSessionEvents session;
    PictureCache pictures{[this] { return world.scheduler.elapsed; }};
};

// One picture: its file name without ".png", and how to draw it.
struct GalleryScene {
    QString name;
    std::function<QImage()> draw;
};
using GalleryScenes = std::vector<GalleryScene>;

// `widget` (not shown) drawn with its children over `background` at `ratio` device pixels
// per point.
QImage renderWidget(QWidget& widget, const QColor& background, double ratio = 2);

// `widget` on the control centre's canvas, `width` points wide and as tall as it wants to be;
// the picture's window takes `widget` over.
QImage renderInWindow(QWidget* widget, int width);

// Each area of the windows adds its scenes in a file of its own; main() lists the areas.
void addToolkitScenes(GalleryScenes& scenes);
void addBreathingScenes(GalleryScenes& scenes);
void addHomeCardScenes(GalleryScenes& scenes);
void addRoomScenes(GalleryScenes& scenes);
void addClipboardScenes(GalleryScenes& scenes);
void addSettingsScenes(GalleryScenes& scenes);
void addConfigurationScenes(GalleryScenes& scenes);
void addWorkPlanScenes(GalleryScenes& scenes);
void addShortcutScenes(GalleryScenes& scenes);
void addControlCentreScenes(GalleryScenes& scenes);
void addFarmScenes(GalleryScenes& scenes);

}  // namespace tundle::gallery

#pragma once

#include <QDateTime>
#include <QImage>
#include <QRectF>
#include <map>
#include <optional>
#include <vector>

#include "farm/FarmControls.h"
#include "farm/FarmLayout.h"
#include "model/FarmFeedback.h"
#include "model/FarmPlot.h"
#include "room/RoomAtmosphere.h"

class QPainter;

namespace tundle {

class AppModel;
class FarmArtwork;
class FarmSceneCache;
class FarmStore;
class YUpSpace;

// What the canvas itself knows of the farm: its selection and the button under a press.
struct FarmPointer {
    std::optional<int> selected;
    std::optional<FarmInlineAction> pressed = {};
};

// One whole frame of the farm panel, as a value read from the model at one instant.
struct FarmScene {
    QRectF rect = {};
    double scale = 1;
    std::vector<FarmPlot> plots = {};
    int coins = 0;
    RoomAtmosphere atmosphere = {};
    RoomMotion motion = RoomMotion::standard;
    bool reduceMotion = false;
    const std::map<QString, QImage>* roomImages = nullptr;
    const FarmArtwork* artwork = nullptr;
    std::optional<FarmCountdown> countdown = {};
    std::vector<FarmInlineButton> buttons = {};
    std::optional<FarmInlineAction> pressed = {};
    std::optional<FarmFeedback> feedback = {};
    QDateTime now = {};

    // Whether anything of the panel moves with the clock alone: falling weather, a ripe crop's
    // sway or the feedback label fading in.
    bool moving() const;
    // The same, read from the parts it depends on without building the scene.
    static bool moving(const std::vector<FarmPlot>& plots, const RoomAtmosphere& atmosphere,
                       RoomMotion motion, bool reduceMotion,
                       const std::optional<FarmFeedback>& feedback, const FarmArtwork* artwork,
                       const QDateTime& now);

    // Nothing while the farm is hidden (`rect` empty).
    static std::optional<FarmScene> of(AppModel& model, const FarmStore& farm, const QRectF& rect,
                                       const RoomAtmosphere& atmosphere, const FarmPointer& pointer,
                                       const std::map<QString, QImage>& roomImages,
                                       const FarmArtwork& artwork, const QDateTime& now);
    // The buttons beside the selected plot, as the scene would draw them now.
    static std::vector<FarmInlineButton> buttonsOf(AppModel& model, const FarmStore& farm,
                                                   const QRectF& rect, std::optional<int> selected,
                                                   const QDateTime& now);
};

// The panel without its overlays: shadowed green panel, weather picture, night picture, fog
// veil, particles, plots, coin badge and border.
void drawFarmBackdrop(QPainter& painter, const YUpSpace& space, const FarmScene& scene,
                      FarmSceneCache& cache);
// The overlays, inside the panel: the selected plot's countdown and buttons, then the label of
// the last farm action. The pet canvas draws them after the pet, which stands at the plot it
// worked and would otherwise hide them.
void drawFarmControls(QPainter& painter, const YUpSpace& space, const FarmScene& scene);
// The backdrop with its controls over it, in one pass.
void drawFarmScene(QPainter& painter, const YUpSpace& space, const FarmScene& scene,
                   FarmSceneCache& cache);

}  // namespace tundle

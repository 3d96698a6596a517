#pragma once

#include <QDateTime>
#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <optional>

#include "drawing/PictureCache.h"
#include "drawing/SoapFilm.h"
#include "farm/FarmArtwork.h"
#include "farm/FarmLayout.h"
#include "farm/FarmPointerRules.h"
#include "farm/FarmScene.h"
#include "farm/FarmSceneCache.h"
#include "model/Scheduler.h"
#include "pet/FrameRegions.h"
#include "pet/NextChange.h"
#include "pet/PaintKey.h"
#include "pet/PetScene.h"
#include "pet/PetSilhouette.h"
#include "pet/PetStageLayout.h"
#include "pet/RegionPictures.h"
#include "pet/SpriteFrames.h"
#include "room/RoomAtmosphere.h"

class QPainter;

namespace tundle {

class AccessoryRing;
class AppModel;
class YUpSpace;
class FarmStore;

// Milliseconds on a clock that setting the wall clock does not move.
qint64 systemUptime();

// The clocks the pet's frame loop reads, and where it waits for the next change; without a
// scheduler it waits on Qt timers.
struct PetClocks {
    std::function<QDateTime()> now = &QDateTime::currentDateTimeUtc;
    std::function<qint64()> uptime = &systemUptime;
    Scheduler* scheduler = nullptr;
    // Where the farm's pictures are decoded, shared with the application's other views;
    // without one the canvas keeps its own.
    PictureCache* pictures = nullptr;
};

// The whole visible pet: it draws the sprite and the speech bubble and runs the pet's frame
// loop, which repaints, resizes its panel and lays out again only when something visible
// changed. The loop does not poll: it looks again at once when the model changes and otherwise
// sleeps until the next instant the clock alone can change the picture (the clip's next frame,
// a walk step, a countdown's second, falling weather), and not at all while nothing can.
// When only the pet's frame moves, only the sprite is repainted, over a picture of the still
// farm kept until something it shows changes. With `preview` set it is the control centre's live
// preview instead: it never resizes its window and shows no farm.
class PetCanvas : public QWidget {
    Q_OBJECT

public:
    PetCanvas(AppModel& model, FarmStore& farm, bool preview, PetClocks clocks = {},
              QWidget* parent = nullptr);

    bool preview() const { return preview_; }
    // One step of the frame loop: repaints what changed and sleeps until the next change.
    void tick();
    // The paint key of the last repaint, as text; empty before the first.
    QString lastPaintKey() const;
    PaintKey paintKey(const QDateTime& now, int frame) const;
    // What of the picture the clock alone moves, at `now`.
    ClockDrivenState clockDrivenState(const QDateTime& now) const;
    // Where the sprite and its cross-fade are drawn, in the canvas's Qt coordinates.
    QRect spriteRegion() const;

    // Geometry in the canvas's bottom-up points.
    QRectF spriteRect() const { return spriteRectAt(clocks_.now()); }
    QRectF spriteRectAt(const QDateTime& now) const;
    QRectF farmSceneRect() const;
    BubbleLayout bubbleLayout() const;
    QRectF bubbleRect() const;
    // Whether the speech bubble shows at all: it has a text and the canvas is wide enough.
    bool bubbleShown() const;
    // The outline of the bubble as it is drawn now, in the canvas's own (Qt) coordinates;
    // empty while none is drawn.
    QPainterPath bubbleOutline() const;
    // The frame as it would be painted now.
    PetScene scene() const { return sceneAt(clocks_.now()); }
    PetScene sceneAt(const QDateTime& now) const;

    // Whether the panel should take clicks at `point`, in the canvas's own (Qt) coordinates:
    // on the accessory controls, on the bubble, on the farm scene, on the opaque pixels of the
    // pet's frame as drawn now, or anywhere on the sprite while files are dragged over it.
    bool interactiveHit(QPointF point) const;
    // The canvas's device pixels where the pointer gets `interactiveHit`'s true, worked out now.
    QRegion interactivePixels() const;
    // The pixels last published through `interactiveRegionChanged`; none in the preview.
    const QRegion& interactiveRegion() const { return interactiveRegion_; }

    // Files are being dragged over the canvas.
    bool draggingFile() const { return draggingFile_; }
    void setDraggingFile(bool dragging);
    // The accessory buttons, their toggle and the shortcut panel; none in the preview.
    AccessoryRing* accessoryRing() const { return ring_; }
    void updateFunctionLayout();

    // Holds the room scene's pictures the farm shows now (its weather's backdrop, and the night
    // over it while the day is not full), at the size they are drawn.
    void holdRoomPictures();
    const std::map<QString, QImage>& roomImages() const { return roomImages_; }
    // The farm as last drawn while nothing of it moved, at the size of the farm panel and its
    // shadow; null before the first such paint and while the farm is hidden.
    const QImage& stillFarm() const { return stillFarm_; }
    // The pet's frames as drawn on screen; empty while the pet is hidden.
    const SpriteFrames& spriteFrames() const { return frames_; }
    // The painted sprite over the still farm, one picture per frame, while settled.
    const RegionPictures& regionPictures() const { return regionPictures_; }
    // Lets go of every picture of the farm; the farm is drawn afresh when it shows again.
    void releaseFarmPictures();

    // The farm's plots and the buttons beside the selected plot, and the action under `point`
    // (bottom-up points); all empty while the farm is hidden.
    std::vector<QRectF> plotRects() const;
    std::vector<FarmInlineButton> farmInlineButtons() const;
    std::optional<FarmInlineAction> farmInlineAction(QPointF point) const;
    void loadFarmAssetsIfNeeded();
    void performFarmAction(FarmInlineAction action);
    // The farm's share of the mouse handlers, after the speech bubble had its turn; points are
    // bottom-up. A press the farm takes starts no drag of the pet.
    bool farmMousePressed(QPointF point);
    bool farmMouseReleased(QPointF point);
    // None: the pointer left the canvas.
    void farmMouseMoved(std::optional<QPointF> point);
    const FarmPointerState& farmPointer() const { return farmPointer_; }
    const FarmArtwork& farmArtwork() const { return farmArtwork_; }

    // Called after the canvas moved its panel or changed its size.
    std::function<void()> onMoved;

signals:
    // The interactive pixels changed, or the canvas was resized (a window's input area must be
    // set again then).
    void interactiveRegionChanged(const QRegion& pixels);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // What of the still farm the clock alone changes: the growth stage each plot is drawn at
    // (-1 without a crop) and the countdown label's text.
    struct FarmTime {
        std::array<int, FarmRenderState::plotCount> stages = {};
        std::optional<QString> countdown;

        bool operator==(const FarmTime&) const = default;
    };

    // Looks again on the next turn of the event loop.
    void requestTick();
    void sleepUntilNextChange(const QDateTime& now);
    // Whether, at `now`, nothing but the pet's frame can have changed since the last full look.
    bool settledAt(const QDateTime& now) const;
    // A look while settled: only the pet's frame can have changed.
    void turnFrame(const QDateTime& now);
    void wakeAfter(std::optional<double> seconds);
    // The settled pet's frame when `region` holds nothing else that needs drawing over or under
    // it but the still farm: no bubble, plot controls, effect or cross-fade, at whole pixels.
    std::optional<int> pictureFrame(const QRegion& region, const PetScene& scene,
                                    const QDateTime& now, double ratio) const;
    // Repaints what the change from `previous` to `key` touches.
    void repaintChange(const std::optional<PaintKey>& previous, const PaintKey& key,
                       const PetFrameState& frame, const QDateTime& now);
    // The farm panel with its shadow, in Qt coordinates; empty while it is hidden.
    QRect farmRegion() const;
    bool farmMoving(const QDateTime& now) const;
    QRect spriteRegion(const PetFrameState& frame) const;
    // Publishes the interactive pixels when they changed, or `always`.
    void publishInteractiveRegion(bool always);
    void publishInteractiveRegion(bool always, const PetFrameState& frame, double ratio);
    // The interactive pixels of the pet drawn as `frame`.
    QRegion petPixels(const PetFrameState& frame, double ratio) const;
    // The interactive pixels besides the pet's: the accessory controls, the bubble and the farm.
    QRegion surroundingPixels() const;
    // The farm as it would be drawn at `now` from the pictures already loaded.
    std::optional<FarmScene> farmScene(const QDateTime& now) const;
    FarmTime farmTime(const QDateTime& now) const;
    // Something the still farm shows has changed: it is drawn afresh at the next paint.
    void farmChanged();
    const RoomAtmosphere& atmosphere() const;
    PetFrameState frameState(const QDateTime& now) const;
    PetFrameState frameState(const QDateTime& now, const QRectF& sprite) const;
    double elapsed(const QDateTime& now) const;
    bool still() const;
    // Grows or shrinks the panel upward from its bottom-left corner to leave room for the
    // bubble above the pet.
    void resizeForBubble();
    // Draws the farm panel under the pet and hands back the scene it drew when a selected
    // plot's controls or a feedback label are to go over the pet.
    std::optional<FarmScene> drawFarmBackdrop(QPainter& painter, const YUpSpace& space);
    FarmTargets farmTargets() const;
    void applyFarmOutcome(const FarmPointerOutcome& outcome);
    // The height from the panel's bottom edge to the usable top of its screen.
    std::optional<double> screenRoom() const;

    AppModel& model_;
    FarmStore& farm_;
    bool preview_;
    PetClocks clocks_;
    std::unique_ptr<Scheduler> ownScheduler_;
    std::unique_ptr<PictureCache> ownPictures_;
    std::unique_ptr<OneShot> wake_;
    bool draggingFile_ = false;
    FarmPointerState farmPointer_;
    std::optional<PaintKey> lastKey_;
    // No signal came since the last full look, and the clock changes nothing but the pet's
    // frame before `settledUntil_` (ever, without one): the looks in between skip the key.
    bool settled_ = false;
    std::optional<QDateTime> settledUntil_;
    QRectF settledSprite_;
    double settledRatio_ = 1;
    // A change that only moves things (scale, function panel, reduced motion) is not in the
    // key: the next tick lays out and repaints anyway.
    bool layoutPending_ = false;
    // The room's look changes only with the room: resolving it reads the system's time zone,
    // too slow for every tick.
    mutable std::optional<RoomAtmosphere> atmosphere_;
    PictureCache* pictures_;
    // What `roomImages_` holds: the folder, the names and the size.
    QString roomPicturesKey_;
    // The room, the farm's size or the pixel ratio changed since the pictures were chosen.
    bool roomPicturesStale_ = true;
    double roomPicturesRatio_ = 0;
    std::map<QString, QImage> roomImages_;
    SoapFilm films_;
    SpriteFrames frames_;
    RegionPictures regionPictures_;
    mutable FrameRegions frameRegions_;
    QRegion interactiveRegion_;
    // `surroundingPixels` as last worked out, and for what: they change with the layout, the
    // pet's place, the panel's place under the screen's top (the bubble) and the accessory
    // labels, not with the pet's frame, which turns many times a second.
    struct Surroundings {
        QRegion pixels;
        int height = 0;
        double ratio = 0;
        std::optional<double> screenRoom;
        QRectF sprite;
        // The whole area with each silhouette of the pet met since: the pet shows the same few
        // frames over and over, and uniting them with the rest every time was most of a frame's
        // own work.
        std::map<PetSilhouette::Key, QRegion> withPet;
    };
    std::optional<Surroundings> surroundings_;
    AccessoryRing* ring_ = nullptr;
    FarmArtwork farmArtwork_;
    FarmSceneCache farmCache_;
    QImage stillFarm_;
    // Where `stillFarm_` lies in the canvas, and the clock's part of what it shows.
    QRect stillFarmPlace_;
    FarmTime stillFarmTime_;
    // A signal or the clock said that something the still farm shows has changed, or the farm
    // moved on the last paint: its region is painted again at the next tick.
    bool farmStale_ = false;
};

}  // namespace tundle

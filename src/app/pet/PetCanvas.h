#pragma once

#include <QDateTime>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>

#include "drawing/SoapFilm.h"
#include "farm/FarmArtwork.h"
#include "farm/FarmLayout.h"
#include "farm/FarmPointerRules.h"
#include "farm/FarmSceneCache.h"
#include "pet/PaintKey.h"
#include "pet/PetScene.h"
#include "pet/PetStageLayout.h"
#include "room/RoomAtmosphere.h"

class QPainter;

namespace tundle {

class AccessoryRing;
class AppModel;
class YUpSpace;
class FarmStore;

// Milliseconds on a clock that setting the wall clock does not move.
qint64 systemUptime();

// The clocks the pet's frame loop reads.
struct PetClocks {
    std::function<QDateTime()> now = &QDateTime::currentDateTimeUtc;
    std::function<qint64()> uptime = &systemUptime;
};

// The whole visible pet: it draws the sprite and the speech bubble and runs the pet's frame
// loop, a 60 Hz clock that repaints, resizes its panel and lays out again only when something
// visible changed. With `preview` set it is the control centre's live preview instead: it
// never resizes its window and shows no farm.
class PetCanvas : public QWidget {
    Q_OBJECT

public:
    static constexpr int tickMilliseconds = 16;
    static constexpr qint64 roomTickMilliseconds = 60000;

    PetCanvas(AppModel& model, FarmStore& farm, bool preview, PetClocks clocks = {},
              QWidget* parent = nullptr);

    bool preview() const { return preview_; }
    // One step of the frame loop; the timer runs it 60 times a second.
    void tick();
    const QString& lastPaintKey() const { return lastPaintKey_; }
    PaintKey paintKey(const QDateTime& now, int frame) const;

    // Geometry in the canvas's bottom-up points.
    QRectF spriteRect() const;
    QRectF farmSceneRect() const;
    BubbleLayout bubbleLayout() const;
    QRectF bubbleRect() const;
    // Whether the speech bubble shows at all: it has a text and the canvas is wide enough.
    bool bubbleShown() const;
    // The frame as it would be painted now.
    PetScene scene() const;

    // Whether the panel should take clicks at `point`, in the canvas's own (Qt) coordinates:
    // on the accessory controls, on the bubble, on the farm scene, on the pet's opaque pixels,
    // or anywhere on the sprite while files are dragged over it.
    bool interactiveHit(QPointF point) const;

    // Files are being dragged over the canvas.
    bool draggingFile() const { return draggingFile_; }
    void setDraggingFile(bool dragging);
    // The accessory buttons, their toggle and the shortcut panel; none in the preview.
    AccessoryRing* accessoryRing() const { return ring_; }
    void updateFunctionLayout();

    // Keeps `roomImages` in step with the room's installed scene folder.
    void loadRoomImagesIfNeeded();
    const std::map<QString, QImage>& roomImages() const { return roomImages_; }

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double elapsed(const QDateTime& now) const;
    bool still() const;
    // Grows or shrinks the panel upward from its bottom-left corner to leave room for the
    // bubble above the pet.
    void resizeForBubble();
    void drawFarmScene(QPainter& painter, const YUpSpace& space);
    FarmTargets farmTargets() const;
    void applyFarmOutcome(const FarmPointerOutcome& outcome);
    // The height from the panel's bottom edge to the usable top of its screen.
    std::optional<double> screenRoom() const;

    AppModel& model_;
    FarmStore& farm_;
    bool preview_;
    PetClocks clocks_;
    QTimer timer_;
    bool draggingFile_ = false;
    FarmPointerState farmPointer_;
    QString lastPaintKey_;
    // A change that only moves things (scale, function panel, reduced motion) is not in the
    // key: the next tick lays out and repaints anyway.
    bool layoutPending_ = false;
    std::optional<qint64> lastRoomTick_;
    // The room's look changes only with the room: resolving it reads the system's time zone,
    // too slow for every tick.
    mutable std::optional<RoomAtmosphere> atmosphere_;
    std::optional<QString> roomImageRoot_;
    std::map<QString, QImage> roomImages_;
    SoapFilm films_;
    AccessoryRing* ring_ = nullptr;
    FarmArtwork farmArtwork_;
    FarmSceneCache farmCache_;
};

}  // namespace tundle

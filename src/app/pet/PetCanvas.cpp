#include "pet/PetCanvas.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "accessories/AccessoryRing.h"
#include "drawing/YUpSpace.h"
#include "model/AppModel.h"
#include "model/FarmStore.h"
#include "pet/input/FileDropFilter.h"
#include "pet/input/PetInput.h"
#include "support/ReferenceDate.h"

namespace tundle {

PetCanvas::PetCanvas(AppModel& model, FarmStore& farm, bool preview, PetClocks clocks,
                     QWidget* parent)
    : QWidget(parent), model_(model), farm_(farm), preview_(preview), clocks_(std::move(clocks)) {
    setAttribute(Qt::WA_TranslucentBackground);
    // Before the accessible name, which may already create the accessible interface.
    new PetInput(*this, model_);
    setAutoFillBackground(false);
    if (!preview_) {
        setAccessibleName(QStringLiteral("糯墩桌宠与功能按钮"));
        ring_ = new AccessoryRing(*this, model_, farm_, model_.qa().hover, model_.qa().compact);
        new FileDropFilter(*this, model_);
    }
    const auto relayout = [this] { layoutPending_ = true; };
    connect(&model_, &AppModel::functionPanelChanged, this, relayout);
    connect(&model_, &AppModel::accessoriesCollapsedChanged, this, relayout);
    connect(&model_, &AppModel::petScaleChanged, this, relayout);
    connect(&model_, &AppModel::reduceMotionChanged, this, relayout);
    connect(&model_.room(), &RoomEnvironment::changed, this, [this] { atmosphere_.reset(); });
    timer_.setInterval(tickMilliseconds);
    timer_.setTimerType(Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, &PetCanvas::tick);
    timer_.start();
}

qint64 systemUptime() {
    QElapsedTimer clock;
    clock.start();
    return clock.msecsSinceReference();
}

double PetCanvas::elapsed(const QDateTime& now) const {
    return model_.animationStart().msecsTo(now) / 1000.0;
}

bool PetCanvas::still() const {
    return model_.reduceMotion() || model_.breathingQuiet();
}

void PetCanvas::tick() {
    if (!isVisible()) {
        return;
    }
    if (farm_.visible()) {
        const qint64 uptime = clocks_.uptime();
        if (!lastRoomTick_ || uptime - *lastRoomTick_ >= roomTickMilliseconds) {
            lastRoomTick_ = uptime;
            model_.room().setVisible(true);
            model_.room().tick();
        }
    }
    model_.deliverWaitingReminder();
    const QDateTime now = clocks_.now();
    const int frame = model_.assets().frameIndex(model_.animation(), elapsed(now), still());
    QString key = paintKey(now, frame).text();
    if (key == lastPaintKey_ && !layoutPending_) {
        return;
    }
    lastPaintKey_ = std::move(key);
    layoutPending_ = false;
    resizeForBubble();
    updateFunctionLayout();
    update();
}

void PetCanvas::updateFunctionLayout() {
    if (ring_) {
        ring_->update(spriteRect());
    }
}

void PetCanvas::setDraggingFile(bool dragging) {
    if (dragging != draggingFile_) {
        draggingFile_ = dragging;
        update();
    }
}

PaintKey PetCanvas::paintKey(const QDateTime& now, int frame) const {
    if (!atmosphere_) {
        atmosphere_ = model_.room().atmosphere();
    }
    const RoomAtmosphere& atmosphere = *atmosphere_;
    return PaintKey{
        .actionTitle = model_.bubbleActionTitle(),
        .secondaryTitle = model_.bubbleSecondaryTitle(),
        .pack = model_.assetPack(),
        .assetRevision = model_.assetRevision(),
        .frame = frame,
        .animation = model_.animation(),
        .bubble = model_.bubble(),
        .bubbleDetail = model_.bubbleDetail(),
        .draggingFile = draggingFile_,
        .breathingQuiet = model_.breathingQuiet(),
        .breathingSeconds = model_.breathing().state() == BreathingState::running
                                ? std::optional(now.toSecsSinceEpoch())
                                : std::nullopt,
        .farmKey = farm_.renderKey(now),
        .weather = atmosphere.weather,
        .phase = atmosphere.phase,
        .daylight = atmosphere.daylight,
        .walkSeconds = model_.farmMoveToPlot() ? std::optional(ReferenceDate::secondsSince(now))
                                               : std::nullopt,
        .hoverFarmPlot = farmPointer_.hover,
        .selectedFarmPlot = farmPointer_.selected,
        .farmFeedback = model_.farmFeedback()
                            ? std::optional(PaintKey::FarmFeedback{
                                  model_.farmFeedback()->plot, model_.farmFeedback()->title,
                                  model_.farmFeedback()->detail, model_.farmFeedback()->doubled})
                            : std::nullopt,
    };
}

QRectF PetCanvas::spriteRect() const {
    return PetStageLayout::spriteRect(SpritePlacement{
        .preview = preview_,
        .boundsWidth = double(width()),
        .petScale = model_.petScale(),
        .farmVisible = farm_.visible(),
        .farmScale = farm_.scale(),
        .farmBalance = farm_.balance(),
        .farmSpot = FarmLayout::petPosition({model_.farmPetPlot(), model_.farmMoveFromPlot(),
                                             model_.farmMoveToPlot(), model_.farmMoveStart()},
                                            clocks_.now()),
        .walking = model_.farmMoveToPlot().has_value(),
        .reduceMotion = model_.reduceMotion(),
        .referenceSeconds = ReferenceDate::secondsSince(clocks_.now()),
    });
}

QRectF PetCanvas::farmSceneRect() const {
    return PetStageLayout::farmSceneRect(preview_, farm_.visible(), farm_.scale());
}

BubbleLayout PetCanvas::bubbleLayout() const {
    return BubbleLayout(BubbleContent::of(model_), width() - 20);
}

QRectF PetCanvas::bubbleRect() const {
    return PetStageLayout::bubbleRect(bubbleLayout(), spriteRect(), width(), height(), preview_,
                                      screenRoom());
}

bool PetCanvas::bubbleShown() const {
    return !model_.bubble().isEmpty() && width() - 20 >= 1;
}

PetScene PetCanvas::scene() const {
    const QDateTime now = clocks_.now();
    PetScene scene{.frame = {.assets = &model_.assets(),
                             .animation = model_.animation(),
                             .elapsed = elapsed(now),
                             .still = still(),
                             .spriteRect = spriteRect(),
                             .boundsWidth = double(width()),
                             .draggingFile = draggingFile_},
                   .bubble = std::nullopt};
    if (bubbleShown() && !model_.functionPanel()) {
        const BubbleLayout layout = bubbleLayout();
        scene.bubble =
            BubbleScene{BubbleContent::of(model_),
                        PetStageLayout::bubbleRect(layout, scene.frame.spriteRect, width(),
                                                   height(), preview_, screenRoom()),
                        layout};
    }
    return scene;
}

bool PetCanvas::interactiveHit(QPointF point) const {
    if (ring_ && ring_->hit(point)) {
        return true;
    }
    const YUpSpace space(height());
    const QPointF p = space.fromQt(point);
    if (bubbleShown() && YUpSpace::contains(bubbleRect(), p)) {
        return true;
    }
    if (farm_.visible() && YUpSpace::contains(farmSceneRect(), p)) {
        return true;
    }
    const QRectF sprite = spriteRect();
    return draggingFile_ ? YUpSpace::contains(sprite, p) : model_.assets().contains(p, sprite);
}

void PetCanvas::loadRoomImagesIfNeeded() {
    const std::optional<QString>& root = model_.room().sceneRoot();
    if (root == roomImageRoot_) {
        return;
    }
    roomImages_.clear();
    roomImageRoot_ = root;
    const std::optional<RoomSceneDefinition>& definition = model_.room().scene();
    if (!root || !definition) {
        return;
    }
    const QDir folder(*root);
    for (const QString& name : definition->imageNames()) {
        QImage image(folder.filePath(name));
        if (!image.isNull()) {
            roomImages_.insert_or_assign(name, std::move(image));
        }
    }
}

void PetCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const YUpSpace space(height());
    drawFarmScene(painter, space);
    drawPetScene(painter, space, scene(), films_);
}

std::optional<double> PetCanvas::screenRoom() const {
    const QWidget* panel = window();
    const QScreen* screen = panel->windowHandle() ? panel->windowHandle()->screen() : nullptr;
    if (!screen) {
        return std::nullopt;
    }
    const double panelBottom = panel->frameGeometry().bottom() + 1;
    return panelBottom - screen->availableGeometry().top();
}

void PetCanvas::resizeForBubble() {
    QWidget* panel = window();
    if (preview_ || panel == this) {
        return;
    }
    const double top = std::max(YUpSpace::maxY(spriteRect()), YUpSpace::maxY(farmSceneRect()));
    const std::optional<double> bubble =
        bubbleShown() ? std::optional(bubbleLayout().height) : std::nullopt;
    const double wanted = PetStageLayout::wantedHeight(top, bubble);
    if (!PetStageLayout::needsResize(panel->height(), wanted)) {
        return;
    }
    const QRect frame = panel->geometry();
    const int height = qRound(wanted);
    panel->setGeometry(frame.x(), frame.y() + frame.height() - height, frame.width(), height);
    if (onMoved) {
        onMoved();
    }
    update();
}

}  // namespace tundle

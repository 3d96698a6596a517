#include "pet/PetCanvas.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <cmath>

#include "accessories/AccessoryRing.h"
#include "drawing/PixelArea.h"
#include "drawing/YUpSpace.h"
#include "farm/FarmControls.h"
#include "farm/FarmWeather.h"
#include "model/AppModel.h"
#include "model/FarmStore.h"
#include "model/QtScheduler.h"
#include "pet/PetSilhouette.h"
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
        connect(ring_, &AccessoryRing::hitAreaChanged, this, [this] {
            surroundings_.reset();
            publishInteractiveRegion(false);
        });
        new FileDropFilter(*this, model_);
    }
    if (!clocks_.scheduler) {
        ownScheduler_ = std::make_unique<QtScheduler>();
        clocks_.scheduler = ownScheduler_.get();
    }
    wake_ = clocks_.scheduler->makeOneShot();
    if (!clocks_.pictures) {
        ownPictures_ = std::make_unique<PictureCache>(clocks_.uptime);
        clocks_.pictures = ownPictures_.get();
    }
    pictures_ = clocks_.pictures;
    connect(&farm_, &FarmStore::visibleChanged, this, [this] {
        if (!farm_.visible()) {
            releaseFarmPictures();
        }
    });
    const auto relayout = [this] { layoutPending_ = true; };
    connect(&model_, &AppModel::functionPanelChanged, this, relayout);
    connect(&model_, &AppModel::accessoriesCollapsedChanged, this, relayout);
    connect(&model_, &AppModel::petScaleChanged, this, relayout);
    connect(&model_, &AppModel::reduceMotionChanged, this, [this] {
        layoutPending_ = true;
        farmChanged();
    });
    // What the farm shows of the model besides the store: the selected plot's buttons and
    // countdown wait for a resting pet, the feedback label comes and goes. Without a selected
    // plot the pet's clips change nothing of the farm.
    const auto petChanged = [this] {
        if (farmPointer_.selected) {
            farmChanged();
        }
    };
    connect(&model_, &AppModel::animationChanged, this, petChanged);
    connect(&model_, &AppModel::farmWalkChanged, this, petChanged);
    connect(&model_, &AppModel::farmFeedbackChanged, this, &PetCanvas::farmChanged);
    const auto roomRedrawn = [this] {
        atmosphere_.reset();
        roomPicturesStale_ = true;
        farmChanged();
        requestTick();
    };
    connect(&model_.room(), &RoomEnvironment::sceneChanged, this, roomRedrawn);
    connect(&model_.room(), &RoomEnvironment::preferencesChanged, this, roomRedrawn);
    // The room also speaks up every minute and with every status line: the farm is drawn again
    // only when its light or weather changed.
    connect(&model_.room(), &RoomEnvironment::changed, this, [this] {
        const std::optional<RoomAtmosphere> shown = std::exchange(atmosphere_, std::nullopt);
        if (!shown || atmosphere() != *shown) {
            roomPicturesStale_ = true;
            farmChanged();
        }
        requestTick();
    });
    connect(&model_, &AppModel::changed, this, &PetCanvas::requestTick);
    // What the paint key reads of the model that may come without its catch-all signal.
    for (const auto signal :
         {&AppModel::animationChanged, &AppModel::bubbleChanged, &AppModel::breathingQuietChanged,
          &AppModel::assetPackChanged, &AppModel::assetRevisionChanged}) {
        connect(&model_, signal, this, &PetCanvas::requestTick);
    }
    connect(&model_.breathing(), &BreathingService::stateChanged, this, &PetCanvas::requestTick);
    connect(&farm_, &FarmStore::changed, this, [this] {
        roomPicturesStale_ = true;
        farmChanged();
        requestTick();
    });
}

void PetCanvas::farmChanged() {
    settled_ = false;
    // Without a picture there is nothing to throw away: the next paint of the farm draws one.
    if (!stillFarm_.isNull()) {
        farmStale_ = true;
    }
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

void PetCanvas::requestTick() {
    settled_ = false;
    if (isVisible()) {
        wake_->start(0, [this] { tick(); });
    }
}

void PetCanvas::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    requestTick();
}

void PetCanvas::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    wake_->cancel();
    releaseFarmPictures();
    frames_.clear();
}

void PetCanvas::tick() {
    wake_->cancel();
    if (!isVisible()) {
        return;
    }
    const QDateTime now = clocks_.now();
    if (settledAt(now)) {
        turnFrame(now);
        return;
    }
    const int frame = model_.assets().frameIndex(model_.animation(), elapsed(now), still());
    PaintKey key = paintKey(now, frame);
    if (!stillFarm_.isNull() && farmTime(now) != stillFarmTime_) {
        farmChanged();
    }
    if (layoutPending_ || farmStale_ || !lastKey_ || key != *lastKey_) {
        // The frame's place is in bottom-up points, which a new height for the bubble keeps.
        const PetFrameState state = frameState(now);
        repaintChange(std::exchange(lastKey_, key), key, state, now);
        publishInteractiveRegion(false, state, devicePixelRatioF());
    } else if (farmMoving(now)) {
        update(farmRegion());
    }
    sleepUntilNextChange(now);
}

QString PetCanvas::lastPaintKey() const {
    return lastKey_ ? lastKey_->text() : QString();
}

namespace {

// Whether `next` differs from `previous` in no more than the pet's frame and what the farm
// panel shows inside itself: neither moves anything nor touches the rest of the picture.
bool onlyFrameOrFarmContent(const PaintKey& previous, const PaintKey& next) {
    PaintKey aligned = next;
    aligned.frame = previous.frame;
    aligned.farm.coins = previous.farm.coins;
    aligned.farm.plots = previous.farm.plots;
    aligned.farm.timeBucket = previous.farm.timeBucket;
    return aligned == previous;
}

std::optional<double> sooner(std::optional<double> a, std::optional<double> b) {
    return a && (!b || *a < *b) ? a : b;
}

}  // namespace

void PetCanvas::repaintChange(const std::optional<PaintKey>& previous, const PaintKey& key,
                              const PetFrameState& frame, const QDateTime& now) {
    const bool whole = layoutPending_ || !previous || !onlyFrameOrFarmContent(*previous, key);
    layoutPending_ = false;
    if (whole) {
        regionPictures_.clear();
        resizeForBubble();
        updateFunctionLayout();
        update();
        return;
    }
    // The farm's own changes come with a signal or with its clock, and the time bucket of its
    // key alone changes nothing on screen. A rectangle is cheaper to hand to Qt than a region,
    // and the pet's frame alone is the common case.
    const bool frameTurned = key.frame != previous->frame;
    const bool farm = farmStale_ || farmMoving(now);
    if (farm) {
        regionPictures_.clear();
    }
    if (frameTurned && farm) {
        update(QRegion(spriteRegion(frame)) + farmRegion());
    } else if (frameTurned) {
        update(spriteRegion(frame));
    } else if (farm) {
        update(farmRegion());
    }
}

bool PetCanvas::settledAt(const QDateTime& now) const {
    return settled_ && !layoutPending_ && !farmStale_ && (!settledUntil_ || now < *settledUntil_);
}

void PetCanvas::turnFrame(const QDateTime& now) {
    const double seconds = elapsed(now);
    const int frame = model_.assets().frameIndex(model_.animation(), seconds, still());
    if (frame != lastKey_->frame) {
        lastKey_->frame = frame;
        const PetFrameState state = frameState(now, settledSprite_);
        update(spriteRegion(state));
        publishInteractiveRegion(false, state, settledRatio_);
    }
    wakeAfter(
        sooner(model_.assets().secondsToNextFrame(model_.animation(), seconds, still()),
               settledUntil_ ? std::optional(now.msecsTo(*settledUntil_) / 1000.0) : std::nullopt));
}

void PetCanvas::sleepUntilNextChange(const QDateTime& now) {
    ClockDrivenState state = clockDrivenState(now);
    const std::optional<double> frame = std::exchange(state.nextFrame, std::nullopt);
    const std::optional<double> other = NextChange::after(state);
    // Until the clock changes something else, and while no signal comes, the looks in between
    // only turn the pet's frame. A moving farm is painted at every look.
    settled_ = !farmMoving(now);
    // Neither moves while settled: the pet walks only with the clock, and a new screen says so.
    settledSprite_ = spriteRectAt(now);
    settledRatio_ = devicePixelRatioF();
    settledUntil_ =
        other ? std::optional(now.addMSecs(qint64(std::floor(*other * 1000)))) : std::nullopt;
    wakeAfter(sooner(frame, other));
}

void PetCanvas::wakeAfter(std::optional<double> seconds) {
    if (seconds) {
        // A millisecond late rather than early: a wake just before the frame turns finds nothing
        // new and has to wake again.
        wake_->start(*seconds + 0.001, [this] { tick(); });
    }
}

ClockDrivenState PetCanvas::clockDrivenState(const QDateTime& now) const {
    ClockDrivenState state{
        .now = now,
        .nextFrame = model_.assets().secondsToNextFrame(model_.animation(), elapsed(now), still()),
        .walking = model_.farmMoveToPlot().has_value(),
        .breathingRunning = model_.breathing().state() == BreathingState::running,
    };
    if (!farm_.visible() || preview_) {
        return state;
    }
    const std::vector<FarmPlot>& plots = farm_.plots();
    state.farmShown = true;
    state.cropsGrowing = std::any_of(plots.begin(), plots.end(), [&now](const FarmPlot& plot) {
        return plot.crop && plot.progress(now) < 1.0;
    });
    const bool resting = !model_.farmMoveToPlot() && model_.animation() == QStringLiteral("idle");
    if (FarmControls::countdown(farm_, farmSceneRect(), farm_.scale(), resting,
                                farmPointer_.selected, now)) {
        state.countdownEnds = plots[std::size_t(*farmPointer_.selected)].maturityDate();
    }
    state.feedbackFade = FarmControls::fadeRemaining(model_.farmFeedback(), now);
    state.weatherFalls =
        FarmWeather::particleCount(atmosphere().weather, model_.room().preferences().motion,
                                   model_.reduceMotion()) > 0;
    return state;
}

QRect PetCanvas::spriteRegion() const {
    return spriteRegion(frameState(clocks_.now()));
}

QRect PetCanvas::spriteRegion(const PetFrameState& frame) const {
    const PetSpriteGeometry geometry = PetSpriteGeometry::of(frame);
    if (geometry.eating || geometry.harvest || geometry.poof) {
        return rect();
    }
    const YUpSpace space(height());
    // Antialiased edges reach into the next pixel.
    return space.toQt(frame.spriteRect.united(geometry.rect))
        .toAlignedRect()
        .adjusted(-2, -2, 2, 2);
}

void PetCanvas::updateFunctionLayout() {
    if (ring_) {
        ring_->update(spriteRect());
    }
    // Only now that every control has its place (each moved one may have published on the
    // way); also after a layout that moved nothing, since the bubble and the farm come and go
    // with one.
    surroundings_.reset();
}

void PetCanvas::setDraggingFile(bool dragging) {
    if (dragging != draggingFile_) {
        draggingFile_ = dragging;
        settled_ = false;
        update();
        publishInteractiveRegion(false);
    }
}

const RoomAtmosphere& PetCanvas::atmosphere() const {
    if (!atmosphere_) {
        atmosphere_ = model_.room().atmosphere();
    }
    return *atmosphere_;
}

PaintKey PetCanvas::paintKey(const QDateTime& now, int frame) const {
    const RoomAtmosphere& atmosphere = this->atmosphere();
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
        .farm = farm_.renderState(now),
        .weather = atmosphere.weather,
        .phase = atmosphere.phase,
        .daylight = int(atmosphere.daylight * PaintKey::daylightSteps),
        .walkSteps =
            model_.farmMoveToPlot()
                ? std::optional(qint64(ReferenceDate::secondsSince(now) * NextChange::walkSteps))
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

QRectF PetCanvas::spriteRectAt(const QDateTime& now) const {
    return PetStageLayout::spriteRect(SpritePlacement{
        .preview = preview_,
        .boundsWidth = double(width()),
        .petScale = model_.petScale(),
        .farmVisible = farm_.visible(),
        .farmScale = farm_.scale(),
        .farmBalance = farm_.balance(),
        .farmSpot = FarmLayout::petPosition({model_.farmPetPlot(), model_.farmMoveFromPlot(),
                                             model_.farmMoveToPlot(), model_.farmMoveStart()},
                                            now),
        .walking = model_.farmMoveToPlot().has_value(),
        .reduceMotion = model_.reduceMotion(),
        .referenceSeconds = ReferenceDate::secondsSince(now),
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

QPainterPath PetCanvas::bubbleOutline() const {
    const PetScene scene = this->scene();
    if (!scene.bubble) {
        return {};
    }
    return YUpSpace(height()).toQt(SoapFilm::outline(scene.bubble->rect, true, std::nullopt));
}

PetFrameState PetCanvas::frameState(const QDateTime& now) const {
    return frameState(now, spriteRectAt(now));
}

PetFrameState PetCanvas::frameState(const QDateTime& now, const QRectF& sprite) const {
    return {.assets = &model_.assets(),
            .animation = model_.animation(),
            .elapsed = elapsed(now),
            .still = still(),
            .spriteRect = sprite,
            .boundsWidth = double(width()),
            .draggingFile = draggingFile_};
}

PetScene PetCanvas::sceneAt(const QDateTime& now) const {
    // While settled the pet stands where the last full look found it.
    PetScene scene{.frame = settledAt(now) ? frameState(now, settledSprite_) : frameState(now),
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
    const PetFrameState frame = frameState(clocks_.now());
    return draggingFile_ ? YUpSpace::contains(frame.spriteRect, p)
                         : PetSilhouette::of(frame).contains(p);
}

QRegion PetCanvas::interactivePixels() const {
    if (preview_) {
        return {};
    }
    return petPixels(frameState(clocks_.now()), devicePixelRatioF()) + surroundingPixels();
}

QRegion PetCanvas::petPixels(const PetFrameState& frame, double ratio) const {
    if (draggingFile_) {
        PixelArea area(height(), ratio);
        area.addUp(frame.spriteRect);
        return area.region();
    }
    return PetSilhouette::of(frame).pixels(frameRegions_, height(), ratio);
}

QRegion PetCanvas::surroundingPixels() const {
    PixelArea area(height(), devicePixelRatioF());
    if (ring_) {
        ring_->addHitArea(area);
    }
    if (bubbleShown()) {
        area.addUp(bubbleRect());
    }
    if (farm_.visible()) {
        area.addUp(farmSceneRect());
    }
    return area.region();
}

void PetCanvas::publishInteractiveRegion(bool always) {
    if (!preview_) {
        publishInteractiveRegion(always, frameState(clocks_.now()), devicePixelRatioF());
    }
}

void PetCanvas::publishInteractiveRegion(bool always, const PetFrameState& frame, double ratio) {
    if (preview_) {
        return;
    }
    // The room under the screen's top places only the bubble.
    const std::optional<double> room = bubbleShown() ? screenRoom() : std::nullopt;
    if (!surroundings_ || surroundings_->height != height() || surroundings_->ratio != ratio ||
        surroundings_->screenRoom != room || surroundings_->sprite != frame.spriteRect) {
        surroundings_ =
            Surroundings{surroundingPixels(), height(), ratio, room, frame.spriteRect, {}};
    }
    QRegion pixels;
    if (draggingFile_) {
        pixels = petPixels(frame, ratio) + surroundings_->pixels;
    } else {
        const PetSilhouette silhouette = PetSilhouette::of(frame);
        std::map<PetSilhouette::Key, QRegion>& withPet = surroundings_->withPet;
        if (withPet.size() >= FrameRegions::maximumRegions) {
            withPet.clear();
        }
        const auto [place, added] = withPet.try_emplace(silhouette.key());
        if (added) {
            place->second =
                silhouette.pixels(frameRegions_, height(), ratio) + surroundings_->pixels;
        }
        pixels = place->second;
    }
    if (always || pixels != interactiveRegion_) {
        interactiveRegion_ = std::move(pixels);
        emit interactiveRegionChanged(interactiveRegion_);
    }
}

bool PetCanvas::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal) {
        requestTick();
    }
    return QWidget::event(event);
}

void PetCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    settled_ = false;
    publishInteractiveRegion(true);
}

void PetCanvas::holdRoomPictures() {
    const QRectF rect = farmSceneRect();
    const std::optional<QString>& root = model_.room().sceneRoot();
    const std::optional<RoomSceneDefinition>& definition = model_.room().scene();
    QStringList names;
    if (root && definition && !rect.isEmpty()) {
        const QSet<QString> listed = definition->imageNames();
        const RoomAtmosphere& shown = atmosphere();
        names << FarmArtwork::backdropName(shown.weather);
        if (shown.daylight < 0.98) {
            names << FarmArtwork::nightBackdropName();
        }
        names.removeIf([&listed](const QString& name) { return !listed.contains(name); });
    }
    const double ratio = devicePixelRatioF();
    const QSize pixels(std::max(1, int(std::lround(rect.width() * ratio))),
                       std::max(1, int(std::lround(rect.height() * ratio))));
    const QString key = root.value_or(QString()) + u'|' + names.join(u'|') +
                        QStringLiteral("|%1x%2").arg(pixels.width()).arg(pixels.height());
    if (key == roomPicturesKey_) {
        return;
    }
    roomPicturesKey_ = key;
    std::map<QString, QImage> held;
    for (const QString& name : names) {
        QImage picture = pictures_->picture(QDir(*root).filePath(name), pixels);
        if (!picture.isNull()) {
            held.emplace(name, std::move(picture));
        }
    }
    roomImages_ = std::move(held);
    pictures_->released();
}

void PetCanvas::releaseFarmPictures() {
    roomImages_.clear();
    roomPicturesKey_.clear();
    roomPicturesStale_ = true;
    stillFarm_ = QImage();
    farmStale_ = false;
    farmCache_ = FarmSceneCache();
    regionPictures_.clear();
    pictures_->released();
}

void PetCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const YUpSpace space(height());
    const QDateTime now = clocks_.now();
    const PetScene scene = sceneAt(now);
    const double ratio = devicePixelRatioF();
    const std::optional<int> frame = pictureFrame(event->region(), scene, now, ratio);
    if (frame && stillFarm_.isNull() && !farm_.visible()) {
        // Nothing lies under the pet: its frame takes the cleared pixels as they are, a copy
        // where drawing it over them would blend every pixel of a frame of up to 256 px.
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        drawPetSprite(painter, space, scene.frame, &frames_);
        return;
    }
    if (frame && !stillFarm_.isNull()) {
        const QImage& picture =
            regionPictures_.picture(*frame, event->rect(), ratio, [&](QPainter& p) {
                // The frames already drawn lie at the window's pixels, not the picture's.
                const std::optional<FarmScene> farm = drawFarmBackdrop(p, space);
                drawPetScene(p, space, scene, films_);
                if (farm) {
                    drawFarmControls(p, space, *farm);
                }
            });
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(event->rect().topLeft(), picture);
        return;
    }
    const std::optional<FarmScene> farm = drawFarmBackdrop(painter, space);
    drawPetScene(painter, space, scene, films_, &frames_);
    // The plot's buttons and the label of what the pet did there stay visible while the pet
    // stands at the plot.
    if (farm) {
        drawFarmControls(painter, space, *farm);
    }
}

std::optional<int> PetCanvas::pictureFrame(const QRegion& region, const PetScene& scene,
                                           const QDateTime& now, double ratio) const {
    if (!settledAt(now) || farmPointer_.selected || scene.bubble || draggingFile_ ||
        region.rectCount() != 1 || ratio != std::floor(ratio)) {
        return std::nullopt;
    }
    const PetSpriteGeometry geometry = PetSpriteGeometry::of(scene.frame);
    if (geometry.eating || geometry.harvest || geometry.poof || geometry.opacity < 1 ||
        region.boundingRect() != spriteRegion(scene.frame).intersected(rect())) {
        return std::nullopt;
    }
    return model_.assets().frameIndex(scene.frame.animation, scene.frame.elapsed,
                                      scene.frame.still);
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

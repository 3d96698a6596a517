#include "editors/RoomBackdrop.h"

#include <QDir>
#include <QPainter>

#include "drawing/PictureCache.h"
#include "editors/WeatherEffects.h"
#include "platform/SessionEvents.h"
#include "room/RoomEnvironment.h"
#include "support/ReferenceDate.h"
#include "toolkit/VisibilityGate.h"

namespace tundle {

RoomBackdrop::RoomBackdrop(RoomEnvironment& room, SessionEvents& session, PictureCache& pictures,
                           bool reduceMotion, std::function<QDateTime()> clock, QWidget* parent)
    : QWidget(parent),
      room_(room),
      session_(session),
      pictures_(pictures),
      reduceMotion_(reduceMotion),
      clock_(clock ? std::move(clock) : [] { return QDateTime::currentDateTimeUtc(); }),
      fade_(room.atmosphere()),
      gate_(new VisibilityGate(*this)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    load();
    frameTimer_.setTimerType(Qt::PreciseTimer);
    frameTimer_.setInterval(RoomLayers::frameInterval(room_.preferences().motion));
    connect(&frameTimer_, &QTimer::timeout, this, &RoomBackdrop::frame);
    gate_->drive(frameTimer_, [this] { return animates() || fading(); });
    connect(&room_, &RoomEnvironment::sceneChanged, this, [this] {
        load();
        update();
    });
    connect(&room_, &RoomEnvironment::changed, this, &RoomBackdrop::follow);
    connect(&session_, &SessionEvents::lowPowerChanged, this, &RoomBackdrop::follow);
    connect(&session_, &SessionEvents::reduceMotionChanged, this, &RoomBackdrop::follow);
    connect(gate_, &VisibilityGate::openChanged, this, [this](bool open) {
        if (!open) {
            release();
        }
        follow();
    });
}

std::optional<QString> RoomBackdrop::path(const std::optional<QString>& name,
                                          const std::optional<QString>& root) {
    if (!name || !root) {
        return std::nullopt;
    }
    return QDir(*root).filePath(*name);
}

void RoomBackdrop::load() {
    const std::optional<QString>& root = room_.sceneRoot();
    const std::optional<RoomSceneDefinition>& scene = room_.scene();
    if (!root || !scene) {
        return;
    }
    paths_[base] = path(scene->base, root);
    paths_[sunny] = path(scene->sunny, root);
    paths_[cloudy] = path(scene->cloudy, root);
    paths_[rain] = path(scene->rain, root);
    paths_[storm] = path(scene->storm, root);
    paths_[snow] = path(scene->snow, root);
    paths_[night] = path(scene->night, root);
    release();
}

void RoomBackdrop::release() {
    scaled_ = {};
    scaledSize_ = QSize();
    stills_ = QImage();
    stillsLayers_.reset();
    pictures_.released();
}

void RoomBackdrop::setReduceMotion(bool on) {
    reduceMotion_ = on;
    follow();
}

double RoomBackdrop::seconds() const {
    return ReferenceDate::secondsSince(clock_());
}

bool RoomBackdrop::still() const {
    return reduceMotion_ || session_.reduceMotion();
}

bool RoomBackdrop::animates() const {
    return RoomLayers::animates(room_.isVisible(), room_.preferences().motion, reduceMotion_,
                                session_.reduceMotion(), session_.lowPower());
}

bool RoomBackdrop::fading() const {
    return fade_.fading(seconds());
}

void RoomBackdrop::follow() {
    // Nobody watches a fade on a hidden backdrop; it shows the new look when it comes back.
    fade_.aim(room_.atmosphere(), seconds(), still() || !gate_->isOpen());
    frameTimer_.setInterval(RoomLayers::frameInterval(room_.preferences().motion));
    gate_->refresh();
    update();
}

void RoomBackdrop::frame() {
    update();
    if (!animates() && !fading()) {
        gate_->refresh();
    }
}

void RoomBackdrop::fetch(const QRectF& frame) {
    const QSize pixels = (frame.size() * devicePixelRatioF()).toSize();
    if (pixels == scaledSize_) {
        return;
    }
    for (int index = 0; index < pictureCount; ++index) {
        scaled_[index] = paths_[index] ? pictures_.picture(*paths_[index], pixels) : QImage();
    }
    scaledSize_ = pixels;
    stillsLayers_.reset();
}

const QImage& RoomBackdrop::stills(const QRectF& frame, const RoomLayers& layers) {
    const double ratio = devicePixelRatioF();
    const QSize canvas = (QSizeF(size()) * ratio).toSize();
    if (stillsLayers_ == layers && stills_.size() == canvas) {
        return stills_;
    }
    stills_ = QImage(canvas, QImage::Format_ARGB32_Premultiplied);
    stills_.setDevicePixelRatio(ratio);
    QPainter painter(&stills_);
    const QPointF origin = frame.topLeft();
    painter.drawImage(origin, scaled_[base]);
    const auto layer = [&](Picture picture, double opacity) {
        if (opacity > 0 && !scaled_[picture].isNull()) {
            painter.setOpacity(opacity);
            painter.drawImage(origin, scaled_[picture]);
        }
    };
    layer(sunny, layers.sunny);
    layer(cloudy, layers.cloudy);
    layer(rain, layers.rain);
    layer(storm, layers.storm);
    layer(snow, layers.snow);
    layer(night, layers.night);
    const auto wash = [&](const QColor& colour, double opacity) {
        if (opacity > 0) {
            painter.setOpacity(opacity);
            painter.fillRect(frame, colour);
        }
    };
    wash(QColor::fromRgbF(0.04f, 0.075f, 0.18f), layers.nightTint);
    wash(Qt::white, layers.fogVeil);
    wash(QColor::fromRgbF(1.0f, 0.57f, 0.3f), layers.duskGlow);
    stillsLayers_ = layers;
    ++stillRenders_;
    return stills_;
}

void RoomBackdrop::drawEffects(QPainter& painter, const QRectF& frame, double now) const {
    const bool moving = animates();
    const double time = moving ? now : stillTime;
    const bool light = !moving || room_.preferences().motion == RoomMotion::light;
    painter.save();
    painter.translate(frame.topLeft());
    const double progress = fade_.progress(now);
    if (progress < 1 && fade_.previous() != fade_.target()) {
        WeatherEffects::draw(painter, frame.size(), fade_.previous(), time, light, 1 - progress);
        WeatherEffects::draw(painter, frame.size(), fade_.target(), time, light, progress);
    } else {
        WeatherEffects::draw(painter, frame.size(), fade_.target(), time, light);
    }
    painter.restore();
}

void RoomBackdrop::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const std::optional<RoomSceneDefinition>& scene = room_.scene();
    const QRectF frame =
        scene ? RoomLayers::cover(QSizeF(scene->width, scene->height), QSizeF(size())) : QRectF();
    if (scene) {
        fetch(frame);
    }
    if (!scene || scaled_[base].isNull()) {
        painter.fillRect(rect(), emptyColour);
        return;
    }
    const double now = seconds();
    painter.drawImage(QPointF(), stills(frame, fade_.layers(now)));
    painter.setClipRect(rect());
    drawEffects(painter, frame, now);
}

}  // namespace tundle

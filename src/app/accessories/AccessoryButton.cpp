#include "accessories/AccessoryButton.h"

#include <QEnterEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "accessories/AccessoryArtwork.h"
#include "drawing/AccessiblePress.h"
#include "drawing/InterfaceFont.h"
#include "drawing/SymbolImage.h"
#include "drawing/YUpSpace.h"

namespace tundle {
namespace {

// The application's own face, like every other text of the pet, so the pill fits its label
// whatever the desktop's default font is.
QFont labelFont() {
    return interfaceFont(12, QFont::DemiBold);
}

QRectF grown(const QRectF& rect, double dx, double dy) {
    return rect.adjusted(-dx, -dy, dx, dy);
}

}  // namespace

AccessoryButton::AccessoryButton(PetAccessory accessory, bool previewRevealed,
                                 std::function<double()> seconds, QWidget* parent)
    : QWidget(parent),
      accessory_(accessory),
      previewRevealed_(previewRevealed),
      artwork_(AccessoryArtwork::image(accessory)),
      seconds_(std::move(seconds)) {
    if (!seconds_) {
        systemClock_.start();
        seconds_ = [this] { return systemClock_.nsecsElapsed() / 1e9; };
    }
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    // Before the name: naming the widget may already create its accessible interface.
    new AccessiblePress(*this, QAccessible::Button, [this] { press(); });
    setAccessibleName(petAccessoryLabel(accessory));
    animationTimer_.setInterval(16);
    animationTimer_.setTimerType(Qt::PreciseTimer);
    connect(&animationTimer_, &QTimer::timeout, this, &AccessoryButton::step);
    closeTimer_.setSingleShot(true);
    closeTimer_.setTimerType(Qt::PreciseTimer);
    closeTimer_.setInterval(closeDelayMilliseconds);
    connect(&closeTimer_, &QTimer::timeout, this, [this] {
        hovered_ = false;
        animate();
    });
}

void AccessoryButton::setActive(bool active) {
    if (active != active_) {
        active_ = active;
        update();
    }
}

QRectF AccessoryButton::artworkArea() const {
    return {width() - 59.0, 6, 50, 46};
}

double AccessoryButton::labelExtension() const {
    return std::ceil(QFontMetricsF(labelFont()).horizontalAdvance(petAccessoryLabel(accessory_))) +
           18;
}

QRectF AccessoryButton::labelRect() const {
    const double extension = labelExtension();
    return {artworkArea().x() + 6 - extension * reveal_, 15, extension * reveal_ + 14, 27};
}

bool AccessoryButton::contains(QPointF point) const {
    const QRectF area = artworkArea();
    if (YUpSpace::contains(grown(area, 2, 3), point)) {
        return true;
    }
    return reveal_ > pillHitReveal && YUpSpace::contains(area.united(labelRect()), point);
}

void AccessoryButton::track(QPointF point) {
    if (previewRevealed_) {
        hovered_ = true;
        setReveal(1);
        return;
    }
    if (contains(point)) {
        closeTimer_.stop();
        if (!hovered_) {
            hovered_ = true;
            animate();
        }
    } else if (hovered_ && !closeTimer_.isActive()) {
        closeTimer_.start();
    }
}

void AccessoryButton::press() {
    if (action) {
        action();
    }
}

void AccessoryButton::animate() {
    animationTimer_.stop();
    animationTarget_ = hovered_ ? 1 : 0;
    if (reduceMotion_) {
        setReveal(animationTarget_);
        return;
    }
    animationFrom_ = reveal_;
    animationStart_ = seconds_();
    animationTimer_.start();
}

void AccessoryButton::step() {
    const double t = std::min((seconds_() - animationStart_) / revealSeconds, 1.0);
    setReveal(animationFrom_ + (animationTarget_ - animationFrom_) * (1 - std::pow(1 - t, 3)));
    if (t >= 1) {
        animationTimer_.stop();
    }
}

void AccessoryButton::setReveal(double reveal) {
    const bool pillTookClicks = reveal_ > pillHitReveal;
    reveal_ = reveal;
    if (pillTookClicks || reveal_ > pillHitReveal) {
        updateMask();
    }
    update();
}

void AccessoryButton::updateMask() {
    const YUpSpace space(height());
    QRegion region(space.toQt(grown(artworkArea(), 2, 3)).toAlignedRect());
    if (reveal_ > pillHitReveal) {
        region += space.toQt(artworkArea().united(labelRect())).toAlignedRect();
    }
    setMask(region);
    emit hitAreaChanged();
}

QPointF AccessoryButton::upward(QPointF qtPoint) const {
    return YUpSpace(height()).fromQt(qtPoint);
}

void AccessoryButton::resizeEvent(QResizeEvent*) {
    updateMask();
}

void AccessoryButton::enterEvent(QEnterEvent* event) {
    track(upward(event->position()));
}

void AccessoryButton::mouseMoveEvent(QMouseEvent* event) {
    track(upward(event->position()));
}

void AccessoryButton::leaveEvent(QEvent*) {
    track({-100, -100});
}

void AccessoryButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    pressed_ = true;
    update();
}

void AccessoryButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const bool wasPressed = pressed_;
    pressed_ = false;
    update();
    if (wasPressed && contains(upward(event->position())) && action) {
        action();
    }
}

void AccessoryButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const YUpSpace space(height());
    const QColor accent = petAccessoryAccent(accessory_);
    const QRectF area = artworkArea();
    if (reveal_ > 0) {
        painter.save();
        const QRectF pill = space.toQt(labelRect());
        QColor stroke = accent;
        stroke.setAlphaF(0.65f);
        painter.setPen(QPen(stroke, 1.5));
        painter.setBrush(QColor::fromRgbF(1.0f, 0.985f, 0.95f));
        painter.drawRoundedRect(pill, 13, 13);
        if (reveal_ > 0.6) {
            const QString label = petAccessoryLabel(accessory_);
            const QFont font = labelFont();
            const double textWidth = QFontMetricsF(font).horizontalAdvance(label);
            QColor ink = QColor::fromRgbF(accent.redF() * 0.7f, accent.greenF() * 0.7f,
                                          accent.blueF() * 0.7f, float((reveal_ - 0.6) / 0.4));
            space.drawText(painter, {labelRect().x() + (labelExtension() - textWidth) / 2, 21},
                           label, font, ink);
        }
        painter.restore();
    }
    if (active_) {
        QColor halo = accent;
        halo.setAlphaF(0.12f);
        painter.setPen(Qt::NoPen);
        painter.setBrush(halo);
        painter.drawEllipse(space.toQt(grown(area, 2, 1)));
    }
    if (artwork_) {
        const QSizeF box = petAccessoryArtworkBox(accessory_);
        const double scale =
            std::min(box.width() / artwork_->width(), box.height() / artwork_->height());
        QSizeF size(artwork_->width() * scale, artwork_->height() * scale);
        const QRectF target(area.center().x() - size.width() / 2,
                            area.center().y() - size.height() / 2, size.width(), size.height());
        painter.setOpacity(pressed_ ? 0.82 : 1.0);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(space.toQt(target), *artwork_);
        painter.setOpacity(1);
    } else {
        const QRectF symbol = space.toQt(grown(area, -10, -10));
        const QImage image =
            SymbolImage::render(petAccessorySymbol(accessory_), symbol.size().toSize(), accent);
        if (!image.isNull()) {
            painter.drawImage(symbol.topLeft(), image);
        }
    }
}

}  // namespace tundle

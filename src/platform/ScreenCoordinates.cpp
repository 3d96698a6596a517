#include "platform/ScreenCoordinates.h"

#include <QGuiApplication>
#include <QScreen>

namespace tundle {

ScreenCoordinates ScreenCoordinates::current() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    return ScreenCoordinates(primary != nullptr ? QRectF(primary->geometry()) : QRectF());
}

QPointF ScreenCoordinates::toQt(QPointF point) const {
    return {point.x() + primary_.x(), bottom() - point.y()};
}

QPointF ScreenCoordinates::fromQt(QPointF point) const {
    return {point.x() - primary_.x(), bottom() - point.y()};
}

QRectF ScreenCoordinates::toQt(const QRectF& rect) const {
    return {rect.x() + primary_.x(), bottom() - rect.y() - rect.height(), rect.width(),
            rect.height()};
}

QRectF ScreenCoordinates::fromQt(const QRectF& rect) const {
    return {rect.x() - primary_.x(), bottom() - rect.y() - rect.height(), rect.width(),
            rect.height()};
}

}  // namespace tundle

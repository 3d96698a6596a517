#include "pet/SpriteFrames.h"

#include <QPainter>

namespace tundle {

void SpriteFrames::draw(QPainter& painter, const QRectF& target, const QImage& frame) {
    const QTransform toDevice = painter.deviceTransform();
    if (toDevice.type() > QTransform::TxScale) {
        painter.drawImage(target, frame);
        return;
    }
    const QRectF device = toDevice.mapRect(target);
    const Key key{frame.cacheKey(), device.x(), device.y(), device.width(), device.height()};
    auto found = frames_.find(key);
    if (found == frames_.end()) {
        const QRect pixels = device.toAlignedRect();
        const qsizetype frameBytes = qsizetype(pixels.width()) * pixels.height() * 4;
        const bool samePlace = !frames_.empty() && frames_.begin()->second.pixels == pixels;
        if (!samePlace || frames_.size() >= maximumFrames ||
            bytes_ + frameBytes > maximumBytes) {
            clear();
        }
        Drawn drawn{pixels, {}};
        drawn.image = QImage(drawn.pixels.size(), QImage::Format_ARGB32_Premultiplied);
        drawn.image.fill(Qt::transparent);
        QPainter render(&drawn.image);
        render.setRenderHints(painter.renderHints() | QPainter::SmoothPixmapTransform);
        render.translate(-drawn.pixels.topLeft());
        render.drawImage(device, frame);
        render.end();
        drawn.image.setDevicePixelRatio(toDevice.m11());
        bytes_ += drawn.image.sizeInBytes();
        found = frames_.emplace(key, std::move(drawn)).first;
    }
    // At whole device pixels and its own size the copy needs no smoothing; with the hint set Qt
    // blends it anyway, and hands the rows of a large frame to its drawing threads.
    const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QTransform fromDevice = toDevice.inverted();
    painter.drawImage(fromDevice.map(QPointF(found->second.pixels.topLeft())), found->second.image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

void SpriteFrames::clear() {
    frames_.clear();
    bytes_ = 0;
}

}  // namespace tundle

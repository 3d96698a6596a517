#include "pet/SpriteFrames.h"

#include <QPainter>
#include <algorithm>

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
        const qsizetype frameBytes =
            std::max<qsizetype>(qsizetype(pixels.width()) * pixels.height() * 4, 1);
        const bool samePlace = !frames_.empty() && frames_.begin()->second.pixels == pixels;
        // Every frame kept has this size, so the bytes come down to a count (at least one).
        const std::size_t room =
            std::clamp<std::size_t>(std::size_t(maximumBytes / frameBytes), 1, maximumFrames);
        if (!samePlace || frames_.size() >= room) {
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

qsizetype SpriteFrames::bytes() const {
    return frames_.empty()
               ? 0
               : qsizetype(frames_.size()) * frames_.begin()->second.image.sizeInBytes();
}

}  // namespace tundle

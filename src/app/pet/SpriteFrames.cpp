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
        const bool samePlace =
            !frames_.empty() && frames_.begin()->second.pixels == device.toAlignedRect();
        if (!samePlace || frames_.size() >= maximumFrames) {
            frames_.clear();
        }
        Drawn drawn{device.toAlignedRect(), {}};
        drawn.image = QImage(drawn.pixels.size(), QImage::Format_ARGB32_Premultiplied);
        drawn.image.fill(Qt::transparent);
        QPainter render(&drawn.image);
        render.setRenderHints(painter.renderHints());
        render.translate(-drawn.pixels.topLeft());
        render.drawImage(device, frame);
        render.end();
        drawn.image.setDevicePixelRatio(toDevice.m11());
        found = frames_.emplace(key, std::move(drawn)).first;
    }
    const QTransform fromDevice = toDevice.inverted();
    painter.drawImage(fromDevice.map(QPointF(found->second.pixels.topLeft())), found->second.image);
}

}  // namespace tundle

#include "pet/RegionPictures.h"

#include <QPainter>

namespace tundle {

const QImage& RegionPictures::picture(int frame, const QRect& region, double ratio,
                                      const std::function<void(QPainter&)>& paint) {
    if (region != region_ || ratio != ratio_) {
        clear();
        region_ = region;
        ratio_ = ratio;
    }
    if (const auto found = pictures_.find(frame); found != pictures_.end()) {
        return found->second;
    }
    QImage picture((QSizeF(region.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    if (qsizetype(pictures_.size() + 1) * picture.sizeInBytes() > maximumBytes) {
        clear();
    }
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.translate(-region.topLeft());
    painter.setClipRect(region);
    paint(painter);
    painter.end();
    return pictures_.emplace(frame, std::move(picture)).first->second;
}

}  // namespace tundle

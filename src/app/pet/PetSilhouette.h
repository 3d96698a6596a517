#pragma once

#include <QImage>
#include <QRectF>
#include <QRegion>
#include <optional>
#include <tuple>
#include <vector>

#include "pet/PetSprite.h"

namespace tundle {

class FrameRegions;

// The part of the pet that takes the mouse: the opaque pixels of the frames drawn now (the
// clip's frame, and the idle frame while the clip fades in or out over it), or, before any frame
// is there, the middle of the sprite where the loading text stands.
class PetSilhouette {
public:
    struct Part {
        const QImage* frame;
        QRectF rect;  // bottom-up points
    };

    // What tells two silhouettes apart: each frame drawn (0 for the placeholder) and where.
    using Key = std::vector<std::tuple<qint64, double, double, double, double>>;

    static PetSilhouette of(const PetFrameState& state);

    const std::vector<Part>& parts() const { return parts_; }
    Key key() const;
    bool contains(QPointF point) const;
    // The device pixels of a view `viewHeight` points high where `contains` answers true.
    QRegion pixels(FrameRegions& regions, double viewHeight, double ratio) const;

private:
    std::vector<Part> parts_;
    std::optional<QRectF> placeholder_;
};

}  // namespace tundle

#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QRegion>
#include <map>
#include <tuple>

namespace tundle {

// The opaque pixels of the pet's frames where they are drawn, worked out the first time a frame
// shows at a place and then kept: the pet turns its frames many times a second, and a frame
// seen before costs one look-up. Bounded: a full cache starts afresh.
class FrameRegions {
public:
    static constexpr std::size_t maximumRegions = 128;

    // Whether `frame`, drawn upright in `rect` (bottom-up points), is opaque at `point`.
    static bool opaqueAt(const QImage& frame, const QRectF& rect, QPointF point);

    // The device pixels of a view `viewHeight` points high at pixel ratio `ratio` whose pointer
    // position `opaqueAt` answers true for.
    const QRegion& region(const QImage& frame, const QRectF& rect, double viewHeight, double ratio);

    std::size_t size() const { return regions_.size(); }

private:
    static QRegion compute(const QImage& frame, const QRectF& rect, double viewHeight,
                           double ratio);

    using Key = std::tuple<qint64, double, double, double, double, double, double>;
    std::map<Key, QRegion> regions_;
};

}  // namespace tundle

#pragma once

#include <QImage>
#include <QRect>
#include <QRectF>
#include <map>
#include <tuple>

class QPainter;

namespace tundle {

// The pet's frames as they land on the screen: each frame drawn once, smoothly, at its size and
// place in device pixels, then copied for every later paint. A copy at whole pixels takes the
// painter's plain path; scaling the frame again on every paint would hand the work to Qt's
// drawing threads and wait for them. Kept for one size and place: a move or a new size starts
// afresh, and so does a frame that would take the cache past its frames or its bytes (a large
// pet's frames are a quarter of a megabyte each; the idle loop still fits).
class SpriteFrames {
public:
    static constexpr std::size_t maximumFrames = 64;
    static constexpr qsizetype maximumBytes = 16 * 1024 * 1024;

    // Draws `frame` stretched into `target` (the painter's logical coordinates) as the painter
    // itself would, smoothly and source-over; `painter` must not rotate or shear.
    void draw(QPainter& painter, const QRectF& target, const QImage& frame);

    std::size_t size() const { return frames_.size(); }
    qsizetype bytes() const;
    // Lets go of every frame, for a pet that left the screen.
    void clear() { frames_.clear(); }

private:
    struct Drawn {
        QRect pixels;
        QImage image;
    };
    // The frame's cache key and where it lands, in device pixels.
    using Key = std::tuple<qint64, double, double, double, double>;
    std::map<Key, Drawn> frames_;
};

}  // namespace tundle

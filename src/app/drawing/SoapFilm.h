#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <map>
#include <optional>
#include <tuple>

#include "drawing/BubbleContour.h"
#include "drawing/YUpSpace.h"

class QPainter;

namespace tundle {

// The soap-film surface of every bubble the pet shows: a pale tinted body, an iridescent rim,
// a thin bright outline and two glints, all inside the outline. A film is rendered once per
// size, tint, tail and contour into an image and reused while nothing of that changes.
class SoapFilm {
public:
    static constexpr double tailDepth = 9;
    static constexpr int cacheLimit = 48;

    // The corner radius of the rounded rectangle: a capsule for low films, 36 at most.
    static double cornerRadius(const QRectF& rect);
    // The outline in bottom-up points: the rounded rectangle, with the speech tail hanging
    // below its middle when `tail` is on; the contour instead only without a tail.
    static QPainterPath outline(const QRectF& rect, bool tail,
                                std::optional<BubbleContour> contour);

    // Draws the film in `rect` (bottom-up points) and leaves the painter as it found it.
    void draw(QPainter& painter, const YUpSpace& space, const QRectF& rect, bool tail,
              const QColor& tint, std::optional<BubbleContour> contour = std::nullopt);

    int cachedFilms() const { return int(cache_.size()); }

private:
    // Width, height, the quarter-pixel phase of the corner, tail, tint, contour (-1 for none)
    // and the device pixel ratio.
    using Key = std::tuple<double, double, int, int, bool, QRgb, int, double>;

    static void render(QPainter& painter, const YUpSpace& space, const QRectF& rect, bool tail,
                       const QColor& tint, std::optional<BubbleContour> contour);

    std::map<Key, QImage> cache_;
};

}  // namespace tundle

#pragma once

#include <QRectF>
#include <QRegion>

namespace tundle {

// The device pixels of a view where the pointer counts as inside an area made of rectangles.
// A pointer on device pixel (x, y) is reported at (x, y) / ratio, so a pixel belongs to the area
// exactly when that point lies in one of its rectangles by the rectangle's own half-open rule:
// the area then agrees with a hit test of the same rectangles wherever the pointer can be.
class PixelArea {
public:
    // A half-open range of whole pixels.
    struct Span {
        int first = 0;
        int end = 0;
    };

    // `viewHeight`: the view's height in points, for bottom-up rectangles.
    PixelArea(double viewHeight, double ratio) : height_(viewHeight), ratio_(ratio) {}

    // A rectangle in bottom-up points (YUpSpace::contains: left and bottom edges inside).
    void addUp(const QRectF& rect);
    // A rectangle in Qt's top-down points (left and top edges inside).
    void addQt(const QRectF& rect);
    void add(const QRegion& pixels) { region_ += pixels; }

    const QRegion& region() const { return region_; }

    // The pixels p whose point p / ratio satisfies from <= point < from + length.
    static Span forward(double from, double length, double ratio);
    // The rows of a view `viewHeight` high whose bottom-up point satisfies
    // from <= viewHeight - row / ratio < from + length.
    static Span upward(double from, double length, double viewHeight, double ratio);

private:
    double height_;
    double ratio_;
    QRegion region_;
};

}  // namespace tundle

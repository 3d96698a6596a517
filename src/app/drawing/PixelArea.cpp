#include "drawing/PixelArea.h"

#include <cmath>

namespace tundle {

namespace {

// The bounds come from a division the hit test does the other way round; one pixel either side
// is checked with the hit test's own arithmetic, so rounding never decides.
template <typename Inside>
PixelArea::Span refine(double low, double high, Inside inside) {
    int first = int(std::floor(low)) - 1;
    int end = int(std::ceil(high)) + 2;
    while (first < end && !inside(first)) {
        ++first;
    }
    while (end > first && !inside(end - 1)) {
        --end;
    }
    return {first, end};
}

}  // namespace

PixelArea::Span PixelArea::forward(double from, double length, double ratio) {
    if (!(length > 0)) {
        return {};
    }
    return refine(from * ratio, (from + length) * ratio, [=](int pixel) {
        const double point = pixel / ratio;
        return point >= from && point < from + length;
    });
}

PixelArea::Span PixelArea::upward(double from, double length, double viewHeight, double ratio) {
    if (!(length > 0)) {
        return {};
    }
    return refine((viewHeight - from - length) * ratio, (viewHeight - from) * ratio, [=](int row) {
        const double point = viewHeight - row / ratio;
        return point >= from && point < from + length;
    });
}

void PixelArea::addUp(const QRectF& rect) {
    const Span columns = forward(rect.x(), rect.width(), ratio_);
    const Span rows = upward(rect.y(), rect.height(), height_, ratio_);
    if (columns.end > columns.first && rows.end > rows.first) {
        region_ +=
            QRect(columns.first, rows.first, columns.end - columns.first, rows.end - rows.first);
    }
}

void PixelArea::addQt(const QRectF& rect) {
    const Span columns = forward(rect.x(), rect.width(), ratio_);
    const Span rows = forward(rect.y(), rect.height(), ratio_);
    if (columns.end > columns.first && rows.end > rows.first) {
        region_ +=
            QRect(columns.first, rows.first, columns.end - columns.first, rows.end - rows.first);
    }
}

}  // namespace tundle

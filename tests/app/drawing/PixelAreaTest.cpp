#include <gtest/gtest.h>

#include "drawing/PixelArea.h"
#include "drawing/YUpSpace.h"

namespace tundle {
namespace {

// Every pixel of a view is in the area exactly when the point the pointer reports for it is in
// one of the rectangles, by the rectangles' half-open rules, at whole and fractional ratios.
TEST(PixelAreaTest, PixelsAgreeWithTheHitTestOfTheirRectangles) {
    const QRectF up(10.25, 4.5, 20.5, 11.75);
    const QRectF qt(3, 30, 7.5, 2.2);
    const double height = 50;
    for (const double ratio : {1.0, 1.25, 2.0}) {
        PixelArea area(height, ratio);
        area.addUp(up);
        area.addQt(qt);
        area.addUp(QRectF(40, 40, 0, 5));  // empty: adds nothing
        const YUpSpace space(height);
        for (int y = -2; y < int(height * ratio) + 2; ++y) {
            for (int x = -2; x < int(60 * ratio); ++x) {
                const QPointF point(x / ratio, y / ratio);
                const bool inside =
                    YUpSpace::contains(up, space.fromQt(point)) || YUpSpace::contains(qt, point);
                ASSERT_EQ(area.region().contains(QPoint(x, y)), inside)
                    << x << "," << y << " at " << ratio;
            }
        }
    }
}

TEST(PixelAreaTest, SpansOfWholeRectanglesAreTheirPixels) {
    EXPECT_EQ(PixelArea::forward(170, 254, 1).first, 170);
    EXPECT_EQ(PixelArea::forward(170, 254, 1).end, 424);
    // A bottom-up rectangle from 0 to 254 in a view 569 high: the pointer at row 569 - 254 is
    // at its top edge (outside), at row 569 at its bottom edge (inside).
    const PixelArea::Span rows = PixelArea::upward(0, 254, 569, 1);
    EXPECT_EQ(rows.first, 316);
    EXPECT_EQ(rows.end, 570);
    EXPECT_EQ(PixelArea::forward(5, -1, 1).end, PixelArea::forward(5, -1, 1).first);
}

}  // namespace
}  // namespace tundle

#include <gtest/gtest.h>

#include <QPainter>

#include "pet/RegionPictures.h"

namespace tundle {
namespace {

TEST(RegionPicturesTest, EachFrameIsPaintedOnceWithinTheBytesAndRegion) {
    RegionPictures pictures;
    int paints = 0;
    const auto paint = [&paints](QPainter& painter) {
        ++paints;
        painter.fillRect(QRect(0, 0, 1000, 1000), Qt::red);
    };
    const QRect region(40, 30, 200, 200);
    const QImage first = pictures.picture(0, region, 2, paint);
    EXPECT_EQ(first.size(), QSize(400, 400));
    EXPECT_EQ(first.pixelColor(0, 0), QColor(Qt::red));
    pictures.picture(0, region, 2, paint);
    EXPECT_EQ(paints, 1);

    // 640 kB a picture: six fit in the bytes, the seventh starts afresh.
    for (int frame = 1; frame < 7; ++frame) {
        pictures.picture(frame, region, 2, paint);
    }
    EXPECT_EQ(pictures.size(), 1u);
    EXPECT_LE(qsizetype(pictures.size()) * first.sizeInBytes(), RegionPictures::maximumBytes);

    pictures.picture(7, region.translated(1, 0), 2, paint);
    EXPECT_EQ(pictures.size(), 1u);
    EXPECT_EQ(paints, 8);
}

}  // namespace
}  // namespace tundle

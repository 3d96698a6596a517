#include <gtest/gtest.h>

#include "platform/ScreenCoordinates.h"

namespace tundle {
namespace {

TEST(ScreenCoordinatesTest, ConvertsAroundThePrimaryScreensBottomLeft) {
    // The primary screen need not sit at Qt's origin.
    const ScreenCoordinates coordinates(QRectF(1920, 0, 1440, 900));
    EXPECT_EQ(coordinates.fromQt(QPointF(1920, 900)), QPointF(0, 0));
    EXPECT_EQ(coordinates.fromQt(QPointF(2020, 100)), QPointF(100, 800));
    EXPECT_EQ(coordinates.fromQt(QRectF(2020, 100, 300, 200)), QRectF(100, 600, 300, 200));
    // A screen left of and below the primary one.
    EXPECT_EQ(coordinates.fromQt(QRectF(0, 500, 1920, 1080)), QRectF(-1920, -680, 1920, 1080));
    for (const QRectF& rect : {QRectF(5, 7, 11, 13), QRectF(-100, 2000, 50, 60)}) {
        EXPECT_EQ(coordinates.fromQt(coordinates.toQt(rect)), rect);
        EXPECT_EQ(coordinates.toQt(coordinates.fromQt(rect.topLeft())), rect.topLeft());
    }
}

}  // namespace
}  // namespace tundle

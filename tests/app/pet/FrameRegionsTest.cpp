#include <gtest/gtest.h>

#include <QPainter>

#include "drawing/YUpSpace.h"
#include "pet/FrameRegions.h"
#include "pets/PetAssets.h"

namespace tundle {
namespace {

// A 40 × 40 frame: an opaque disc with a hole, a faint halo just under the threshold and a
// column that is opaque in the top half only (so the frame is not symmetric upside down).
QImage sampleFrame(QImage::Format format = QImage::Format_ARGB32_Premultiplied) {
    QImage frame(40, 40, QImage::Format_ARGB32_Premultiplied);
    frame.fill(Qt::transparent);
    QPainter painter(&frame);
    painter.fillRect(QRect(0, 0, 40, 40), QColor(0, 0, 0, PetAssets::maskThreshold));
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setBrush(QColor(200, 120, 40));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRect(6, 6, 28, 28));
    painter.fillRect(QRect(17, 17, 6, 6), Qt::transparent);
    painter.fillRect(QRect(36, 0, 3, 20), QColor(10, 10, 10, PetAssets::maskThreshold + 1));
    painter.end();
    return frame.convertToFormat(format);
}

TEST(FrameRegionsTest, TheRegionIsThePixelsWhereTheFrameIsOpaqueUnderThePointer) {
    const double height = 120;
    for (const QImage::Format format :
         {QImage::Format_ARGB32_Premultiplied, QImage::Format_RGBA8888}) {
        const QImage frame = sampleFrame(format);
        for (const double ratio : {1.0, 1.5}) {
            for (const QRectF& rect : {QRectF(10, 20, 40, 40), QRectF(12.3, 7.6, 61.7, 55.1)}) {
                FrameRegions regions;
                const QRegion& region = regions.region(frame, rect, height, ratio);
                EXPECT_FALSE(region.isEmpty());
                const YUpSpace space(height);
                for (int y = 0; y < int(height * ratio); ++y) {
                    for (int x = 0; x < int(100 * ratio); ++x) {
                        const QPointF up = space.fromQt(QPointF(x / ratio, y / ratio));
                        ASSERT_EQ(region.contains(QPoint(x, y)),
                                  FrameRegions::opaqueAt(frame, rect, up))
                            << x << "," << y << " ratio " << ratio << " format " << format;
                    }
                }
            }
        }
    }
    // Upright: the column opaque in the frame's top half takes the mouse near the top edge.
    const QImage frame = sampleFrame();
    const QRectF rect(0, 0, 40, 40);
    EXPECT_TRUE(FrameRegions::opaqueAt(frame, rect, {37.5, 35}));
    EXPECT_FALSE(FrameRegions::opaqueAt(frame, rect, {37.5, 5}));
    EXPECT_FALSE(FrameRegions::opaqueAt(frame, rect, {20, 20}));  // the hole
    EXPECT_FALSE(FrameRegions::opaqueAt(frame, rect, {1, 1}));    // the halo at the threshold
    EXPECT_FALSE(FrameRegions::opaqueAt(QImage(), rect, {20, 30}));
}

TEST(FrameRegionsTest, EachFrameAndPlaceIsWorkedOutOnceAndTheCacheStaysBounded) {
    const QImage first = sampleFrame();
    QImage second = first.mirrored(true, false);
    FrameRegions regions;
    const QRegion* a = &regions.region(first, QRectF(0, 0, 40, 40), 100, 1);
    EXPECT_EQ(&regions.region(first, QRectF(0, 0, 40, 40), 100, 1), a);
    EXPECT_NE(regions.region(second, QRectF(0, 0, 40, 40), 100, 1), *a);
    // The same frame further up the view lies further up in the region.
    EXPECT_EQ(regions.region(first, QRectF(0, 10, 40, 40), 100, 1), a->translated(0, -10));
    EXPECT_EQ(regions.size(), 3u);
    for (int i = 0; regions.size() < FrameRegions::maximumRegions; ++i) {
        regions.region(first, QRectF(i + 1, 0, 40, 40), 100, 1);
    }
    regions.region(first, QRectF(0, 50, 40, 40), 100, 1);
    EXPECT_EQ(regions.size(), 1u);
}

}  // namespace
}  // namespace tundle

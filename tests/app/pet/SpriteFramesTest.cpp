#include <gtest/gtest.h>

#include <QPainter>
#include <cstdlib>

#include "pet/SpriteFrames.h"

namespace tundle {
namespace {

QImage frame(int seed) {
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 120 + seed, 40));
    painter.drawEllipse(QRectF(6, 4 + seed, 50, 54 - seed));
    return image;
}

// The mean difference of all channels, and the largest one.
std::pair<double, int> difference(const QImage& a, const QImage& b) {
    long total = 0;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q),
                                qAlpha(p) - qAlpha(q)}) {
                total += std::abs(d);
                largest = std::max(largest, std::abs(d));
            }
        }
    }
    return {double(total) / (a.width() * a.height() * 4), largest};
}

TEST(SpriteFramesTest, ACopiedFrameLooksAsIfDrawnAndIsDrawnOnce) {
    SpriteFrames frames;
    const QRectF target(10.4, 7.7, 51.3, 51.3);
    for (const double ratio : {1.0, 2.0}) {
        const QImage first = frame(0);
        QImage direct(120, 90, QImage::Format_ARGB32_Premultiplied);
        direct.setDevicePixelRatio(ratio);
        direct.fill(QColor(30, 60, 90));
        QImage copied = direct;
        {
            QPainter painter(&direct);
            painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            painter.drawImage(target, first);
        }
        for (int paint = 0; paint < 2; ++paint) {
            QPainter painter(&copied);
            painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            frames.draw(painter, target, first);
        }
        // Smooth scaling onto a clear picture rounds a little differently at the outline; a
        // frame half a pixel off would differ more than that everywhere along its edges. (At
        // twice the pixels Qt places a scaled picture up to half a device pixel apart.)
        QImage shifted = QImage(copied.size(), copied.format());
        shifted.setDevicePixelRatio(ratio);
        shifted.fill(QColor(30, 60, 90));
        {
            QPainter painter(&shifted);
            painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            painter.drawImage(target.translated(0.5 / ratio, 0), first);
        }
        if (ratio == 1.0) {
            EXPECT_LT(difference(direct, copied).first, difference(direct, shifted).first);
        }
        EXPECT_LT(difference(direct, copied).first, 1.0) << ratio;
        // A new place starts afresh; the same place keeps each frame once.
        EXPECT_EQ(frames.size(), 1u);
        const QImage second = frame(3);
        QPainter painter(&copied);
        frames.draw(painter, target, second);
        EXPECT_EQ(frames.size(), 2u);
    }
}

TEST(SpriteFramesTest, TheCacheKeepsWithinItsFramesAndItsBytes) {
    // Small frames fill the cache up to its count; large ones up to its bytes.
    for (const double side : {40.0, 600.0}) {
        SpriteFrames frames;
        QImage canvas(int(side) + 20, int(side) + 20, QImage::Format_ARGB32_Premultiplied);
        std::size_t most = 0;
        for (int seed = 0; seed < 70; ++seed) {
            QPainter painter(&canvas);
            frames.draw(painter, QRectF(10, 10, side, side), frame(seed % 8));
            ASSERT_LE(frames.size(), SpriteFrames::maximumFrames);
            ASSERT_LE(frames.bytes(), SpriteFrames::maximumBytes);
            most = std::max(most, frames.size());
        }
        const qsizetype frameBytes = qsizetype(side) * qsizetype(side) * 4;
        EXPECT_EQ(most, std::min<std::size_t>(SpriteFrames::maximumFrames,
                                              std::size_t(SpriteFrames::maximumBytes / frameBytes)))
            << side;
        frames.clear();
        EXPECT_EQ(frames.size(), 0u);
        EXPECT_EQ(frames.bytes(), 0);
    }
}

}  // namespace
}  // namespace tundle

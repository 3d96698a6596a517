#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "companion/BreathMoment.h"
#include "controlcentre/BreathBloom.h"
#include "controlcentre/BreathingPebble.h"
#include "controlcentre/BreathingView.h"
#include "toolkit/BoxBlur.h"

namespace tundle {

namespace {

double distance(QPointF a, QPointF b) {
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

QImage solid(QSize size, QColor color) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

}  // namespace

TEST(BreathingDrawingTest, BloomDotsFollowTheSpiralAtGivenInstants) {
    const QSizeF canvas(400, 380);
    const std::vector<BreathBloom::Dot> gathered = BreathBloom::dots(canvas, 0, 0);
    ASSERT_EQ(gathered.size(), 180u);
    const QPointF centre(200, 190);
    // The first dot: t = 1/360, r = 0.9 * 27 * sqrt(t), angle = 0.65 + 0.85 * sqrt(t).
    const double t0 = 0.5 / 180;
    const double angle = 0.65 + 0.85 * std::sqrt(t0);
    const double r0 = 0.9 * 27 * std::sqrt(t0);
    EXPECT_NEAR(gathered[0].square.center().x(), 200 + r0 * std::cos(angle), 1e-9);
    EXPECT_NEAR(gathered[0].square.center().y(), 190 + r0 * std::sin(angle), 1e-9);
    EXPECT_NEAR(gathered.back().square.width() / 2,
                0.3 * (12.8 * std::pow(179.5 / 180, 1.65) + 1.1), 1e-9);
    EXPECT_NEAR(gathered.back().square.width() / 2, 4.15, 0.01);

    const std::vector<BreathBloom::Dot> spread = BreathBloom::dots(canvas, 1, 12);
    EXPECT_NEAR(spread.back().square.width() / 2, 13.84, 0.01);
    const double outer = distance(spread.back().square.center(), centre);
    EXPECT_NEAR(outer, 0.9 * 172 * std::sqrt(179.5 / 180), 1e-9);
    // Spread out, the rotation is the elapsed time's alone: 0.085 * 12 rad for the centre line.
    const double expected = 0.085 * 12 + 179 * BreathBloom::goldenAngle;
    EXPECT_NEAR(std::remainder(std::atan2(spread.back().square.center().y() - 190,
                                          spread.back().square.center().x() - 200) -
                                   expected,
                               2 * M_PI),
                0, 1e-9);
    EXPECT_DOUBLE_EQ(BreathBloom::outerRadius(0), 27);
    EXPECT_DOUBLE_EQ(BreathBloom::centreLightRadius(1), 20);
    EXPECT_DOUBLE_EQ(BreathBloom::centreLightRadius(0), 48);
    EXPECT_EQ(BreathBloom::framesRect(canvas), QRectF(81, 75, 238, 238));

    const QColor first = BreathBloom::dotColor(0);
    EXPECT_NEAR(first.hueF(), 0.535, 0.002);
    EXPECT_NEAR(first.saturationF(), 0.98, 0.002);
    EXPECT_NEAR(BreathBloom::dotColor(1).hueF(), 0.58, 0.002);
}

TEST(BreathingDrawingTest, PebbleTakesTheControlPointsFirst) {
    const QPainterPath pebble = BreathingPebble::path(QRectF(0, 0, 720, 740));
    // A move, seven curves of three elements each.
    ASSERT_EQ(pebble.elementCount(), 1 + 7 * 3);
    EXPECT_EQ(QPointF(pebble.elementAt(0)), QPointF(0.46 * 720, 0.018 * 740));
    EXPECT_EQ(pebble.elementAt(1).type, QPainterPath::CurveToElement);
    EXPECT_EQ(QPointF(pebble.elementAt(1)), QPointF(0.71 * 720, 0.005 * 740));
    EXPECT_EQ(QPointF(pebble.elementAt(2)), QPointF(0.93 * 720, 0.018 * 740));
    EXPECT_EQ(QPointF(pebble.elementAt(3)), QPointF(0.94 * 720, 0.19 * 740));
    EXPECT_EQ(QPointF(pebble.elementAt(21)), QPointF(pebble.elementAt(0)));
    // The outline hugs its rectangle: it reaches near each edge without leaving it.
    const QRectF bounds = pebble.boundingRect();
    EXPECT_GT(bounds.left(), 0);
    EXPECT_LT(bounds.left(), 0.03 * 720);
    EXPECT_LT(bounds.right(), 720);
    EXPECT_GT(bounds.bottom(), 0.97 * 740);
    const QPainterPath small = BreathingPebble::path(QRectF(10, 20, 180, 185));
    EXPECT_NEAR(small.boundingRect().width() / bounds.width(), 0.25, 1e-9) << "scales whole";
}

TEST(BreathingDrawingTest, ThePictureFollowsStateAndMotionSettings) {
    const BreathMoment moment = BreathMoment::at(2);
    EXPECT_EQ(BreathingView::picture(BreathingState::running, moment, true),
              (BreathingView::Picture{0.6, 0}));
    EXPECT_EQ(BreathingView::picture(BreathingState::idle, moment, false),
              (BreathingView::Picture{0.68, 2}));
    EXPECT_EQ(BreathingView::picture(BreathingState::paused, moment, false),
              (BreathingView::Picture{moment.expansion, 2}));
    EXPECT_EQ(BreathingView::phaseWord(BreathingState::running, true), "轻轻吸气");
    EXPECT_EQ(BreathingView::phaseWord(BreathingState::running, false), "慢慢呼气");
    EXPECT_EQ(BreathingView::hint(BreathingState::completed), "可以继续坐一会儿，糯墩陪着你");
}

TEST(BreathingDrawingTest, FramesAddUpAndTheStillPictureRepeats) {
    const QImage red = solid({20, 20}, Qt::red);
    const QImage blue = solid({20, 20}, Qt::blue);
    const auto draw = [&](std::optional<PetAssets::BreathFrames> frames, BreathBloom& bloom) {
        QImage image(400, 380, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::black);
        QPainter painter(&image);
        bloom.paint(painter, QRectF(0, 0, 400, 380), 0.6, 0, frames, 1);
        return image;
    };
    BreathBloom bloom;
    const QImage none = draw(std::nullopt, bloom);
    EXPECT_EQ(none, draw(std::nullopt, bloom)) << "the still picture is identical every time";
    EXPECT_EQ(none.pixel(84, 310), qRgb(0, 0, 0)) << "nothing in the frames' corner";

    const QImage onlyFirst = draw(PetAssets::BreathFrames{&red, &blue, 0}, bloom);
    EXPECT_EQ(onlyFirst.pixel(84, 310), qRgb(255, 0, 0));
    const QImage onlySecond = draw(PetAssets::BreathFrames{&red, &blue, 1}, bloom);
    EXPECT_EQ(onlySecond.pixel(84, 310), qRgb(0, 0, 255));
    const QImage half = draw(PetAssets::BreathFrames{&red, &blue, 0.5}, bloom);
    EXPECT_NEAR(qRed(half.pixel(84, 310)), 128, 2);
    EXPECT_NEAR(qBlue(half.pixel(84, 310)), 128, 2);
    EXPECT_NE(none.pixel(200, 190), qRgb(0, 0, 0)) << "the bloom glows at the centre";
}

TEST(BreathingDrawingTest, ThePetsBodyStaysOpaqueOverTheDotsAtEveryBlend) {
    // A round pet, opaque inside and clear around it, in the pack's own pixel format.
    QImage body(96, 96, QImage::Format_RGBA8888_Premultiplied);
    body.fill(Qt::transparent);
    {
        QPainter painter(&body);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(250, 236, 205));
        painter.drawEllipse(QRectF(8, 8, 80, 80));
    }
    const QImage red = solid({20, 20}, Qt::red);
    const QImage blue = solid({20, 20}, Qt::blue);
    BreathBloom bloom;
    for (const double fraction : {0.0, 0.3, 0.5, 0.8}) {
        SCOPED_TRACE(fraction);
        QImage image(400, 380, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::black);
        QPainter painter(&image);
        bloom.paint(painter, QRectF(0, 0, 400, 380), 0.6, 0,
                    PetAssets::BreathFrames{&body, &body, fraction}, 1);
        painter.end();
        // The middle of the body, where the dots and the centre light lie underneath.
        for (const QPoint at : {QPoint(200, 194), QPoint(170, 180), QPoint(235, 215)}) {
            EXPECT_EQ(image.pixel(at), qRgb(250, 236, 205)) << at.x() << "," << at.y();
        }

        QImage mixed(400, 380, QImage::Format_ARGB32_Premultiplied);
        mixed.fill(Qt::green);
        QPainter over(&mixed);
        bloom.paint(over, QRectF(0, 0, 400, 380), 0.6, 0,
                    PetAssets::BreathFrames{&red, &blue, fraction}, 1);
        over.end();
        const QRgb pixel = mixed.pixel(120, 100);
        EXPECT_EQ(qGreen(pixel), 0) << "nothing shows through two opaque frames";
        EXPECT_NEAR(qRed(pixel), 255 * (1 - fraction), 1);
        EXPECT_NEAR(qBlue(pixel), 255 * fraction, 1);
    }
}

TEST(BreathingDrawingTest, BoxBlurSpreadsLikeAGaussianAndKeepsTheTotal) {
    QImage image(101, 101, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setPixel(50, 50, qRgba(255, 255, 255, 255));
    QImage line = image;
    for (int y = 0; y < 101; ++y) {
        line.setPixel(50, y, qRgba(255, 255, 255, 255));
    }
    BoxBlur::apply(line, 4);
    // A vertical line blurred sideways: the profile of a Gaussian with sigma 4.
    const double peak = qAlpha(line.pixel(50, 50));
    EXPECT_NEAR(peak, 255 / (4 * std::sqrt(2 * M_PI)), 3);
    EXPECT_NEAR(qAlpha(line.pixel(54, 50)) / peak, std::exp(-0.5), 0.08);
    EXPECT_EQ(qAlpha(line.pixel(70, 50)), 0);
    int total = 0;
    for (int x = 0; x < 101; ++x) {
        total += qAlpha(line.pixel(x, 50));
    }
    EXPECT_NEAR(total, 255, 12);

    QImage untouched = image;
    BoxBlur::apply(untouched, 0);
    EXPECT_EQ(untouched, image);
}

}  // namespace tundle

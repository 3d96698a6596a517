#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "drawing/SoapFilm.h"

namespace tundle {
namespace {

TEST(SoapFilmTest, OutlinesFollowTheRectangleTailAndContour) {
    EXPECT_EQ(SoapFilm::cornerRadius({0, 0, 200, 46}), 23);
    EXPECT_EQ(SoapFilm::cornerRadius({0, 0, 200, 100}), 36);

    const QRectF rect(10, 20, 100, 46);
    EXPECT_EQ(SoapFilm::outline(rect, false, std::nullopt).boundingRect(), rect);
    // The tail hangs 9 pt below the middle of the bottom edge; a contour never has one.
    const QPainterPath tailed = SoapFilm::outline(rect, true, std::nullopt);
    EXPECT_NEAR(tailed.boundingRect().y(), 11, 1e-6);
    EXPECT_TRUE(tailed.contains(QPointF(61, 13)));
    EXPECT_EQ(SoapFilm::outline(rect, true, BubbleContour::bean), tailed);
    EXPECT_EQ(SoapFilm::outline(rect, false, BubbleContour::drop),
              bubbleContourPath(BubbleContour::drop, rect));

    // Each outline starts at its own point and may bulge past the rectangle.
    EXPECT_EQ(bubbleContourPath(BubbleContour::pebble, rect).elementAt(0),
              QPointF(10, 20 + 0.42 * 46));
    EXPECT_NEAR(bubbleContourPath(BubbleContour::bean, rect).controlPointRect().bottom(), 70.6,
                1e-9);

    EXPECT_EQ(bubbleContour(3), BubbleContour::pebble);
    EXPECT_EQ(bubbleContour(4), std::nullopt);

    // The upper-case text is hashed: (h × 31 + byte) mod 4.
    EXPECT_EQ(stableBubbleContour(QUuid("00000000-0000-0001-aaaa-aaaaaaaaaaa9")),
              BubbleContour::bean);
    EXPECT_EQ(stableBubbleContour(QUuid("12345678-9abc-def0-1234-56789abcdef0")),
              BubbleContour::drop);
}

TEST(SoapFilmTest, PaintsOnlyInsideTheOutlineAndReusesRenderedFilms) {
    QImage image(140, 90, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const YUpSpace space(image.height());
    SoapFilm films;
    const QRectF rect(10.25, 20, 100, 46);
    QPainter painter(&image);
    films.draw(painter, space, rect, true, Qt::white);
    const auto alphaAt = [&](QPointF up) { return qAlpha(image.pixel(space.toQt(up).toPoint())); };
    EXPECT_GT(alphaAt({60, 43}), 100);
    EXPECT_GT(alphaAt({61, 14}), 0);
    EXPECT_EQ(alphaAt({11, 21}), 0);
    EXPECT_EQ(alphaAt({30, 14}), 0);
    // Elsewhere at the same pixel phase: the same film; another tint: a new one.
    films.draw(painter, space, rect.translated(0, 30), true, Qt::white);
    EXPECT_EQ(films.cachedFilms(), 1);
    films.draw(painter, space, rect.translated(0, 30), true, Qt::red);
    EXPECT_EQ(films.cachedFilms(), 2);
}

}  // namespace
}  // namespace tundle

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "drawing/SoapFilm.h"
#include "records/ShortcutColor.h"

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

// A film of every outline in every tint leaves no paint where its outline does not reach: the
// rim's outer half, the glint and the highlights stay inside.
TEST(SoapFilmTest, NoPixelOfAFilmLiesOutsideItsOutline) {
    const QSize size(150, 100);
    const YUpSpace space(size.height());
    const QRectF rect(20.3, 24.6, 104, 50);
    std::vector<std::pair<bool, std::optional<BubbleContour>>> shapes = {{false, std::nullopt},
                                                                         {true, std::nullopt}};
    for (const BubbleContour contour : allBubbleContours) {
        shapes.emplace_back(false, contour);
    }
    for (const auto& [tail, contour] : shapes) {
        QImage mask(size, QImage::Format_ARGB32_Premultiplied);
        mask.fill(Qt::transparent);
        QPainter maskPainter(&mask);
        maskPainter.setRenderHint(QPainter::Antialiasing);
        maskPainter.fillPath(space.toQt(SoapFilm::outline(rect, tail, contour)), Qt::black);
        maskPainter.end();
        for (const ShortcutColor tint : shortcutColorText.allCases()) {
            SCOPED_TRACE(testing::Message()
                         << "tail " << tail << ", contour " << (contour ? int(*contour) : -1)
                         << ", tint " << int(tint));
            QImage film(size, QImage::Format_ARGB32_Premultiplied);
            film.fill(Qt::transparent);
            QPainter painter(&film);
            SoapFilm().draw(painter, space, rect, tail, QColor::fromRgb(rgb(tint)), contour);
            painter.end();
            int outside = 0;
            int painted = 0;
            for (int y = 0; y < size.height(); ++y) {
                for (int x = 0; x < size.width(); ++x) {
                    const int alpha = qAlpha(film.pixel(x, y));
                    const int coverage = qAlpha(mask.pixel(x, y));
                    painted += alpha > 0 ? 1 : 0;
                    outside += alpha > 0 && coverage == 0 ? 1 : 0;
                }
            }
            EXPECT_EQ(outside, 0);
            EXPECT_GT(painted, 3000);
        }
    }
}

}  // namespace
}  // namespace tundle

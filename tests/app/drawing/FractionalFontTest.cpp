#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "drawing/InterfaceFont.h"

namespace tundle {
namespace {

// The columns that hold ink when `text` is drawn at `size` pixels.
std::pair<int, int> inkColumns(const QString& text, double size) {
    QImage image(200, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    FractionalFont(size, QFont::DemiBold).draw(painter, {10, 40}, text, Qt::black);
    painter.end();
    int first = image.width();
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 40) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

// Small scaled sizes keep their fractions: a farm at 0.6 asks for 3.9 pixels, not 4.
TEST(FractionalFontTest, SizesAndWidthsKeepTheirFractions) {
    const QString text = QStringLiteral("收获 +20");
    for (const auto& [smaller, larger] : {std::pair(3.9, 4.0), std::pair(10.2, 10.4)}) {
        SCOPED_TRACE(smaller);
        const FractionalFont a(smaller, QFont::DemiBold);
        const FractionalFont b(larger, QFont::DemiBold);
        EXPECT_EQ(a.pixelSize(), smaller);
        EXPECT_NEAR(a.horizontalAdvance(text) / b.horizontalAdvance(text), smaller / larger, 0.004);
        EXPECT_NEAR(a.height() / b.height(), smaller / larger, 0.01);
    }
    // Drawn as measured: the ink spans the measured width.
    for (const double size : {3.9, 6.5, 16.8}) {
        SCOPED_TRACE(size);
        const auto [first, last] = inkColumns(text, size);
        ASSERT_GE(last, first);
        EXPECT_NEAR(last + 1 - 10, FractionalFont(size, QFont::DemiBold).horizontalAdvance(text),
                    1.5 + size * 0.15);
        EXPECT_LE(first, 10 + size * 0.4);
    }
}

}  // namespace
}  // namespace tundle

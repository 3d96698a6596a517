#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>

#include "drawing/SymbolImage.h"

namespace tundle {
namespace {

bool hasInk(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) {
                return true;
            }
        }
    }
    return false;
}

// Qt's SVG reader refuses a whole file for one repeated attribute, and the symbol then silently
// disappears from its button: every shipped symbol must draw.
TEST(SymbolImageTest, EveryShippedSymbolDraws) {
    const QDir folder = QFileInfo(SymbolImage::path(QStringLiteral("any"))).dir();
    const QStringList names = folder.entryList({QStringLiteral("*.svg")}, QDir::Files);
    ASSERT_FALSE(names.isEmpty()) << folder.path().toStdString();
    for (const QString& file : names) {
        const QString name = file.chopped(4);
        SCOPED_TRACE(name.toStdString());
        const QImage image = SymbolImage::render(name, QSize(24, 24), Qt::black);
        ASSERT_FALSE(image.isNull());
        EXPECT_TRUE(hasInk(image));
    }
    EXPECT_TRUE(SymbolImage::render(QStringLiteral("no-such-symbol"), QSize(24, 24), Qt::black)
                    .isNull());
}

}  // namespace
}  // namespace tundle

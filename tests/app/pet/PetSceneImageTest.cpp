#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <cstdlib>

#include "SceneGallery.h"

namespace tundle {
namespace {

// Goldens are stored at half size and rewritten only when TUNDLE_UPDATE_GOLDENS is 1.
QString goldenPath(const QString& name) {
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../../data/pet/" + name + ".png");
}

QImage halved(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32)
        .scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The share of pixels that differ clearly in any channel, and the mean difference.
std::pair<double, double> difference(const QImage& a, const QImage& b) {
    qint64 clear = 0;
    qint64 total = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int d =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            clear += d > 40;
            total += d;
        }
    }
    const double pixels = double(a.width()) * a.height();
    return {clear / pixels, total / pixels};
}

TEST(PetSceneImageTest, ScenesLookLikeTheirGoldens) {
    const bool update = qgetenv("TUNDLE_UPDATE_GOLDENS") == "1";
    const std::vector<RenderedScene> scenes = SceneGallery(TUNDLE_GENERATED_ASSETS).render();
    ASSERT_EQ(scenes.size(), 7u);
    for (const RenderedScene& scene : scenes) {
        SCOPED_TRACE(scene.name.toStdString());
        const QImage image = halved(scene.image);
        if (update) {
            ASSERT_TRUE(image.save(goldenPath(scene.name)));
            continue;
        }
        const QImage golden(goldenPath(scene.name));
        ASSERT_FALSE(golden.isNull());
        ASSERT_EQ(golden.size(), image.size());
        const auto [clear, mean] = difference(image, golden.convertToFormat(QImage::Format_ARGB32));
        EXPECT_LT(clear, 0.0005);
        EXPECT_LT(mean, 1);
    }
}

}  // namespace
}  // namespace tundle

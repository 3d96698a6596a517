#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>

#include "render-scenes/SceneGallery.h"

namespace tundle {
namespace {

// Goldens are stored at half size and rewritten only when TUNDLE_UPDATE_GOLDENS is 1.
QString goldenPath(const QString& name) {
    return QStringLiteral(TUNDLE_TEST_DATA "/pet/") + name + ".png";
}

// The share of pixels that differ clearly in any channel.
double difference(const QImage& a, const QImage& b) {
    qint64 clear = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            clear +=
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))}) > 24;
        }
    }
    return clear / (double(a.width()) * a.height());
}

TEST(PetSceneImageTest, ScenesLookLikeTheirGoldens) {
    const bool update = qgetenv("TUNDLE_UPDATE_GOLDENS") == "1";
    const std::vector<RenderedScene> scenes = SceneGallery(TUNDLE_GENERATED_ASSETS).render();
    ASSERT_EQ(scenes.size(), 7u);
    for (const RenderedScene& scene : scenes) {
        SCOPED_TRACE(scene.name.toStdString());
        const QImage image =
            scene.image.convertToFormat(QImage::Format_ARGB32)
                .scaled(scene.image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (update) {
            ASSERT_TRUE(image.save(goldenPath(scene.name)));
            continue;
        }
        const QImage golden(goldenPath(scene.name));
        ASSERT_FALSE(golden.isNull());
        ASSERT_EQ(golden.size(), image.size());
        EXPECT_LT(difference(image, golden.convertToFormat(QImage::Format_ARGB32)), 0.0005);
    }
}

}  // namespace
}  // namespace tundle

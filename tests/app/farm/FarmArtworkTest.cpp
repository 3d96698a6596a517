#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "farm/FarmArtwork.h"
#include "room/RoomSceneDefinition.h"

namespace tundle {
namespace {

void writeCrops(const QString& folder, const QStringList& leaveOut = {}) {
    QDir(folder).mkpath(QStringLiteral("Crops"));
    int shade = 0;
    for (const FarmCrop crop : farmCropText.allCases()) {
        for (const char* stage : FarmArtwork::stageNames) {
            const QString name =
                QStringLiteral("%1-%2.png").arg(farmCropText.raw(crop), QLatin1String(stage));
            QImage image(4, 4 + shade++, QImage::Format_ARGB32);
            image.fill(Qt::green);
            if (!leaveOut.contains(name)) {
                ASSERT_TRUE(image.save(QDir(folder).filePath(QStringLiteral("Crops/") + name)));
            }
        }
    }
}

TEST(FarmArtworkTest, CandidatesComeInOrderAndTheFirstExistingFolderWins) {
    const QTemporaryDir root;
    const QString resources = root.filePath(QStringLiteral("share"));
    const QString working = root.filePath(QStringLiteral("work"));
    EXPECT_EQ(FarmArtwork::candidateFolders(resources, working),
              (QStringList{resources + QStringLiteral("/FarmGame"),
                           working + QStringLiteral("/app/Assets/FarmGame"),
                           working + QStringLiteral("/Assets/FarmGame")}));
    EXPECT_EQ(FarmArtwork::candidateFolders(std::nullopt, working).size(), 2);

    FarmArtwork artwork;
    artwork.loadIfNeeded(FarmArtwork::candidateFolders(resources, working));
    EXPECT_EQ(artwork.root(), std::nullopt);

    writeCrops(working + QStringLiteral("/Assets/FarmGame"));
    writeCrops(working + QStringLiteral("/app/Assets/FarmGame"),
               {QStringLiteral("corn-growing.png")});
    artwork.loadIfNeeded(FarmArtwork::candidateFolders(std::nullopt, working));
    EXPECT_EQ(artwork.root(), working + QStringLiteral("/app/Assets/FarmGame"));
    EXPECT_EQ(artwork.crop(FarmCrop::corn), nullptr);
    ASSERT_NE(artwork.crop(FarmCrop::watermelon), nullptr);
    // Stage order: the test pictures grow one pixel taller per file.
    EXPECT_EQ(artwork.crop(FarmCrop::watermelon)->at(2).height(), 4 + 8);

    // The same folder again is not read again, even when its files changed.
    writeCrops(working + QStringLiteral("/app/Assets/FarmGame"));
    artwork.loadIfNeeded(FarmArtwork::candidateFolders(std::nullopt, working));
    EXPECT_EQ(artwork.crop(FarmCrop::corn), nullptr);

    // The resource folder wins once it exists.
    writeCrops(resources + QStringLiteral("/FarmGame"));
    artwork.loadIfNeeded(FarmArtwork::candidateFolders(resources, working));
    EXPECT_EQ(artwork.images().size(), 3u);
}

TEST(FarmArtworkTest, BackdropNamesAndTheGeneratedArtworkLoad) {
    EXPECT_EQ(FarmArtwork::backdropName(RoomWeather::fog),
              FarmArtwork::backdropName(RoomWeather::cloudy));
    const QDir assets(QStringLiteral(TUNDLE_GENERATED_ASSETS));
    const RoomSceneDefinition scene =
        RoomSceneDefinition::load(assets.filePath(QStringLiteral("Rooms")));
    EXPECT_EQ(QSize(scene.width, scene.height), QSize(768, 1024));
    for (const RoomWeather weather : roomWeatherText.allCases()) {
        EXPECT_TRUE(scene.imageNames().contains(FarmArtwork::backdropName(weather)));
    }
    EXPECT_TRUE(scene.imageNames().contains(FarmArtwork::nightBackdropName()));

    FarmArtwork artwork;
    artwork.loadIfNeeded({assets.filePath(QStringLiteral("FarmGame"))});
    ASSERT_EQ(artwork.images().size(), 3u);
    for (const auto& [crop, pictures] : artwork.images()) {
        for (const QImage& picture : pictures) {
            // Transparent around the plant, and the plant stands on the bottom edge.
            EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
            const int bottom = picture.height() - 2;
            int opaque = 0;
            for (int x = 0; x < picture.width(); ++x) {
                opaque += qAlpha(picture.pixel(x, bottom)) > 0;
            }
            EXPECT_GT(opaque, 0) << farmCropText.raw(crop).toStdString();
        }
    }
}

}  // namespace
}  // namespace tundle

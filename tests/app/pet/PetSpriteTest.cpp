#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "pet/PetSprite.h"
#include "support/ModelTestWorld.h"

namespace tundle {
namespace {

using test::generatedPack;

// The built-in pack without its eating clip and with a jump of 0.2 s.
std::shared_ptr<const PetAssets> craftedPack(const QTemporaryDir& folder) {
    const QDir source(QDir(TUNDLE_GENERATED_ASSETS).filePath("H3"));
    for (const QString& name : source.entryList(QDir::Files)) {
        QFile::copy(source.filePath(name), QDir(folder.path()).filePath(name));
    }
    QFile file(QDir(folder.path()).filePath("manifest.json"));
    file.open(QIODevice::ReadOnly);
    QJsonObject manifest = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    QJsonObject clips = manifest["clips"].toObject();
    clips.remove("eating");
    QJsonObject jump = clips["jump"].toObject();
    jump["duration"] = 0.2;
    clips["jump"] = jump;
    manifest["clips"] = clips;
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(QJsonDocument(manifest).toJson());
    file.close();
    return std::make_shared<const PetAssets>(folder.path(), PetAssetPack::h3);
}

PetSpriteGeometry at(const PetAssets& assets, const QString& clip, double t, bool still = false) {
    return PetSpriteGeometry::of({.assets = &assets,
                                  .animation = clip,
                                  .elapsed = t,
                                  .still = still,
                                  .spriteRect = {170, 0, 254, 254},
                                  .boundsWidth = 444});
}

TEST(PetSpriteTest, ClipsFadeInAndOutOfTheIdleLoop) {
    QTemporaryDir folder;
    const auto crafted = craftedPack(folder);
    ASSERT_TRUE(crafted->loaded());
    ASSERT_DOUBLE_EQ(crafted->duration("jump"), 0.2);
    // A clip shorter than 0.28 s never reaches full opacity.
    for (const double t : {0.0, 0.05, 0.1, 0.15, 0.2}) {
        const double opacity = at(*crafted, "jump", t).opacity;
        EXPECT_DOUBLE_EQ(opacity, std::min(t, 0.2 - t) / 0.14) << t;
        EXPECT_LT(opacity, 1);
    }
    const auto& pack = *generatedPack(PetAssetPack::h3);
    const double drink = pack.duration("drink");
    const struct {
        double t;
        double opacity;
    } fades[] = {{-1, 0}, {0.07, 0.5}, {1, 1}, {drink - 0.07, 0.5}, {drink + 1, 0}};
    for (const auto& row : fades) {
        EXPECT_NEAR(at(pack, "drink", row.t).opacity, row.opacity, 1e-9) << row.t;
    }
    // Still: frame 0 of idle, at full opacity, no effect.
    const PetSpriteGeometry still = at(*crafted, "eating", 0.07, true);
    EXPECT_EQ(still.clip, "idle");
    EXPECT_FALSE(still.eating);
    EXPECT_EQ(still.opacity, 1);
    EXPECT_EQ(still.rect, QRectF(170, 0, 254, 254));
    EXPECT_EQ(at(pack, "idle", 0.07).opacity, 1);
}

TEST(PetSpriteTest, DrawsTheEffectsOfMissingClipsAtTheirInstants) {
    QTemporaryDir folder;
    const auto crafted = craftedPack(folder);
    const auto& withClips = *generatedPack(PetAssetPack::h3);
    const auto& withoutHarvest = *generatedPack(PetAssetPack::originalVideo);

    // A pack with the clip plays it; one without squashes the idle frame and says so.
    EXPECT_FALSE(at(withClips, "eating", 0.5).eating);
    EXPECT_EQ(at(withClips, "eating", 0.5).clip, "eating");
    const double peak = std::acos(0.0) / 24;
    const PetSpriteGeometry eating = at(*crafted, "eating", peak);
    EXPECT_TRUE(eating.eating);
    EXPECT_EQ(eating.clip, "idle");
    EXPECT_NEAR(eating.rect.width(), 254 * 1.07, 1e-9);
    EXPECT_NEAR(eating.rect.height(), 254 * 0.965, 1e-9);
    EXPECT_NEAR(eating.rect.center().y(), 127, 1e-9);
    EXPECT_EQ(eating.eatingTextAt, QPointF(196, 123));

    // Harvest: the full bounce at 0.5 / 1.45 of 1.35 s, none from 1.35 s on; the star peaks at
    // 72 % and is gone at the end.
    const PetSpriteGeometry bounce = at(withoutHarvest, "harvest", 1.35 / 1.45 * 0.5);
    EXPECT_TRUE(bounce.harvest);
    EXPECT_NEAR(bounce.rect.width(), 254 * 1.07, 1e-9);
    EXPECT_NEAR(bounce.rect.height(), 254 * 0.8, 1e-9);
    EXPECT_NEAR(bounce.rect.y(), 25.4 - 0.045 * 254 * 0.8, 1e-9);
    const PetSpriteGeometry done = at(withoutHarvest, "harvest", 1.35);
    EXPECT_EQ(done.rect, QRectF(170, 0, 254, 254));
    EXPECT_EQ(done.starAlpha, 0);
    EXPECT_NEAR(at(withoutHarvest, "harvest", 0.72 * 1.35).starAlpha, 1, 1e-9);
    EXPECT_FALSE(at(withClips, "harvest", 0.5).harvest);

    // Poof: puffs of 14, 20 and 26 pt at the start, measured from the view's origin, and fully
    // transparent after 1.7 s.
    const PetSpriteGeometry start = at(withoutHarvest, "poof", 0);
    EXPECT_TRUE(start.poof);
    EXPECT_DOUBLE_EQ(start.puffAlpha, 0.48);
    EXPECT_EQ(start.puffs[0], QRectF(0.72 * 424, 0.22 * 254, 14, 14));
    EXPECT_EQ(start.puffs[2], QRectF(0.72 * 424 + 16, 0.22 * 254 + 20, 26, 26));
    EXPECT_EQ(start.poofTextAt, QPointF(0.68 * 424, 0.4 * 254));
    const PetSpriteGeometry gone = at(withoutHarvest, "poof", 2);
    EXPECT_EQ(gone.puffAlpha, 0);
    EXPECT_EQ(gone.puffs[0].width(), 28);
}

}  // namespace
}  // namespace tundle

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonObject>
#include <QTemporaryDir>

#include "pet/PetSprite.h"
#include "render-scenes/SceneGallery.h"
#include "support/ModelTestWorld.h"

namespace tundle {
namespace {

using test::generatedPack;

// The built-in pack without its eating clip and with a jump of 0.2 s.
std::shared_ptr<const PetAssets> craftedPack(const QTemporaryDir& folder) {
    return editedPack(QDir(TUNDLE_GENERATED_ASSETS).filePath("H3"), folder.path(),
                      [](QJsonObject& clips) {
                          clips.remove("eating");
                          QJsonObject jump = clips["jump"].toObject();
                          jump["duration"] = 0.2;
                          clips["jump"] = jump;
                      });
}

bool near(const QRectF& a, const QRectF& b) {
    return std::abs(a.x() - b.x()) + std::abs(a.y() - b.y()) + std::abs(a.width() - b.width()) +
               std::abs(a.height() - b.height()) <
           1e-9;
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
    for (const auto& [t, opacity] : {std::pair(-1.0, 0.0), std::pair(0.07, 0.5),
                                     std::pair(1.0, 1.0), std::pair(drink - 0.07, 0.5)}) {
        EXPECT_NEAR(at(pack, "drink", t).opacity, opacity, 1e-9) << t;
    }
    // Still: idle at full opacity in the plain rectangle, no effect.
    const PetSpriteGeometry still = at(*crafted, "eating", 0.07, true);
    EXPECT_TRUE(still.clip == "idle" && !still.eating && still.opacity == 1);
    EXPECT_EQ(still.rect, QRectF(170, 0, 254, 254));
}

TEST(PetSpriteTest, DrawsTheEffectsOfMissingClipsAtTheirInstants) {
    QTemporaryDir folder;
    const auto crafted = craftedPack(folder);
    const auto& withClips = *generatedPack(PetAssetPack::h3);
    const auto& withoutHarvest = *generatedPack(PetAssetPack::originalVideo);

    // A pack with the clip plays it; one without squashes the idle frame and says so.
    EXPECT_EQ(at(withClips, "eating", 0.5).clip, "eating");
    EXPECT_FALSE(at(withClips, "eating", 0.5).eating || at(withClips, "harvest", 0.5).harvest);
    const double peak = std::acos(0.0) / 24;
    const PetSpriteGeometry eating = at(*crafted, "eating", peak);
    EXPECT_TRUE(eating.eating && eating.clip == "idle");
    EXPECT_TRUE(near(eating.rect, {170 - 254 * 0.035, 254 * 0.0175, 254 * 1.07, 254 * 0.965}));
    EXPECT_EQ(eating.eatingTextAt, QPointF(196, 123));

    // Harvest: the full bounce at 0.5 / 1.45 of 1.35 s, none from 1.35 s on; the star peaks at
    // 72 % and is gone at the end.
    const PetSpriteGeometry bounce = at(withoutHarvest, "harvest", 1.35 / 1.45 * 0.5);
    EXPECT_TRUE(bounce.harvest);
    EXPECT_TRUE(near(bounce.rect, {170 - 254 * 0.035, 25.4 - 0.045 * 203.2, 254 * 1.07, 203.2}));
    const PetSpriteGeometry done = at(withoutHarvest, "harvest", 1.35);
    EXPECT_TRUE(done.rect == QRectF(170, 0, 254, 254) && done.starAlpha == 0);
    EXPECT_NEAR(at(withoutHarvest, "harvest", 0.72 * 1.35).starAlpha, 1, 1e-9);

    // Poof: puffs of 14, 20 and 26 pt at the start, measured from the view's origin, and fully
    // transparent after 1.7 s.
    const PetSpriteGeometry start = at(withoutHarvest, "poof", 0);
    EXPECT_TRUE(start.poof && start.puffAlpha == 0.48);
    EXPECT_EQ(start.puffs[0], QRectF(0.72 * 424, 0.22 * 254, 14, 14));
    EXPECT_EQ(start.puffs[2], QRectF(0.72 * 424 + 16, 0.22 * 254 + 20, 26, 26));
    EXPECT_EQ(start.poofTextAt, QPointF(0.68 * 424, 0.4 * 254));
    EXPECT_EQ(at(withoutHarvest, "poof", 2).puffAlpha, 0);
}

}  // namespace
}  // namespace tundle

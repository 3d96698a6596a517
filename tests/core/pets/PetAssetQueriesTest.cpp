#include <gtest/gtest.h>

#include "companion/BreathMoment.h"
#include "core/pets/PetPackFixture.h"
#include "pets/PetAssets.h"

namespace tundle {
namespace {

using test::PetPackFixture;

// Loads a pack of 8-pixel frames whose clips all cut their frames from one 4 x 3 sheet.
PetAssets loadPack(const QJsonObject& clips, const QJsonObject& groups = {}) {
    PetPackFixture pack;
    pack.writeSheet(QStringLiteral("sheet.png"), 4, 3, 8);
    QJsonObject manifest = PetPackFixture::manifest(8, clips);
    if (!groups.isEmpty()) {
        manifest["actionGroups"] = groups;
    }
    pack.writeManifest(manifest);
    return PetAssets(pack.folder(), PetAssetPack::h3);
}

QJsonObject clip(int frames = 12, double fps = 10, bool loop = true, QJsonObject extra = {}) {
    QJsonObject result = PetPackFixture::clip(QStringLiteral("sheet.png"), 4, frames, fps, loop);
    for (auto it = extra.begin(); it != extra.end(); ++it) {
        result[it.key()] = it.value();
    }
    return result;
}

TEST(PetAssetQueriesTest, ResolvesMissingClipsAndTheirDurations) {
    const PetAssets jumpy = loadPack({{"idle", clip(12, 6)}, {"jump", clip(5, 10)}});
    const PetAssets plain = loadPack({{"idle", clip(12, 6)},
                                      {"eating", clip(4, 10, false, {{"duration", 2.5}})},
                                      {"broken", clip(13)}});
    const PetAssets empty = loadPack({});
    struct Case {
        const PetAssets* assets;
        const char* clip;
        const char* resolved;
        double duration;
    };
    const std::vector<Case> cases = {
        {&jumpy, "stretch", "jump", 0.5}, {&jumpy, "jump", "jump", 0.5},
        {&jumpy, "eating", "idle", 1.5},  {&jumpy, "poof", "idle", 1.7},
        {&jumpy, "drink", "idle", 3.0},   {&jumpy, "wave", "idle", 2.0},
        {&plain, "stretch", "idle", 3.0}, {&plain, "eating", "eating", 2.5},
        {&plain, "broken", "idle", 2.0},  {&empty, "wave", "idle", 3.0},
        {&empty, "idle", "idle", 3.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clip);
        EXPECT_EQ(c.assets->resolvedClip(c.clip), QString::fromLatin1(c.resolved));
        EXPECT_DOUBLE_EQ(c.assets->duration(c.clip), c.duration);
    }
}

TEST(PetAssetQueriesTest, OrdersActionsAndGroups) {
    const PetAssets assets =
        loadPack({{"idle", clip()},
                  {"drink", clip()},
                  {"aardvark", clip(12, 10, true, {{"sortOrder", 0}, {"title", " 土豚 "}})},
                  {"wave", clip()},
                  {"water", clip(12, 10, true, {{"group", "farm"}})},
                  {"sow", clip(12, 10, true, {{"group", "farm"}})},
                  {"hidden", clip(12, 10, true, {{"previewable", false}})},
                  {"broken", clip(13)},
                  {"spin", clip(12, 10, true, {{"group", "moves"}, {"sortOrder", 200}})},
                  {"hop", clip(12, 10, true, {{"group", "zzz"}})}},
                 {{"farm", QJsonObject{{"title", "农场"}, {"sortOrder", 150}}},
                  {"moves", QJsonObject{{"title", "动作"}}},
                  {"unused", QJsonObject{{"title", "空"}}}});
    using Action = PetAssets::Action;
    const Action aardvark{"aardvark", " 土豚 ", std::nullopt};
    const Action drink{"drink", "喝水", std::nullopt};
    const Action sow{"sow", "播种", "farm"};
    const Action water{"water", "浇水", "farm"};
    const Action wave{"wave", "wave", std::nullopt};
    const Action hop{"hop", "hop", "zzz"};
    const Action spin{"spin", "spin", "moves"};
    EXPECT_EQ(assets.actions(),
              (std::vector<Action>{aardvark, drink, sow, water, hop, wave, spin}));
    EXPECT_EQ(assets.standaloneActions(), (std::vector<Action>{aardvark, drink, wave}));
    EXPECT_EQ(
        assets.actionGroups(),
        (std::vector<PetAssets::ActionGroup>{
            {"moves", "动作", {spin}}, {"zzz", "zzz", {hop}}, {"farm", "农场", {sow, water}}}));
}

TEST(PetAssetQueriesTest, PicksFramesByTheClock) {
    const PetAssets assets = loadPack(
        {{"idle", clip(12, 6)}, {"once", clip(5, 10, false)}, {"loop", clip(5, 10, true)}});
    struct Case {
        const char* clip;
        double elapsed;
        bool still;
        int index;
    };
    const std::vector<Case> cases = {
        {"once", 0.39, false, 3}, {"once", 0.4, false, 4},    {"once", 99, false, 4},
        {"loop", 0.45, false, 4}, {"loop", 0.5, false, 0},    {"loop", 1.23, false, 2},
        {"loop", -3, false, 0},   {"loop", 0.3, true, 0},     {"once", 1e300, false, 4},
        {"idle", 1.0, false, 6},  {"missing", 1.0, false, 6}, {"once", std::nan(""), false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.clip) + " at " + std::to_string(c.elapsed));
        EXPECT_EQ(assets.frameIndex(c.clip, c.elapsed, c.still), c.index);
        const QImage* frame = assets.frame(c.clip, c.elapsed, c.still);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(PetPackFixture::frameNumber(*frame), c.index);
    }
    const PetAssets empty = loadPack({});
    EXPECT_EQ(empty.frameIndex("idle", 1.0, false), 0);
    EXPECT_EQ(empty.frame("idle", 1.0, false), nullptr);
}

TEST(PetAssetQueriesTest, BlendsBreathingFramesWithinTheStrip) {
    struct Case {
        const char* name;
        QJsonObject extra;
        double cycleProgress;
        bool still;
        int first;
        int second;
        double fraction;
    };
    const std::vector<Case> cases = {
        {"still on a rest past the end", {{"breathRestFrame", 99}}, 0.3, true, 11, 0, 0},
        {"still without a rest", {}, 0.3, true, 0, 1, 0},
        {"half way to the peak", {{"breathPeakFrame", 4}}, 0.25, false, 4 / 2, 3, 0},
        {"between frames", {{"breathPeakFrame", 5}}, 0.25, false, 2, 3, 0.5},
        {"before the cycle", {{"breathPeakFrame", 6}}, -0.25, false, 0, 1, 0},
        {"at the cycle's end", {{"breathRestFrame", 3}}, 1.0, false, 3, 4, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PetAssets assets = loadPack({{"idle", clip(12, 6, true, c.extra)}});
        BreathMoment moment;
        moment.cycleProgress = c.cycleProgress;
        const auto frames = assets.breathingFrames(moment, c.still);
        ASSERT_TRUE(frames.has_value());
        EXPECT_EQ(PetPackFixture::frameNumber(*frames->first), c.first);
        EXPECT_EQ(PetPackFixture::frameNumber(*frames->second), c.second);
        EXPECT_NEAR(frames->fraction, c.fraction, 1e-9);
    }
    EXPECT_FALSE(loadPack({}).breathingFrames(BreathMoment{}, false).has_value());
}

TEST(PetAssetQueriesTest, PlacesClipsAndHitsTheSilhouette) {
    const PetAssets assets = loadPack({{"idle", clip()}, {"water", clip()}, {"eating", clip()}});
    const QRectF square(100, 200, 320, 320);
    EXPECT_EQ(assets.normalizedRect("eating", square), square);
    const QRectF water = assets.normalizedRect("water", square);
    EXPECT_NEAR(water.width(), 320 * 1.03, 1e-9);
    EXPECT_NEAR(water.center().x(), square.center().x() - 23.8, 1e-9);
    EXPECT_NEAR(water.center().y(), square.center().y() - 7.8, 1e-9);
    // A missing clip plays idle, which has no placement row.
    EXPECT_EQ(assets.normalizedRect("loosen_soil", square), square);

    // Idle frame 0 is transparent in its top half and opaque below. The square is in the
    // drawing's bottom-up points: its bottom edge (y 200) belongs to it, its top edge (y 520)
    // does not, and each of the mask's eight rows is 40 points high, counted from the bottom.
    const PetAssets none = loadPack({});
    struct Case {
        QPointF point;
        bool hit;
        bool hitWithoutMask;
    };
    const std::vector<Case> cases = {
        {{101, 201}, true, false},  {{101, 519}, false, false}, {{419, 201}, true, false},
        {{260, 200}, true, true},   {{260, 520}, false, false}, {{260, 519.9}, false, true},
        {{260, 360}, false, true},  {{260, 359.9}, true, true}, {{260, 199.9}, false, false},
        {{420, 300}, false, false}, {{99, 300}, false, false},  {{163, 400}, false, false},
        {{164, 400}, false, true},  {{356, 400}, false, false}, {{355.9, 400}, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1,%2").arg(c.point.x()).arg(c.point.y()).toStdString());
        EXPECT_EQ(assets.contains(c.point, square), c.hit);
        EXPECT_EQ(none.contains(c.point, square), c.hitWithoutMask);
    }
}

}  // namespace
}  // namespace tundle

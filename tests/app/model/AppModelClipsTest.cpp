#include <gtest/gtest.h>

#include "support/ModelTestWorld.h"

namespace tundle {
namespace {

using test::ModelTestWorld;

TEST(AppModelClipsTest, AClipEndsOnTimeAndStaleEndsDoNothing) {
    ModelTestWorld world;
    auto model = world.model();
    const double drink = model->assets().duration("drink");
    ASSERT_GT(drink, 1);
    model->play("drink");
    world.scheduler.advance(drink - 0.5);
    EXPECT_EQ(model->animation(), "drink");
    world.scheduler.advance(0.5);
    EXPECT_EQ(model->animation(), "idle");
    EXPECT_EQ(model->animationStart(), world.scheduler.now());

    model->play("dance", 2);
    world.scheduler.advance(1);
    model->play("jump", 3);
    const QDateTime started = model->animationStart();
    world.scheduler.advance(2.9);
    EXPECT_EQ(model->animation(), "jump");
    EXPECT_EQ(model->animationStart(), started);
    world.scheduler.advance(0.1);
    EXPECT_EQ(model->animation(), "idle");

    model->play("dance", 2);
    model->stopAnimation();
    EXPECT_EQ(model->animation(), "idle");
}

TEST(AppModelClipsTest, AClipPlaysItsOwnSoundOnlyWithSoundOn) {
    ModelTestWorld world;
    auto model = world.model();
    world.sounds.log.clear();
    model->play("jump");
    ASSERT_EQ(world.sounds.log.size(), 1);
    EXPECT_TRUE(world.sounds.log[0].startsWith("play "));
    world.scheduler.advance(model->assets().duration("jump"));
    EXPECT_TRUE(world.sounds.log[1].startsWith("stop "));

    model->play("jump");
    model->setSoundEnabled(false);
    model->saveSettings();
    EXPECT_EQ(world.sounds.log.size(), 4);
    EXPECT_EQ(model->animation(), "jump");
    model->play("drink");
    model->play("dance");
    EXPECT_EQ(world.sounds.log.size(), 4);
}

TEST(AppModelClipsTest, ReducedMotionAndQuietKeepThePetStill) {
    ModelTestWorld world;
    auto model = world.model();
    model->play("dance");
    model->setReduceMotion(true);
    model->saveSettings();
    EXPECT_EQ(model->animation(), "idle");

    world.randomPick = 2;
    model->petClicked();
    EXPECT_EQ(model->animation(), "idle");
    EXPECT_EQ(model->bubble(), "嘿嘿，收到啦！");
    world.scheduler.advance(4);
    EXPECT_TRUE(model->bubble().isEmpty());

    model->setReduceMotion(false);
    world.randomPick = 0;
    model->petClicked();
    EXPECT_EQ(model->animation(), "jump");
    EXPECT_EQ(model->bubble(), "收到你的摸摸啦。");

    for (const char* clip : {"idle", "nothing"}) {
        model->stopAnimation();
        model->previewAction(clip);
        EXPECT_EQ(model->animation(), "idle") << clip;
    }
    model->previewAction("dance");
    EXPECT_EQ(model->animation(), "dance");

    model->presentBreathing();
    model->previewAction("dance");
    model->petClicked();
    EXPECT_EQ(model->animation(), "idle");
    EXPECT_TRUE(model->bubble().isEmpty());
}

TEST(AppModelClipsTest, RefreshingAssetsWaitsForAnIdlePet) {
    ModelTestWorld world;
    auto model = world.model();
    const QUuid revision = model->assetRevision();
    model->play("dance");
    model->refreshContentAssets();
    EXPECT_EQ(model->assetRevision(), revision);
    model->stopAnimation();
    model->refreshContentAssets();
    EXPECT_NE(model->assetRevision(), revision);
}

}  // namespace
}  // namespace tundle

#include <gtest/gtest.h>

#include "support/ModelTestWorld.h"

namespace tundle {
namespace {

using test::ModelTestWorld;

TEST(AppModelClipsTest, AClipEndsOnTimeWithItsSoundAndStaleEndsDoNothing) {
    ModelTestWorld world;
    auto model = world.model();
    world.sounds.log.clear();
    const double drink = model->assets().duration("drink");
    model->play("drink");
    world.scheduler.advance(drink - 0.5);
    EXPECT_EQ(model->animation(), "drink");
    world.scheduler.advance(0.5);
    EXPECT_EQ(model->animation(), "idle");
    EXPECT_EQ(model->animationStart(), world.scheduler.now());
    EXPECT_EQ(world.sounds.log, QStringList({"play", "stop"}));

    model->play("dance", 2);
    world.scheduler.advance(1);
    model->play("jump", 3);
    world.scheduler.advance(2.9);
    EXPECT_EQ(model->animation(), "jump");
    world.scheduler.advance(0.1);
    EXPECT_EQ(model->animation(), "idle");

    model->play("jump");
    model->setSoundEnabled(false);
    model->saveSettings();
    EXPECT_EQ(model->animation(), "jump");
    model->play("drink");
    EXPECT_EQ(world.sounds.log.size(), 6);
}

TEST(AppModelClipsTest, ReducedMotionAndBreathingKeepThePetStill) {
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

    model->setReduceMotion(false);
    model->petClicked();
    EXPECT_EQ(model->animation(), "jump");
    for (const char* clip : {"idle", "nothing"}) {
        model->previewAction(clip);
        EXPECT_EQ(model->animation(), "jump") << clip;
    }
    const QUuid revision = model->assetRevision();
    model->refreshContentAssets();
    EXPECT_EQ(model->assetRevision(), revision);
    model->previewAction("dance");
    EXPECT_EQ(model->animation(), "dance");

    model->presentBreathing();
    model->previewAction("dance");
    model->petClicked();
    EXPECT_EQ(model->animation(), "idle");
    EXPECT_TRUE(model->bubble().isEmpty());
}

TEST(AppModelClipsTest, AClipLetsGoOfItsFramesHalfAMinuteAfterItStoppedShowing) {
    ModelTestWorld world;
    auto model = world.model();
    model->play("jump", 3);
    ASSERT_NE(model->assets().frame("jump", 0.5, false), nullptr);
    world.scheduler.advance(1);
    model->play("dance", 100);
    ASSERT_NE(model->assets().frame("dance", 0.5, false), nullptr);

    // Still dancing half a minute on: the dance keeps its frames, the hop has let go of them.
    world.scheduler.advance(30);
    EXPECT_EQ(model->animation(), "dance");
    EXPECT_EQ(model->assets().decodedClipCount(), 2);

    // Back to idle, the dance holds its frames for half a minute more.
    world.scheduler.advance(70);
    EXPECT_EQ(model->animation(), "idle");
    world.scheduler.advance(29.5);
    EXPECT_EQ(model->assets().decodedClipCount(), 2);
    world.scheduler.advance(0.5);
    EXPECT_EQ(model->assets().decodedClipCount(), 1);
    EXPECT_NE(model->assets().frame("dance", 0.5, false), nullptr);
}

}  // namespace
}  // namespace tundle

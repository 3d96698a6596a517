#include <gtest/gtest.h>

#include "support/ModelTestWorld.h"

namespace tundle {
namespace {

using test::ModelTestWorld;

constexpr double waterDue = 45 * 60;
const QString waterText = "喝口水，再慢慢来。";

double remaining(AppModel& model, ReminderKind kind) {
    return model.reminders().remaining().at(kind);
}

TEST(AppModelRemindersTest, AReminderIsShownAndAnswered) {
    ModelTestWorld world;
    auto model = world.model();
    world.pass(*model, waterDue);
    EXPECT_EQ(model->bubble(), waterText);
    EXPECT_EQ(model->bubbleActionTitle(), "喝过啦");
    EXPECT_EQ(model->bubbleSecondaryTitle(), "5 分钟后");
    EXPECT_EQ(model->animation(), "drink");
    EXPECT_TRUE(world.sounds.log.contains("Pop"));

    model->pressBubbleAction();
    EXPECT_TRUE(model->reminders().pending().empty());
    EXPECT_EQ(remaining(*model, ReminderKind::water), waterDue);
    EXPECT_EQ(model->bubble(), "好耶，照顾好自己。");
    EXPECT_EQ(model->animation(), "jump");

    world.pass(*model, 15 * 60);
    EXPECT_EQ(model->bubble(), "坐了一会儿，起来走走吧。");
    model->pressBubbleSecondary();
    EXPECT_EQ(model->bubble(), "好，5 分钟后再叫你。");
    world.pass(*model, 4);
    EXPECT_TRUE(model->bubble().isEmpty());
    EXPECT_EQ(remaining(*model, ReminderKind::movement), 296);
}

TEST(AppModelRemindersTest, AnUnansweredReminderComesBackInFiveMinutes) {
    ModelTestWorld world;
    auto model = world.model();
    model->setSoundEnabled(false);
    world.pass(*model, waterDue);
    world.pass(*model, 59.9);
    EXPECT_EQ(model->bubble(), waterText);
    world.pass(*model, 0.1);
    EXPECT_TRUE(model->bubble().isEmpty());
    EXPECT_EQ(remaining(*model, ReminderKind::water), 300);
    EXPECT_FALSE(world.sounds.log.contains("Pop"));

    // Clicked away, then replaced by another bubble: snoozed either way.
    for (const auto& takeDown : {std::function([&] { model->dismissBubble(); }),
                                 std::function([&] { model->say({.message = "另一件事"}); })}) {
        world.pass(*model, 300);
        EXPECT_EQ(model->activeReminder(), ReminderKind::water);
        takeDown();
        EXPECT_EQ(remaining(*model, ReminderKind::water), 300);
    }
}

TEST(AppModelRemindersTest, TheFunctionPanelParksBubblesAndHoldsReminders) {
    ModelTestWorld world;
    auto model = world.model();
    world.pass(*model, waterDue);
    model->toggleShortcuts();
    EXPECT_TRUE(model->bubble().isEmpty());
    EXPECT_TRUE(model->reminders().pending().contains(ReminderKind::water));

    model->say({.message = "丢掉", .duration = 4});
    model->say({.message = "第一个", .actionTitle = "好", .duration = 4});
    model->say({.message = "留下", .actionTitle = "好", .duration = 4});
    model->deliverWaitingReminder();
    EXPECT_TRUE(model->bubble().isEmpty());

    model->toggleShortcuts();
    EXPECT_EQ(model->bubble(), "留下");
    EXPECT_FALSE(model->hasParkedBubble());
    world.scheduler.advance(4);
    model->deliverWaitingReminder();
    EXPECT_EQ(model->bubble(), waterText);
}

TEST(AppModelRemindersTest, QueuedRemindersWaitTheirTurn) {
    ModelTestWorld world;
    auto model = world.model();
    world.pass(*model, waterDue);
    model->remind(ReminderKind::movement);
    model->remind(ReminderKind::movement);
    EXPECT_EQ(model->waitingReminders(), std::vector{ReminderKind::movement});
    model->pressBubbleAction();
    world.scheduler.advance(4);
    model->deliverWaitingReminder();
    EXPECT_EQ(model->activeReminder(), ReminderKind::movement);

    model->toggleShortcuts();
    model->remind(ReminderKind::water);
    EXPECT_EQ(model->waitingReminders(),
              (std::vector{ReminderKind::movement, ReminderKind::water}));
    model->reminders().setEnabled(false, ReminderKind::movement);
    model->toggleShortcuts();
    EXPECT_EQ(model->activeReminder(), ReminderKind::water);
    EXPECT_TRUE(model->waitingReminders().empty());
}

TEST(AppModelRemindersTest, BreathingHoldsThePetQuiet) {
    ModelTestWorld world;
    auto model = world.model();
    int shown = 0;
    model->setShowBreathing([&] { ++shown; });
    model->presentBreathing();
    EXPECT_EQ(shown, 1);
    model->say({.message = "安静", .actionTitle = "好"});
    model->remind(ReminderKind::water);
    model->deliverWaitingReminder();
    EXPECT_TRUE(model->bubble().isEmpty());
    EXPECT_FALSE(model->hasParkedBubble());

    model->startBreathing();
    world.scheduler.advance(3 * 60);
    model->breathing().tick();
    EXPECT_EQ(model->breathing().state(), BreathingState::completed);
    EXPECT_TRUE(model->reminders().isPaused());

    model->setBreathingPresented(false);
    model->resetBreathing();
    EXPECT_FALSE(model->reminders().isPaused());
    EXPECT_EQ(model->bubble(), waterText);
}

TEST(AppModelRemindersTest, TheModelsClocksRunWithNoPetOnScreen) {
    ModelTestWorld world;
    auto model = world.model();
    ASSERT_TRUE(model->farm().visible());

    // A reminder held back by the function panel is handed over once the panel closes.
    model->toggleShortcuts();
    model->remind(ReminderKind::water);
    EXPECT_EQ(model->waitingReminders(), std::vector{ReminderKind::water});
    model->closeFunctionPanel();
    EXPECT_FALSE(model->activeReminder());
    world.scheduler.advance(0);
    EXPECT_EQ(model->activeReminder(), ReminderKind::water);
    EXPECT_EQ(model->bubble(), waterText);

    // The room is on screen with the farm and steps once a minute.
    EXPECT_TRUE(model->room().isVisible());
    const QDateTime start = model->room().now();
    world.scheduler.advance(59);
    EXPECT_EQ(model->room().now(), start);
    world.scheduler.advance(1);
    EXPECT_EQ(model->room().now(), world.scheduler.now());

    // Without the farm no room view shows: the room leaves the screen and its clock stops.
    model->setFarmVisible(false);
    EXPECT_FALSE(model->room().isVisible());
    const QDateTime hidden = model->room().now();
    world.scheduler.advance(300);
    EXPECT_EQ(model->room().now(), hidden);
    model->setFarmVisible(true);
    world.scheduler.advance(0);
    EXPECT_TRUE(model->room().isVisible());
    EXPECT_EQ(model->room().now(), world.scheduler.now());
}

}  // namespace
}  // namespace tundle

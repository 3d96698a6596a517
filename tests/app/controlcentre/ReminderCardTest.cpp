#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>

#include "controlcentre/ReminderCard.h"
#include "support/ModelTestWorld.h"
#include "toolkit/PlainButton.h"
#include "toolkit/Switch.h"

namespace tundle {
namespace {

using test::ModelTestWorld;

std::vector<int> pickerValues(const QComboBox& picker) {
    std::vector<int> values;
    for (int index = 0; index < picker.count(); ++index) {
        values.push_back(picker.itemData(index).toInt());
    }
    return values;
}

TEST(ReminderCardTest, OffersTheUsualIntervalsAndTheCurrentOne) {
    EXPECT_EQ(ReminderCardState::intervalOptionsFor(20),
              (std::vector<int>{1, 15, 20, 30, 45, 60, 90}));
    EXPECT_EQ(ReminderCardState::intervalOptionsFor(60), (std::vector<int>{1, 15, 30, 45, 60, 90}));
    EXPECT_EQ(ReminderCardState::intervalOptionsFor(240),
              (std::vector<int>{1, 15, 30, 45, 60, 90, 240}));
}

TEST(ReminderCardTest, ShowsTheCountdownOffDueAndBreathingStates) {
    ModelTestWorld world;
    auto model = world.model();
    ReminderService& service = model->reminders();
    world.pass(*model, 10);

    ReminderCardState water = ReminderCardState::read(service, ReminderKind::water);
    EXPECT_EQ(water.countdown, "44:50");
    EXPECT_TRUE(water.showsCaption);
    EXPECT_EQ(water.actionTitle, "试一下");
    EXPECT_TRUE(water.actionEnabled);

    service.setEnabled(false, ReminderKind::movement);
    const ReminderCardState off = ReminderCardState::read(service, ReminderKind::movement);
    EXPECT_EQ(off.countdown, "已关闭");
    EXPECT_FALSE(off.showsCaption);
    EXPECT_EQ(off.actionTitle, "试一下");
    EXPECT_TRUE(off.actionEnabled) << "an off reminder can still be tried";

    world.pass(*model, 45 * 60);
    water = ReminderCardState::read(service, ReminderKind::water);
    EXPECT_EQ(water.countdown, "该休息啦");
    EXPECT_FALSE(water.showsCaption);
    EXPECT_EQ(water.actionTitle, "完成");
    EXPECT_TRUE(water.completes);

    service.setPaused(true);
    for (const ReminderKind kind : {ReminderKind::water, ReminderKind::movement}) {
        const ReminderCardState paused = ReminderCardState::read(service, kind);
        EXPECT_EQ(paused.countdown, "呼吸中");
        EXPECT_FALSE(paused.showsCaption);
        EXPECT_FALSE(paused.actionEnabled);
    }
}

TEST(ReminderCardTest, TheSwitchAndThePickerReachTheServiceAndTheStoredSettings) {
    ModelTestWorld world;
    auto model = world.model();
    ReminderCard card(*model, ReminderKind::movement);
    EXPECT_EQ(card.enabledSwitch()->accessibleName(), "开启久坐提醒");
    EXPECT_EQ(card.intervalPicker()->accessibleName(), "久坐提醒间隔");
    EXPECT_TRUE(card.enabledSwitch()->isChecked());

    card.enabledSwitch()->click();
    EXPECT_FALSE(model->reminders().movementEnabled());
    EXPECT_FALSE(model->configuration().value().preferences.movementEnabled);
    EXPECT_EQ(card.countdownLabel()->text(), "已关闭");
    EXPECT_TRUE(card.captionLabel()->isHidden());
    card.enabledSwitch()->click();
    EXPECT_TRUE(model->configuration().value().preferences.movementEnabled);

    QComboBox& picker = *card.intervalPicker();
    EXPECT_EQ(picker.currentText(), "60 分钟");
    const int fifteen = picker.findData(15);
    picker.setCurrentIndex(fifteen);
    emit picker.activated(fifteen);
    EXPECT_EQ(model->reminders().movementMinutes(), 15);
    EXPECT_EQ(model->configuration().value().preferences.movementMinutes, 15);
    EXPECT_EQ(card.countdownLabel()->text(), "15:00");
}

TEST(ReminderCardTest, TheEverySecondRefillNeitherRestartsNorSaves) {
    ModelTestWorld world;
    auto model = world.model();
    model->reminders().setMinutes(20, ReminderKind::water);
    model->saveSettings();
    ReminderCard card(*model, ReminderKind::water);
    QComboBox& picker = *card.intervalPicker();
    EXPECT_EQ(pickerValues(picker), (std::vector<int>{1, 15, 20, 30, 45, 60, 90}));
    EXPECT_EQ(picker.currentData().toInt(), 20);

    QSignalSpy saves(&model->configuration(), &ConfigurationStore::valueChanged);
    QLabel* countdown = card.countdownLabel();
    for (int second = 0; second < 5; ++second) {
        world.pass(*model, 1);
    }
    EXPECT_EQ(card.countdownLabel(), countdown) << "updated in place";
    EXPECT_EQ(countdown->text(), "19:55") << "the countdown kept running";
    EXPECT_EQ(saves.count(), 0);
    EXPECT_EQ(picker.currentData().toInt(), 20);

    const int sixty = picker.findData(60);
    picker.setCurrentIndex(sixty);
    emit picker.activated(sixty);
    EXPECT_EQ(pickerValues(picker), (std::vector<int>{1, 15, 30, 45, 60, 90}));
    EXPECT_EQ(picker.currentText(), "60 分钟");
}

TEST(ReminderCardTest, TheButtonTriesTheReminderOrCompletesIt) {
    ModelTestWorld world;
    auto model = world.model();
    ReminderCard card(*model, ReminderKind::water);
    EXPECT_EQ(ReminderCard::title(ReminderKind::movement), "站立提醒");
    PlainButton& action = *card.actionButton();
    world.pass(*model, 60);

    action.click();
    EXPECT_EQ(model->bubble(), "喝口水，再慢慢来。");
    EXPECT_EQ(model->reminders().remainingText(ReminderKind::water), "44:00")
        << "trying does not touch the countdown";
    model->pressBubbleAction();

    world.pass(*model, 45 * 60);
    EXPECT_EQ(action.text(), "完成");
    EXPECT_TRUE(card.captionLabel()->isHidden());
    action.click();
    EXPECT_TRUE(model->reminders().pending().empty());
    EXPECT_EQ(card.countdownLabel()->text(), "45:00");
    EXPECT_EQ(action.text(), "试一下");
    EXPECT_FALSE(card.captionLabel()->isHidden());

    model->reminders().setPaused(true);
    EXPECT_EQ(card.countdownLabel()->text(), "呼吸中");
    EXPECT_FALSE(action.isEnabled());
    EXPECT_TRUE(card.enabledSwitch()->isEnabled());
    EXPECT_TRUE(card.intervalPicker()->isEnabled());
}

}  // namespace
}  // namespace tundle

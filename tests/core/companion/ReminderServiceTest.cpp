#include "companion/ReminderService.h"

#include <gtest/gtest.h>

#include <vector>

namespace tundle {
namespace {

const QDateTime start = QDateTime(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);

class ReminderServiceTest : public ::testing::Test {
protected:
    void at(double seconds) { current = start.addMSecs(qint64(seconds * 1000)); }
    void tickAt(double seconds) {
        at(seconds);
        service.tick();
    }

    QDateTime current = start;
    ReminderService service{[this] { return current; }, false};
    std::vector<ReminderKind> fired;
};

TEST_F(ReminderServiceTest, StartsBothCountdownsAndFiresAtTheExactDeadline) {
    service.setOnReminder([this](ReminderKind kind) { fired.push_back(kind); });
    EXPECT_EQ(service.remaining().at(ReminderKind::water), 2700);
    EXPECT_EQ(service.remaining().at(ReminderKind::movement), 3600);
    EXPECT_EQ(service.remainingText(ReminderKind::water), "45:00");

    tickAt(2699.999);
    EXPECT_TRUE(fired.empty());
    EXPECT_EQ(service.remainingText(ReminderKind::water), "00:01");
    tickAt(2700);
    EXPECT_EQ(fired, std::vector{ReminderKind::water});
    EXPECT_EQ(service.pending(), std::set{ReminderKind::water});
    EXPECT_EQ(service.remaining().at(ReminderKind::water), 0);
    EXPECT_EQ(service.remainingText(ReminderKind::water), "该休息啦");
    EXPECT_EQ(service.remaining().at(ReminderKind::movement), 900);

    // A pending kind is not fired again; completing it restarts the full interval.
    tickAt(3000);
    EXPECT_EQ(fired.size(), 1u);
    service.complete(ReminderKind::water);
    EXPECT_TRUE(service.pending().empty());
    EXPECT_EQ(service.remaining().at(ReminderKind::water), 2700);
    // Both due in one tick: water first.
    tickAt(3000 + 2700);
    EXPECT_EQ(fired,
              (std::vector{ReminderKind::water, ReminderKind::water, ReminderKind::movement}));
}

TEST_F(ReminderServiceTest, BothDueInOneTickStopWhenTheCallbackPauses) {
    service.setOnReminder([this](ReminderKind kind) {
        fired.push_back(kind);
        service.setPaused(true);
    });
    tickAt(4000);
    EXPECT_EQ(fired, std::vector{ReminderKind::water});
    EXPECT_TRUE(service.isPaused());
    EXPECT_EQ(service.pending(), std::set{ReminderKind::water});
    EXPECT_EQ(service.remaining().at(ReminderKind::movement), 0);

    // Resuming gives the overdue movement reminder its turn; the pending water one gets none.
    service.setOnReminder([this](ReminderKind kind) { fired.push_back(kind); });
    service.setPaused(false);
    tickAt(4001);
    EXPECT_EQ(fired, (std::vector{ReminderKind::water, ReminderKind::movement}));

    // A callback that switches the other kind off keeps it from firing in the same tick.
    ReminderService other([this] { return current; }, false);
    std::vector<ReminderKind> otherFired;
    other.setOnReminder([&](ReminderKind kind) {
        otherFired.push_back(kind);
        other.setEnabled(false, ReminderKind::movement);
    });
    tickAt(8000);
    other.tick();
    EXPECT_EQ(otherFired, std::vector{ReminderKind::water});
    EXPECT_EQ(other.remainingText(ReminderKind::movement), "已关闭");
}

TEST_F(ReminderServiceTest, PauseAndResumeKeepTheTimeLeft) {
    int paused = 0;
    QObject::connect(&service, &ReminderService::pausedChanged, [&] { ++paused; });
    at(2600);
    service.setPaused(true);
    service.setPaused(true);
    EXPECT_EQ(paused, 1);
    EXPECT_EQ(service.remaining().at(ReminderKind::water), 100);

    tickAt(2600 + 600);
    EXPECT_TRUE(service.pending().empty());
    EXPECT_EQ(service.remaining().at(ReminderKind::water), 100);
    // Enabling or restarting while paused shows the full interval without starting it.
    service.setEnabled(false, ReminderKind::movement);
    service.setEnabled(true, ReminderKind::movement);
    EXPECT_EQ(service.remaining().at(ReminderKind::movement), 3600);

    service.setPaused(false);
    service.setPaused(false);
    EXPECT_EQ(paused, 2);
    tickAt(3200 + 99);
    EXPECT_EQ(service.remaining().at(ReminderKind::water), 1);
    EXPECT_TRUE(service.pending().empty());
    tickAt(3200 + 100);
    EXPECT_EQ(service.pending(), std::set{ReminderKind::water});
    EXPECT_EQ(service.remaining().at(ReminderKind::movement), 3500);
}

TEST_F(ReminderServiceTest, SetMinutesClampsAndRestartsEvenWhenUnchanged) {
    int minutes = 0;
    QObject::connect(&service, &ReminderService::waterMinutesChanged, [&] { ++minutes; });
    service.setEnabled(false, ReminderKind::movement);
    tickAt(1000);
    EXPECT_EQ(service.remaining().at(ReminderKind::water), 1700);
    service.setMinutes(45, ReminderKind::water);
    EXPECT_EQ(minutes, 0);
    EXPECT_EQ(service.remaining().at(ReminderKind::water), 2700);
    tickAt(1000 + 2699);
    EXPECT_TRUE(service.pending().empty());

    tickAt(1000 + 2700);
    ASSERT_EQ(service.pending(), std::set{ReminderKind::water});
    service.setMinutes(0, ReminderKind::water);
    EXPECT_EQ(service.waterMinutes(), 1);
    EXPECT_EQ(minutes, 1);
    EXPECT_TRUE(service.pending().empty());
    EXPECT_EQ(service.remainingText(ReminderKind::water), "01:00");

    service.setEnabled(true, ReminderKind::movement);
    service.setMinutes(500, ReminderKind::movement);
    EXPECT_EQ(service.movementMinutes(), 240);
    EXPECT_EQ(service.remainingText(ReminderKind::movement), "240:00");
}

TEST_F(ReminderServiceTest, SnoozeAndSwitchesRestartOnlyTheirKind) {
    tickAt(2700);
    service.snooze(ReminderKind::water, 5);
    EXPECT_TRUE(service.pending().empty());
    EXPECT_EQ(service.remaining().at(ReminderKind::water), 300);
    EXPECT_EQ(service.waterMinutes(), 45);
    service.snooze(ReminderKind::water, 1000);
    EXPECT_EQ(service.remaining().at(ReminderKind::water), 240 * 60);

    // Switching on an enabled kind leaves its countdown running.
    service.setEnabled(true, ReminderKind::movement);
    EXPECT_EQ(service.remaining().at(ReminderKind::movement), 900);

    tickAt(3600);
    ASSERT_EQ(service.pending(), std::set{ReminderKind::movement});
    service.setEnabled(false, ReminderKind::movement);
    EXPECT_TRUE(service.pending().empty());
    EXPECT_FALSE(service.movementEnabled());
    EXPECT_EQ(service.remainingText(ReminderKind::movement), "已关闭");
    tickAt(100000);
    EXPECT_FALSE(service.pending().contains(ReminderKind::movement));
}

TEST(ReminderFormat, RoundsUpToWholeSeconds) {
    EXPECT_EQ(ReminderService::format(59.2), "01:00");
    EXPECT_EQ(ReminderService::format(-3), "00:00");
    EXPECT_EQ(ReminderService::format(0.4), "00:01");
    EXPECT_EQ(ReminderService::format(3600), "60:00");
    EXPECT_EQ(ReminderService::format(14400), "240:00");
}

TEST(ReminderKindText, ReadsOnlyTheRawValues) {
    EXPECT_EQ(reminderKindText.parse(u"movement"), ReminderKind::movement);
    EXPECT_EQ(reminderKindText.parse(u"Water"), std::nullopt);
    EXPECT_EQ(reminderKindTitle(ReminderKind::water), "喝水提醒");
    EXPECT_EQ(reminderKindTitle(ReminderKind::movement), "久坐提醒");
}

}  // namespace
}  // namespace tundle

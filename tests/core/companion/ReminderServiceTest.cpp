#include "companion/ReminderService.h"

#include <gtest/gtest.h>

#include <vector>

namespace tundle {
namespace {

const QDateTime start = QDateTime(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);
constexpr ReminderKind water = ReminderKind::water;
constexpr ReminderKind movement = ReminderKind::movement;

class ReminderServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        service.setOnReminder([this](ReminderKind kind) { fired.push_back(kind); });
    }
    void at(double seconds) { current = start.addMSecs(qint64(seconds * 1000)); }
    void tickAt(double seconds) {
        at(seconds);
        service.tick();
    }
    double left(ReminderKind kind) const { return service.remaining().at(kind); }

    QDateTime current = start;
    ReminderService service{[this] { return current; }, false};
    std::vector<ReminderKind> fired;
};

TEST_F(ReminderServiceTest, FiresAtTheDeadlineAndWaitsUntilCompleted) {
    EXPECT_EQ(left(water), 2700);
    EXPECT_EQ(left(movement), 3600);
    tickAt(2699.999);
    EXPECT_TRUE(fired.empty());
    EXPECT_EQ(service.remainingText(water), "00:01");

    tickAt(2700);
    EXPECT_EQ(fired, std::vector{water});
    EXPECT_EQ(left(water), 0);
    EXPECT_EQ(service.remainingText(water), "该休息啦");
    tickAt(3000);
    EXPECT_EQ(fired.size(), 1u);

    service.complete(water);
    EXPECT_TRUE(service.pending().empty());
    // Both due in one tick: water first.
    tickAt(3000 + 2700);
    EXPECT_EQ(fired, (std::vector{water, water, movement}));
}

TEST_F(ReminderServiceTest, BothDueInOneTickStopWhenTheCallbackPauses) {
    service.setOnReminder([this](ReminderKind kind) {
        fired.push_back(kind);
        service.setPaused(true);
    });
    tickAt(4000);
    EXPECT_EQ(fired, std::vector{water});
    EXPECT_EQ(service.pending(), std::set{water});

    // Resuming gives the overdue movement reminder its turn; the pending water one gets none.
    service.setPaused(false);
    tickAt(4001);
    EXPECT_EQ(fired, (std::vector{water, movement}));
}

TEST_F(ReminderServiceTest, PauseAndResumeKeepTheTimeLeft) {
    at(2600);
    service.setPaused(true);
    EXPECT_EQ(left(water), 100);
    tickAt(2600 + 600);
    EXPECT_EQ(left(water), 100);
    // Switching a kind back on while paused shows its full interval without starting it.
    service.setEnabled(false, movement);
    EXPECT_EQ(service.remainingText(movement), "已关闭");
    service.setEnabled(true, movement);

    service.setPaused(false);
    tickAt(3200 + 99);
    EXPECT_EQ(left(water), 1);
    tickAt(3200 + 100);
    EXPECT_EQ(fired, std::vector{water});
    EXPECT_EQ(left(movement), 3500);
}

TEST_F(ReminderServiceTest, SetMinutesClampsAndRestartsEvenWhenUnchanged) {
    service.setEnabled(false, movement);
    tickAt(1000);
    service.setMinutes(45, water);
    EXPECT_EQ(left(water), 2700);
    tickAt(1000 + 2700);
    ASSERT_EQ(service.pending(), std::set{water});

    service.setMinutes(0, water);
    EXPECT_EQ(service.waterMinutes(), 1);
    EXPECT_TRUE(service.pending().empty());
    service.snooze(water, 5);
    EXPECT_EQ(left(water), 300);
    EXPECT_EQ(service.waterMinutes(), 1);

    service.setEnabled(true, movement);
    service.setMinutes(500, movement);
    EXPECT_EQ(service.remainingText(movement), "240:00");
}

TEST(ReminderFormat, RoundsUpToWholeSeconds) {
    EXPECT_EQ(ReminderService::format(59.2), "01:00");
    EXPECT_EQ(ReminderService::format(-3), "00:00");
    EXPECT_EQ(ReminderService::format(0.4), "00:01");
    EXPECT_EQ(ReminderService::format(14400), "240:00");
}

}  // namespace
}  // namespace tundle

#include "companion/OffWorkSchedule.h"

#include <gtest/gtest.h>

namespace tundle {
namespace {

const Calendar berlin(QTimeZone("Europe/Berlin"));
const Calendar newYork(QTimeZone("America/New_York"));

QDateTime local(const Calendar& calendar, int month, int day, int hour, int minute = 0) {
    return QDateTime(QDate(2026, month, day), QTime(hour, minute), calendar.timeZone()).toUTC();
}

OffWorkTime time(int hour, int minute, bool enabled = true) {
    return OffWorkTime{.hour = hour, .minute = minute, .enabled = enabled};
}

TEST(OffWorkSchedule, RemainingRoundsMinutesUp) {
    const QDateTime now(QDate(2026, 3, 5), QTime(9, 0), Qt::UTC);
    const auto left = [&](qint64 msecs) {
        return OffWorkSchedule::remaining(now.addMSecs(msecs), now);
    };
    EXPECT_EQ(left(-5000), QStringLiteral("不到 1 分钟"));
    EXPECT_EQ(left(59900), QStringLiteral("不到 1 分钟"));
    EXPECT_EQ(left(60000), QStringLiteral("1 分钟"));
    EXPECT_EQ(left(61000), QStringLiteral("2 分钟"));
    EXPECT_EQ(left(3570000), QStringLiteral("1 小时"));
    EXPECT_EQ(left(3600000), QStringLiteral("1 小时"));
    EXPECT_EQ(left(3660000), QStringLiteral("1 小时 1 分钟"));
    EXPECT_EQ(left(5400000), QStringLiteral("1 小时 30 分钟"));
    EXPECT_EQ(left(7200000), QStringLiteral("2 小时"));
    EXPECT_EQ(left(qint64(100) * 24 * 3600000), QStringLiteral("2400 小时"));
    EXPECT_EQ(OffWorkSchedule::remaining(QDateTime(), now), QStringLiteral("不到 1 分钟"));
}

TEST(OffWorkSchedule, NextIsTheEarliestUsableTimeStrictlyLater) {
    const QDateTime five = local(berlin, 3, 5, 17);
    EXPECT_EQ(OffWorkSchedule::next(five, {time(18, 0), time(17, 30, false)}, berlin),
              local(berlin, 3, 5, 18));
    EXPECT_EQ(OffWorkSchedule::next(five, {time(18, 0), time(17, 30)}, berlin),
              local(berlin, 3, 5, 17, 30));
    EXPECT_EQ(OffWorkSchedule::next(local(berlin, 3, 5, 18), {time(18, 0)}, berlin),
              local(berlin, 3, 6, 18));
    EXPECT_EQ(OffWorkSchedule::next(five, {time(24, 0), time(16, 60), time(18, 0)}, berlin),
              local(berlin, 3, 5, 18));
    EXPECT_EQ(OffWorkSchedule::next(five, {time(18, 0, false)}, berlin), std::nullopt);
    EXPECT_EQ(OffWorkSchedule::next(five, {time(-1, 0), time(12, -5)}, berlin), std::nullopt);
    EXPECT_EQ(OffWorkSchedule::next(five, {}, berlin), std::nullopt);
    // 02:30 is skipped in New York on 8 March; the clock shows 03:00 instead.
    EXPECT_EQ(OffWorkSchedule::next(local(newYork, 3, 7, 12), {time(2, 30)}, newYork),
              QDateTime(QDate(2026, 3, 8), QTime(7, 0), Qt::UTC));
}

}  // namespace
}  // namespace tundle

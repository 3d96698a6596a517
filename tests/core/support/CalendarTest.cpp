#include "support/Calendar.h"

#include <gtest/gtest.h>

namespace tundle {
namespace {

QDateTime utc(int year, int month, int day, int hour, int minute = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
}

const Calendar shanghai(QTimeZone("Asia/Shanghai"));
const Calendar berlin(QTimeZone("Europe/Berlin"));
const Calendar newYork(QTimeZone("America/New_York"));

TEST(Calendar, NumbersWeekdaysFromSundayInItsOwnZone) {
    EXPECT_EQ(shanghai.weekday(utc(2026, 3, 1, 4)), 1);
    EXPECT_EQ(shanghai.weekday(utc(2026, 3, 2, 4)), 2);
    EXPECT_EQ(shanghai.weekday(utc(2026, 3, 7, 4)), 7);
    // Sunday evening in New York is already Monday morning in Shanghai.
    EXPECT_EQ(newYork.weekday(utc(2026, 3, 1, 20)), 1);
    EXPECT_EQ(shanghai.weekday(utc(2026, 3, 1, 20)), 2);
    EXPECT_EQ(Calendar::weekdayFromQt(Qt::Monday), 2);
    EXPECT_EQ(Calendar::weekdayFromQt(Qt::Sunday), 1);
    EXPECT_EQ(shanghai.weekday(QDateTime()), 0);
}

TEST(Calendar, DayStartHourAndSameDayFollowTheZone) {
    const QDateTime instant = utc(2026, 3, 5, 17, 30);
    EXPECT_EQ(shanghai.startOfDay(instant), utc(2026, 3, 5, 16));
    EXPECT_EQ(shanghai.hour(instant), 1);
    EXPECT_EQ(newYork.startOfDay(instant), utc(2026, 3, 5, 5));
    EXPECT_EQ(newYork.hour(instant), 12);
    EXPECT_TRUE(newYork.isSameDay(instant, utc(2026, 3, 5, 5)));
    EXPECT_FALSE(shanghai.isSameDay(instant, utc(2026, 3, 5, 15, 59)));
    // Daylight saving once began at midnight here, so that day started at one o'clock.
    const Calendar saoPaulo(QTimeZone("America/Sao_Paulo"));
    EXPECT_EQ(saoPaulo.startOfDay(utc(2018, 11, 4, 12)), utc(2018, 11, 4, 3));
    EXPECT_EQ(shanghai.startOfDay(QDateTime()), std::nullopt);
}

TEST(Calendar, AddsCalendarDaysNotMultiplesOf24Hours) {
    EXPECT_EQ(berlin.addingDays(utc(2026, 3, 28, 11), 1), utc(2026, 3, 29, 10));
    EXPECT_EQ(berlin.addingDays(utc(2026, 3, 29, 10), -1), utc(2026, 3, 28, 11));
    EXPECT_EQ(newYork.addingDays(utc(2026, 10, 31, 16), 1), utc(2026, 11, 1, 17));
    EXPECT_EQ(shanghai.addingDays(utc(2026, 2, 28, 4), 1), utc(2026, 3, 1, 4));
}

TEST(Calendar, SkippedTimeGivesTheNextExistingTimeAndRepeatedTimeItsFirstOccurrence) {
    EXPECT_EQ(berlin.at(utc(2026, 3, 29, 12), 2, 30, 0), utc(2026, 3, 29, 1));
    EXPECT_EQ(berlin.at(utc(2026, 10, 25, 12), 2, 30, 0), utc(2026, 10, 25, 0, 30));
    EXPECT_EQ(newYork.at(utc(2026, 3, 8, 12), 2, 30, 0), utc(2026, 3, 8, 7));
    EXPECT_EQ(newYork.at(utc(2026, 11, 1, 12), 1, 30, 0), utc(2026, 11, 1, 5, 30));
    EXPECT_EQ(newYork.at(utc(2026, 11, 1, 12), 2, 0, 0), utc(2026, 11, 1, 7));
    EXPECT_EQ(shanghai.at(utc(2026, 3, 5, 12), 23, 59, 59),
              QDateTime(QDate(2026, 3, 5), QTime(15, 59, 59), Qt::UTC));
    EXPECT_EQ(shanghai.at(utc(2026, 3, 5, 12), 24, 0, 0), std::nullopt);
}

TEST(Calendar, NextMatchingTimeIsStrictlyLater) {
    EXPECT_EQ(newYork.nextAfter(utc(2026, 3, 5, 23), 18, 0, 0), utc(2026, 3, 6, 23));
    EXPECT_EQ(newYork.nextAfter(utc(2026, 3, 5, 22, 59), 18, 0, 0), utc(2026, 3, 5, 23));
    // 02:30 does not exist in Berlin on 29 March; the wall clock jumps to 03:00.
    EXPECT_EQ(berlin.nextAfter(utc(2026, 3, 28, 1, 30), 2, 30, 0), utc(2026, 3, 29, 1));
}

TEST(Calendar, CountsDaysFromTheFirstDayOfTheEra) {
    const Calendar universal(QTimeZone::utc());
    EXPECT_EQ(universal.dayOrdinal(utc(1, 1, 1, 12)), 1);
    EXPECT_EQ(universal.dayOrdinal(utc(2001, 1, 1, 0)), 730486);
    EXPECT_EQ(newYork.dayOrdinal(utc(2026, 3, 5, 20)), 739680);
    EXPECT_EQ(shanghai.dayOrdinal(utc(2026, 3, 5, 20)), 739681);
    EXPECT_EQ(universal.dayOrdinal(QDateTime()), std::nullopt);
}

}  // namespace
}  // namespace tundle

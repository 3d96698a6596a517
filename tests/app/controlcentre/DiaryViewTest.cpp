#include <gtest/gtest.h>

#include <QCalendarWidget>

#include "controlcentre/DiaryView.h"
#include "toolkit/PlainButton.h"
#include "toolkit/Popover.h"
#include "toolkit/TextBlock.h"

namespace tundle {
namespace {

const QTimeZone shanghai("Asia/Shanghai");
const Calendar calendar(shanghai);

QDateTime local(int month, int day, int hour = 14, int minute = 30) {
    return QDateTime(QDate(2026, month, day), QTime(hour, minute), shanghai).toUTC();
}

const QString placeholder = "糯墩的笔停在这里。\n先翻翻前几天的小事吧。";

TEST(DiaryViewTest, HasSevenPagesOfFourLinesFromTheThirteenth) {
    const std::vector<DiaryEntry>& entries = DiaryEntry::entries();
    ASSERT_EQ(entries.size(), 7u);
    for (std::size_t index = 0; index < entries.size(); ++index) {
        EXPECT_EQ(entries[index].day, 13 + int(index));
        EXPECT_EQ(entries[index].text.count('\n'), 3);
        EXPECT_FALSE(entries[index].text.endsWith('\n'));
    }
    EXPECT_EQ(entries.back().text.section('\n', 3), "我留了一颗，放在你桌上。");
    EXPECT_EQ(entries.front().date(calendar), local(9, 13, 0, 0));
}

TEST(DiaryViewTest, TitlesTheDayAsMonthSlashDayAndKeepsTheTimeWhenMoving) {
    DiaryPage page(local(9, 16), calendar);
    EXPECT_EQ(page.dateTitle(), "09/16");
    page.move(-1);
    EXPECT_EQ(page.date(), local(9, 15));
    EXPECT_EQ(page.entry()->day, 15);
    EXPECT_EQ(DiaryPage(local(12, 5), calendar).dateTitle(), "12/05");
}

TEST(DiaryViewTest, AfterTheLastPageOffersTheLatestAndLeafsBackToToday) {
    const QDateTime now = local(9, 22);
    DiaryView view([now] { return now; }, calendar);
    EXPECT_EQ(view.pageText()->text(), placeholder);
    EXPECT_EQ(view.bottomButton()->text(), "看看最近一篇");
    EXPECT_FALSE(view.nextButton()->isEnabled()) << "today";
    EXPECT_TRUE(view.previousButton()->isEnabled());

    view.bottomButton()->click();
    EXPECT_EQ(view.page().entry()->day, 19);
    EXPECT_EQ(view.dateButton()->text(), "09/19");
    EXPECT_TRUE(view.nextButton()->isEnabled()) << "day 19 lies before today";
    EXPECT_EQ(view.bottomButton()->text(), "回到今天");

    view.bottomButton()->click();
    EXPECT_EQ(view.page().date(), now);
    EXPECT_EQ(view.dateButton()->text(), "09/22");
}

TEST(DiaryViewTest, StopsAtTheFirstPageAndAtToday) {
    const QDateTime now = local(9, 17);
    DiaryView view([now] { return now; }, calendar);
    EXPECT_TRUE(view.bottomButton()->isHidden()) << "today has a page";
    EXPECT_EQ(view.page().entry()->day, 17);
    for (int step = 0; step < 4; ++step) {
        view.previousButton()->click();
    }
    EXPECT_EQ(view.page().entry()->day, 13);
    EXPECT_FALSE(view.previousButton()->isEnabled());
    view.nextButton()->click();
    EXPECT_TRUE(view.previousButton()->isEnabled());
}

TEST(DiaryViewTest, BeforeTheFirstPageTheCalendarOffersOnlyThatDay) {
    const QDateTime now = local(9, 1);
    DiaryView view([now] { return now; }, calendar);
    EXPECT_FALSE(view.previousButton()->isEnabled());
    EXPECT_FALSE(view.nextButton()->isEnabled());
    EXPECT_EQ(view.pageText()->text(), placeholder);

    view.toggleCalendar();
    ASSERT_TRUE(view.calendarPicker());
    EXPECT_TRUE(view.calendarVisible());
    EXPECT_EQ(view.calendarPicker()->minimumDate(), QDate(2026, 9, 13));
    EXPECT_EQ(view.calendarPicker()->maximumDate(), QDate(2026, 9, 13));
    view.toggleCalendar();
    EXPECT_FALSE(view.calendarVisible());

    view.bottomButton()->click();
    EXPECT_EQ(view.page().entry()->day, 19);
    EXPECT_FALSE(view.nextButton()->isEnabled()) << "day 19 lies after now";
    EXPECT_TRUE(view.previousButton()->isEnabled());
}

TEST(DiaryViewTest, PickingADayInTheCalendarShowsItAtOnce) {
    const QDateTime now = local(10, 3, 9, 5);
    DiaryView view([now] { return now; }, calendar);
    view.toggleCalendar();
    QCalendarWidget& picker = *view.calendarPicker();
    EXPECT_EQ(picker.maximumDate(), QDate(2026, 10, 3));
    EXPECT_EQ(picker.selectedDate(), QDate(2026, 10, 3));
    emit picker.clicked(QDate(2026, 9, 14));
    EXPECT_EQ(view.page().date(), local(9, 14, 9, 5));
    EXPECT_EQ(view.page().entry()->day, 14);
}

}  // namespace
}  // namespace tundle

#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QTableView>
#include <QTest>
#include <QWindow>

#include "controlcentre/DiaryView.h"
#include "toolkit/Colors.h"
#include "toolkit/PlainButton.h"
#include "toolkit/Popover.h"
#include "toolkit/RangeCalendar.h"
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

// The darkest pixel of one day's cell in the calendar: the ink of its number.
int darkestInCell(RangeCalendar& picker, int day) {
    auto* table = picker.findChild<QTableView*>();
    const QImage image = table->viewport()->grab().toImage();
    QAbstractItemModel* model = table->model();
    for (int row = 1; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            // September 2026 is shown from 31 August to 11 October: 12 to 30 appear once.
            const QModelIndex index = model->index(row, column);
            if (model->data(index).toInt() != day) {
                continue;
            }
            const QRect cell = table->visualRect(index);
            int darkest = 255;
            for (int y = cell.top(); y <= cell.bottom(); ++y) {
                for (int x = cell.left(); x <= cell.right(); ++x) {
                    darkest = std::min(darkest, qGray(image.pixel(x, y)));
                }
            }
            return darkest;
        }
    }
    return -1;
}

TEST(DiaryViewTest, TheCalendarDimsTheDaysItDoesNotOffer) {
    const QDateTime now = local(9, 22, 10, 0);
    DiaryView view([now] { return now; }, calendar);
    view.resize(440, 330);
    view.toggleCalendar();
    RangeCalendar& picker = *view.calendarPicker();
    EXPECT_FALSE(picker.offers(QDate(2026, 9, 12)));
    EXPECT_TRUE(picker.offers(QDate(2026, 9, 13)));
    const int offered = darkestInCell(picker, 14);
    const int beforeTheFirstPage = darkestInCell(picker, 12);
    const int afterToday = darkestInCell(picker, 24);
    ASSERT_GE(offered, 0);
    EXPECT_LT(offered, 110) << "an offered day is written in ink";
    EXPECT_GT(beforeTheFirstPage, offered + 50) << "a day before the first page looks disabled";
    EXPECT_GT(afterToday, offered + 50) << "a day after today looks disabled";
}

TEST(DiaryViewTest, TheDateButtonShowsTheTitleThenTheCalendarSymbol) {
    const QDateTime now = local(9, 17);
    DiaryView view([now] { return now; }, calendar);
    PlainButton& button = *view.dateButton();
    PlainButton titleOnly(button.text(), 13, Colors::muted());
    ASSERT_GT(button.sizeHint().width(), titleOnly.sizeHint().width() + 9);
    button.resize(button.sizeHint());
    titleOnly.resize(titleOnly.sizeHint());
    const auto drawn = [](QWidget& widget) {
        QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    };
    const QImage withSymbol = drawn(button);
    const QImage title = drawn(titleOnly);
    // The title starts at the leading edge exactly as it does alone; the symbol follows it.
    EXPECT_EQ(withSymbol.copy(0, 0, title.width() - 4, title.height()),
              title.copy(0, 0, title.width() - 4, title.height()));
}

TEST(DiaryViewTest, APressOutsideTheCalendarStillPressesTheNextDayButton) {
    const QDateTime now = local(9, 22, 10, 0);
    DiaryView view([now] { return now; }, calendar);
    view.setGeometry(100, 100, 440, 330);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.previousButton()->click();
    view.previousButton()->click();
    ASSERT_EQ(view.page().shownDay(), QDate(2026, 9, 20));
    view.toggleCalendar();
    QCoreApplication::processEvents();
    ASSERT_TRUE(view.calendarVisible());

    QWindow* window = view.windowHandle();
    const QPoint next =
        window->mapFromGlobal(view.nextButton()->mapToGlobal(view.nextButton()->rect().center()));
    QTest::mousePress(window, Qt::LeftButton, {}, next);
    QCoreApplication::processEvents();
    QTest::mouseRelease(window, Qt::LeftButton, {}, next);
    QCoreApplication::processEvents();
    EXPECT_FALSE(view.calendarVisible());
    EXPECT_EQ(view.page().shownDay(), QDate(2026, 9, 21)) << "the press went on to the button";

    view.toggleCalendar();
    QCoreApplication::processEvents();
    const QPoint date =
        window->mapFromGlobal(view.dateButton()->mapToGlobal(view.dateButton()->rect().center()));
    QTest::mousePress(window, Qt::LeftButton, {}, date);
    QCoreApplication::processEvents();
    QTest::mouseRelease(window, Qt::LeftButton, {}, date);
    QCoreApplication::processEvents();
    EXPECT_FALSE(view.calendarVisible()) << "the date button closes its own calendar";
}

}  // namespace
}  // namespace tundle

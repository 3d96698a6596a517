#include "toolkit/ToolkitStyle.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimeEdit>
#include <QToolButton>
#include <QTranslator>
#include <QVBoxLayout>

#include "controlcentre/DiaryView.h"
#include "drawing/SymbolImage.h"
#include "editors/DateRangeForm.h"
#include "support/ToolkitLook.h"
#include "toolkit/Colors.h"
#include "toolkit/PlainButton.h"
#include "toolkit/QtTranslations.h"
#include "toolkit/RangeCalendar.h"

namespace tundle {
namespace {

bool near(const QColor& one, const QColor& other, int tolerance = 30) {
    return std::abs(one.red() - other.red()) + std::abs(one.green() - other.green()) +
               std::abs(one.blue() - other.blue()) <
           tolerance;
}

int countNear(const QImage& image, const QColor& color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += near(image.pixelColor(x, y), color) ? 1 : 0;
        }
    }
    return count;
}

// A window of standard controls in the application's look.
struct ControlsWindow {
    ControlsWindow() {
        auto* layout = new QVBoxLayout(&window);
        field->setPlaceholderText(QStringLiteral("搜索"));
        drop->addItems({QStringLiteral("每 30 分钟"), QStringLiteral("每 45 分钟")});
        time->setDisplayFormat(QStringLiteral("HH:mm"));
        check->setChecked(true);
        for (QWidget* control : std::initializer_list<QWidget*>{field, drop, time, spin, check}) {
            layout->addWidget(control);
        }
        window.resize(260, 260);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    test::ToolkitLook look;
    QWidget window;
    QLineEdit* field = new QLineEdit;
    QComboBox* drop = new QComboBox;
    QTimeEdit* time = new QTimeEdit(QTime(9, 0));
    QSpinBox* spin = new QSpinBox;
    QCheckBox* check = new QCheckBox(QStringLiteral("应用时清除本机天气缓存"));
};

TEST(ToolkitStyleTest, FieldsAreFlatWhiteAndRoundedWithAnAccentRingOnlyWhileFocused) {
    ControlsWindow w;
    const QColor ground = w.window.palette().color(QPalette::Window);
    if (QWidget* first = QApplication::focusWidget()) {
        first->clearFocus();
    }
    for (QWidget* control : std::initializer_list<QWidget*>{w.field, w.drop, w.time, w.spin}) {
        SCOPED_TRACE(control->metaObject()->className());
        EXPECT_GE(control->height(), ToolkitStyle::fieldHeight);
        const QImage plain = control->grab().toImage();
        EXPECT_TRUE(near(plain.pixelColor(0, 0), ground)) << "a rounded corner shows the window";
        EXPECT_FALSE(near(plain.pixelColor(control->width() / 2, 0), ground))
            << "a faint edge along the top";
        // Flat: the inside is the same white from top to bottom, with no gradient or bevel.
        const int x = control->width() - 3 * int(ToolkitStyle::fieldRadius) - 20;
        EXPECT_EQ(plain.pixelColor(x, 3), QColor(Qt::white));
        EXPECT_EQ(plain.pixelColor(x, control->height() - 4), QColor(Qt::white));
        EXPECT_EQ(countNear(plain, Colors::accent()), 0) << "no ring without the focus";

        // As the Tab key moves it.
        control->setFocus(Qt::TabFocusReason);
        w.window.setAttribute(Qt::WA_KeyboardFocusChange);
        QCoreApplication::processEvents();
        const QImage focused = control->grab().toImage();
        EXPECT_GT(countNear(focused, Colors::accent()), control->width()) << "the ring shows";
    }
}

TEST(ToolkitStyleTest, CheckBoxesAreTickedInTheAccentAndMenusSelectInIt) {
    ControlsWindow w;
    const QImage checked = w.check->grab().toImage();
    EXPECT_GT(countNear(checked, Colors::accent()), 100) << "a filled accent box";
    w.check->setChecked(false);
    const QImage unchecked = w.check->grab().toImage();
    EXPECT_EQ(countNear(unchecked, Colors::accent()), 0);
    EXPECT_GT(countNear(unchecked, Qt::white), 100) << "an empty white box";

    QMenu menu;
    menu.addAction(QStringLiteral("编辑"));
    QAction* open = menu.addAction(QStringLiteral("打开"));
    menu.ensurePolished();
    menu.adjustSize();
    const QImage closed = menu.grab().toImage();
    EXPECT_EQ(closed.pixelColor(menu.width() / 2, menu.height() / 2), QColor(Qt::white));
    menu.setActiveAction(open);
    const QImage selected = menu.grab().toImage();
    const QRect row = menu.actionGeometry(open);
    const QColor tint = selected.pixelColor(row.left() + 4, row.center().y());
    EXPECT_GT(tint.red(), tint.blue() + 10) << "the selection is a warm tint";
}

// Opens a drop-down with a click, as the user does, and waits for its list.
QAbstractItemView* openList(QComboBox* drop) {
    QTest::mouseClick(drop, Qt::LeftButton, {}, drop->rect().center());
    QAbstractItemView* list = drop->view();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    QCoreApplication::processEvents();
    return list;
}

int darkPixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += qGray(image.pixel(x, y)) < 120 ? 1 : 0;
        }
    }
    return count;
}

TEST(ToolkitStyleTest, DropDownListsOpenAsTallAsTheirRowsAndWriteEveryOption) {
    ControlsWindow w;
    w.drop->addItem(QStringLiteral("每 60 分钟"));
    w.drop->setCurrentIndex(1);
    QAbstractItemView* list = openList(w.drop);
    ASSERT_TRUE(list->isVisible());
    const int line = QFontMetrics(w.drop->font()).height();
    const QImage drawn = list->viewport()->grab().toImage();
    int rows = 0;
    for (int row = 0; row < w.drop->count(); ++row) {
        SCOPED_TRACE(row);
        const QRect rect = list->visualRect(w.drop->model()->index(row, 0));
        EXPECT_GE(rect.height(), line);
        EXPECT_LE(rect.height(), line + 12) << "a row is as tall as a menu row";
        EXPECT_GT(darkPixels(drawn, rect), 40) << "the option's text is written";
        rows += rect.height();
    }
    EXPECT_LE(list->window()->height(), rows + 12) << "the list is as tall as its rows";
    EXPECT_GE(list->window()->height(), rows);
    QTest::keyClick(list, Qt::Key_Escape);

    // A long list shows a screen's part of it and scrolls.
    for (int minutes = 70; minutes <= 400; minutes += 10) {
        w.drop->addItem(QStringLiteral("每 %1 分钟").arg(minutes));
    }
    list = openList(w.drop);
    const int row = list->visualRect(w.drop->model()->index(0, 0)).height();
    EXPECT_LE(list->window()->height(), w.drop->maxVisibleItems() * row + 12);
    EXPECT_GE(list->viewport()->height(), w.drop->maxVisibleItems() * row);
    EXPECT_GT(list->verticalScrollBar()->maximum(), 0);
}

// The icon a calendar's month arrow shows, as a grey mask.
QImage arrowImage(const QCalendarWidget& calendar, const char* name) {
    const auto* arrow = calendar.findChild<QToolButton*>(QLatin1String(name));
    return arrow ? arrow->icon()
                       .pixmap(QSize(14, 14), 1)
                       .toImage()
                       .convertToFormat(QImage::Format_ARGB32_Premultiplied)
                 : QImage();
}

TEST(ToolkitStyleTest, EveryCalendarStartsOnMondayAndTurnsMonthsWithOurChevrons) {
    const test::ToolkitLook look;
    const QLocale before;
    // The interface's locale, whose own weeks start on Sunday.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));

    // The diary's calendar, opened from its date button.
    const QDateTime now(QDate(2026, 9, 22), QTime(10, 0), QTimeZone::utc());
    DiaryView diary([now] { return now; }, Calendar(QTimeZone::utc()));
    diary.show();
    diary.dateButton()->click();
    QCoreApplication::processEvents();
    ASSERT_TRUE(diary.calendarVisible());

    // A date field's calendar, opened from its arrow.
    DateRangeForm form;
    form.show();
    form.batchToggle()->click();
    form.present(WorkPlanEditorState(WorkPlan{}, QDate(2026, 9, 22)));
    QDateEdit* through = form.throughEdit();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(through, Qt::LeftButton, {},
                      QPoint(through->width() - 8, through->height() / 2));
    QCalendarWidget* popup = through->calendarWidget();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup->window()));

    for (const QCalendarWidget* calendar :
         std::initializer_list<const QCalendarWidget*>{diary.calendarPicker(), popup}) {
        EXPECT_EQ(calendar->firstDayOfWeek(), Qt::Monday);
        const QColor title = calendar->palette().color(QPalette::HighlightedText);
        const QImage left = SymbolImage::render(QStringLiteral("chevron.left"), {14, 14}, title);
        const QImage right = SymbolImage::render(QStringLiteral("chevron.right"), {14, 14}, title);
        ASSERT_FALSE(left.isNull());
        EXPECT_EQ(arrowImage(*calendar, "qt_calendar_prevmonth"), left);
        EXPECT_EQ(arrowImage(*calendar, "qt_calendar_nextmonth"), right);
    }
    QLocale::setDefault(before);
}

TEST(ToolkitStyleTest, ScrollBarsAreAThinThumbWithoutArrows) {
    test::ToolkitLook look;
    QScrollBar bar(Qt::Vertical);
    bar.setRange(0, 300);
    bar.setPageStep(100);
    bar.resize(bar.sizeHint().width(), 200);
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = Qt::Vertical;
    option.minimum = 0;
    option.maximum = 300;
    option.pageStep = 100;
    option.sliderPosition = 0;
    option.rect = bar.rect();
    QStyle* style = QApplication::style();
    EXPECT_LE(bar.width(), 12) << "thin";
    EXPECT_EQ(style->hitTestComplexControl(QStyle::CC_ScrollBar, &option, QPoint(5, 2), &bar),
              QStyle::SC_ScrollBarSlider)
        << "the thumb reaches the very top: no arrow above it";
    EXPECT_EQ(style->hitTestComplexControl(QStyle::CC_ScrollBar, &option, QPoint(5, 197), &bar),
              QStyle::SC_ScrollBarAddPage)
        << "a press at the bottom pages down: no arrow below";
    const QRect thumb =
        style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, &bar);
    EXPECT_EQ(thumb.height(), 50) << "a quarter of the track for a quarter of the content";
}

TEST(ToolkitStyleTest, QtsOwnControlsWriteInTheInterfaceFaceAtTheDesktopsSize) {
    const int desktopSize = QApplication::font().pixelSize();
    const double desktopPoints = QApplication::font().pointSizeF();
    const test::ToolkitLook look;
    QLineEdit field(QStringLiteral("糯墩 Tundle"));
    QMenu menu;
    for (const QWidget* control : std::initializer_list<const QWidget*>{&field, &menu}) {
        EXPECT_EQ(QFontInfo(control->font()).family(), QStringLiteral("Noto Sans CJK SC"));
        EXPECT_EQ(control->font().pixelSize(), desktopSize);
        EXPECT_EQ(control->font().pointSizeF(), desktopPoints);
    }
}

TEST(ToolkitStyleTest, QtsOwnTextsReadChinese) {
    const QLocale before;
    ASSERT_TRUE(QtTranslations::install(*QCoreApplication::instance()));
    EXPECT_EQ(QCoreApplication::translate("QFileSystemModel", "Name"), QStringLiteral("名称"));
    EXPECT_EQ(QCoreApplication::translate("QFileSystemModel", "Date Modified"),
              QStringLiteral("修改日期"));
    QLineEdit field(QStringLiteral("糯墩"));
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions()) {
        texts << action->text();
    }
    EXPECT_TRUE(texts.join(u' ').contains(QStringLiteral("复制"))) << qPrintable(texts.join(u' '));
    EXPECT_EQ(QLocale().language(), QLocale::Chinese);
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(before);
}

}  // namespace
}  // namespace tundle

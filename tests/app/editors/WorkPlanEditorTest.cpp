#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimeEdit>
#include <QToolButton>
#include <QWheelEvent>
#include <memory>

#include "FocusWalk.h"
#include "controlcentre/OffWorkViewState.h"
#include "editors/DateRangeForm.h"
#include "editors/PeriodRow.h"
#include "editors/WeekdayChip.h"
#include "editors/WorkPlanEditor.h"
#include "support/ToolkitLook.h"
#include "toolkit/SegmentedControl.h"
#include "toolkit/TextBlock.h"

namespace tundle {
namespace {

// A Wednesday.
const QDate today(2026, 3, 4);

// The editor over a window of its own, as the card opens it.
struct EditorWorld {
    explicit EditorWorld(WorkPlan plan = OffWorkViewState::defaultPlan(),
                         std::optional<QString> notice = std::nullopt) {
        window.resize(800, 700);
        window.show();
        editor = new WorkPlanEditor(std::move(plan), std::move(notice), today, &window);
        editor->open();
        QApplication::setActiveWindow(editor);
        EXPECT_TRUE(QTest::qWaitForWindowActive(editor));
    }

    QWidget window;
    WorkPlanEditor* editor;
};

// Clicks the middle of a segment, as the user would.
void chooseSegment(SegmentedControl* picker, int index) {
    const int y = picker->height() / 2;
    int first = -1;
    int last = -1;
    for (int x = 0; x < picker->width(); ++x) {
        if (picker->segmentAt(QPointF(x, y)) == index) {
            first = first < 0 ? x : first;
            last = x;
        }
    }
    ASSERT_GE(first, 0) << "no segment " << index;
    QTest::mouseClick(picker, Qt::LeftButton, {}, QPoint((first + last) / 2, y));
}

void chooseMode(WorkPlanEditor* editor, WorkPlanMode mode) {
    chooseSegment(editor->modePicker(), static_cast<int>(mode));
}

// Monday first: 2 (Monday) is the first segment, 1 (Sunday) the last.
void chooseWeekday(WorkPlanEditor* editor, int weekday) {
    chooseSegment(editor->weekdayPicker(), (weekday + 5) % 7);
}

void typeTime(QTimeEdit* edit, const QString& text) {
    edit->setFocus();
    edit->setSelectedSection(QDateTimeEdit::HourSection);
    QTest::keyClicks(edit, text);
}

TEST(WorkPlanEditor, EscapeAndWindowCloseBothCancelWithoutSaving) {
    EditorWorld world;
    WorkPlanEditor* editor = world.editor;
    EXPECT_EQ(editor->windowModality(), Qt::WindowModal);
    QSignalSpy saves(editor, &WorkPlanEditor::saveRequested);
    QSignalSpy cancels(editor, &WorkPlanEditor::cancelRequested);

    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(cancels.count(), 1);
    // The owner decides: until it dismisses the sheet, the sheet stays.
    EXPECT_TRUE(editor->isVisible());

    QObject::connect(editor, &WorkPlanEditor::cancelRequested, editor, &Sheet::dismiss);
    editor->close();
    EXPECT_EQ(cancels.count(), 2);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(saves.count(), 0);

    editor->open();
    editor->cancelButton()->click();
    EXPECT_EQ(cancels.count(), 3);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(saves.count(), 0);
}

TEST(WorkPlanEditor, ReturnInATimeOrDateFieldDoesNotSave) {
    EditorWorld world;
    WorkPlanEditor* editor = world.editor;
    QSignalSpy saves(editor, &WorkPlanEditor::saveRequested);
    QSignalSpy cancels(editor, &WorkPlanEditor::cancelRequested);
    editor->addButton()->click();
    // Buttons that had the focus must not turn into defaults either.
    editor->saveButton()->setFocus();
    QTimeEdit* start = editor->rows().at(0)->startEdit();
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Return);
    QTest::keyClick(start, Qt::Key_Enter, Qt::KeypadModifier);

    chooseMode(editor, WorkPlanMode::singleDate);
    editor->dateEdit()->setFocus();
    QTest::keyClick(editor->dateEdit(), Qt::Key_Return);

    EXPECT_EQ(saves.count(), 0);
    EXPECT_EQ(cancels.count(), 0);
    EXPECT_TRUE(editor->isVisible());
    editor->saveButton()->click();
    EXPECT_EQ(saves.count(), 1);
}

TEST(WorkPlanEditor, TimeFieldKeepsTheKeyboardFocusWhileEdited) {
    EditorWorld world;
    WorkPlanEditor* editor = world.editor;
    chooseMode(editor, WorkPlanMode::singleDate);
    editor->addButton()->click();
    PeriodRow* row = editor->rows().at(0);
    QTimeEdit* start = row->startEdit();

    typeTime(start, QStringLiteral("10"));
    EXPECT_EQ(QApplication::focusWidget(), start);
    EXPECT_EQ(editor->rows().at(0), row);
    ASSERT_TRUE(editor->plan().dateOverrides);
    EXPECT_EQ(editor->plan().dateOverrides->at(QStringLiteral("2026-03-04")).at(0).start, 600);

    start->setSelectedSection(QDateTimeEdit::MinuteSection);
    QTest::keyClicks(start, QStringLiteral("45"));
    EXPECT_EQ(QApplication::focusWidget(), start);
    EXPECT_EQ(editor->plan().dateOverrides->at(QStringLiteral("2026-03-04")).at(0).start, 645);
}

void turnWheel(QWidget* widget) {
    const QPointF centre = QRectF(widget->rect()).center();
    QWheelEvent wheel(centre, widget->mapToGlobal(centre), {}, QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

TEST(WorkPlanEditor, WheelMovesATimeOnlyInTheFocusedField) {
    test::ToolkitLook look;
    EditorWorld world;
    WorkPlanEditor* editor = world.editor;
    editor->addButton()->click();
    QTimeEdit* start = editor->rows().at(0)->startEdit();
    editor->saveButton()->setFocus();
    turnWheel(start);
    EXPECT_EQ(editor->plan().periods.at(0).start, 540);
    start->setFocus();
    turnWheel(start);
    EXPECT_NE(editor->plan().periods.at(0).start, 540);
}

TEST(WorkPlanEditor, EqualTimesWarnAndDisableSaveAndAnOvernightPeriodSaysNextDay) {
    EditorWorld world;
    WorkPlanEditor* editor = world.editor;
    EXPECT_EQ(editor->listHeading()->text(), QStringLiteral("休息，不安排新班次"));
    EXPECT_TRUE(editor->saveButton()->isEnabled());
    editor->addButton()->click();
    EXPECT_EQ(editor->listHeading()->text(), QStringLiteral("当天开始的班次"));
    PeriodRow* row = editor->rows().at(0);
    EXPECT_EQ(row->startEdit()->time(), QTime(9, 0));
    EXPECT_EQ(row->endEdit()->time(), QTime(18, 0));
    EXPECT_TRUE(row->enabledSwitch()->isChecked());
    EXPECT_FALSE(row->nextDayLabel()->isVisibleTo(editor));
    EXPECT_FALSE(row->warningLabel()->isVisibleTo(editor));

    typeTime(row->endEdit(), QStringLiteral("09"));
    EXPECT_EQ(editor->plan().periods.at(0).end, 540);
    EXPECT_TRUE(row->warningLabel()->isVisibleTo(editor));
    EXPECT_EQ(row->warningLabel()->text(), QStringLiteral("上下班时间不能相同"));
    EXPECT_FALSE(editor->saveButton()->isEnabled());

    typeTime(row->endEdit(), QStringLiteral("02"));
    EXPECT_TRUE(row->nextDayLabel()->isVisibleTo(editor));
    EXPECT_FALSE(row->warningLabel()->isVisibleTo(editor));
    EXPECT_TRUE(editor->saveButton()->isEnabled());

    row->enabledSwitch()->click();
    EXPECT_FALSE(editor->plan().periods.at(0).enabled);
    row->deleteButton()->click();
    EXPECT_TRUE(editor->plan().periods.empty());
    EXPECT_TRUE(editor->rows().empty());
}

TEST(WorkPlanEditor, WeekdayListIsCopiedOnFirstEditAndRestored) {
    const WorkPeriod day{.start = 540, .end = 1080};
    EditorWorld world(WorkPlan{.periods = {day}, .weekdays = {2, 3, 4, 5, 6}});
    WorkPlanEditor* editor = world.editor;

    editor->chip(7)->click();
    EXPECT_EQ(editor->plan().weekdays, (std::vector<int>{2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(editor->chip(7)->accessibleDescription(), QStringLiteral("工作日"));
    editor->chip(7)->click();
    EXPECT_EQ(editor->chip(7)->accessibleDescription(), QStringLiteral("休息日"));
    EXPECT_EQ(editor->chip(7)->accessibleName(), QStringLiteral("星期六"));

    chooseMode(editor, WorkPlanMode::weekly);
    EXPECT_EQ(editor->weekdayPicker()->currentIndex(), 0);
    EXPECT_EQ(editor->rows().size(), 1u);
    chooseWeekday(editor, 7);
    EXPECT_TRUE(editor->rows().empty());
    EXPECT_FALSE(editor->restoreButton()->isVisibleTo(editor));
    editor->addButton()->click();
    EXPECT_TRUE(editor->restoreButton()->isVisibleTo(editor));
    EXPECT_EQ(editor->plan().weeklyOverrides->at(QStringLiteral("7")).size(), 1u);

    chooseWeekday(editor, 3);
    editor->rows().at(0)->enabledSwitch()->click();
    EXPECT_EQ(editor->plan().weeklyOverrides->size(), 2u);
    EXPECT_TRUE(editor->plan().periods.at(0).enabled);
    editor->restoreButton()->click();
    EXPECT_EQ(editor->plan().weeklyOverrides->size(), 1u);
    EXPECT_TRUE(editor->rows().at(0)->enabledSwitch()->isChecked());
    EXPECT_FALSE(editor->restoreButton()->isVisibleTo(editor));
}

TEST(WorkPlanEditor, RangeFormAppliesAndTheDateListRestores) {
    EditorWorld world(
        WorkPlan{.periods = {WorkPeriod{.start = 540, .end = 1080}}, .weekdays = {2, 3, 4, 5, 6}});
    WorkPlanEditor* editor = world.editor;
    DateRangeForm* form = editor->rangeForm();
    EXPECT_FALSE(form->isVisibleTo(editor));
    chooseMode(editor, WorkPlanMode::singleDate);
    EXPECT_TRUE(form->isVisibleTo(editor));
    EXPECT_FALSE(form->throughEdit()->isVisibleTo(editor));

    form->batchToggle()->click();
    EXPECT_TRUE(form->throughEdit()->isVisibleTo(editor));
    EXPECT_EQ(form->throughEdit()->minimumDate(), today);
    form->throughEdit()->setDate(today.addDays(365));
    form->applyButton()->click();
    EXPECT_EQ(form->feedbackLabel()->text(), QStringLiteral("请选择365天以内的日期范围。"));
    EXPECT_FALSE(editor->plan().dateOverrides);

    form->throughEdit()->setDate(today.addDays(2));
    form->applyButton()->click();
    EXPECT_EQ(form->feedbackLabel()->text(), QStringLiteral("已应用到 3 天，点击保存生效。"));
    EXPECT_EQ(editor->plan().dateOverrides->size(), 3u);
    EXPECT_EQ(form->dateListToggle()->text(), QStringLiteral("已单独安排的日期（3）"));

    EXPECT_FALSE(form->dateList()->isVisibleTo(editor));
    form->dateListToggle()->click();
    EXPECT_TRUE(form->dateList()->isVisibleTo(editor));
    const auto restores = form->dateList()->findChildren<QToolButton*>();
    ASSERT_EQ(restores.size(), 3);
    const auto labels = form->dateList()->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](QLabel* label) {
        return label->text() == QStringLiteral("2026-03-06");
    }));
    restores.back()->click();
    EXPECT_EQ(form->dateListToggle()->text(), QStringLiteral("已单独安排的日期（2）"));
    EXPECT_FALSE(editor->plan().dateOverrides->contains(QStringLiteral("2026-03-06")));

    // Moving the date clears the result line and moves the range's end along.
    editor->dateEdit()->setDate(today.addDays(10));
    EXPECT_FALSE(form->feedbackLabel()->isVisibleTo(editor));
    EXPECT_EQ(form->throughEdit()->date(), today.addDays(10));
}

TEST(WorkPlanEditor, DateFieldsShowTheirWholeDateBesideTheArrow) {
    const test::ToolkitLook look;
    EditorWorld world;
    WorkPlanEditor* editor = world.editor;
    chooseMode(editor, WorkPlanMode::singleDate);
    editor->rangeForm()->batchToggle()->click();
    editor->dateEdit()->setDate(QDate(2026, 12, 8));
    QCoreApplication::processEvents();
    for (QDateEdit* field : {editor->dateEdit(), editor->rangeForm()->throughEdit()}) {
        SCOPED_TRACE(field->accessibleName().toStdString());
        const auto* text = field->findChild<QLineEdit*>();
        ASSERT_EQ(text->text(), QStringLiteral("2026-12-08"));
        // The line edit keeps 2 points on either side and a point for the cursor.
        EXPECT_GE(text->width() - 5, QFontMetrics(text->font()).horizontalAdvance(text->text()));
        QStyleOptionComboBox option;
        option.initFrom(field);
        const QRect arrow = field->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxArrow, field);
        EXPECT_LE(text->geometry().right(), arrow.left());
    }
}

TEST(WorkPlanEditor, TheDateListShowsThreeDatesWithoutScrolling) {
    const test::ToolkitLook look;
    const std::vector<WorkPeriod> day{WorkPeriod{.start = 540, .end = 1080}};
    EditorWorld world(
        WorkPlan{.dateOverrides = WorkPeriodTable{{QStringLiteral("2026-03-04"), day},
                                                  {QStringLiteral("2026-03-05"), {}},
                                                  {QStringLiteral("2026-03-06"), day}}});
    WorkPlanEditor* editor = world.editor;
    chooseMode(editor, WorkPlanMode::singleDate);
    DateRangeForm* form = editor->rangeForm();
    form->dateListToggle()->click();
    QCoreApplication::processEvents();
    auto* list = qobject_cast<QScrollArea*>(form->dateList());
    ASSERT_TRUE(list);
    EXPECT_LE(list->height(), 100);
    EXPECT_EQ(list->verticalScrollBar()->maximum(), 0);
    EXPECT_FALSE(list->verticalScrollBar()->isVisible());
    const auto rows = list->widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(rows.size(), 3);
    for (const QWidget* row : rows) {
        const QRect shown(row->mapTo(list->viewport(), QPoint(0, 0)), row->size());
        EXPECT_GE(row->height(), row->sizeHint().height()) << "no row is squeezed";
        EXPECT_TRUE(list->viewport()->rect().contains(shown)) << "every row shows whole";
    }
}

TEST(WorkPlanEditor, TabFollowsTheFormInEveryModeAndThroughRowsAddedLater) {
    const test::ToolkitLook look;
    EditorWorld world(
        WorkPlan{.periods = {WorkPeriod{.start = 540, .end = 1080}}, .weekdays = {2, 3, 4, 5, 6}});
    WorkPlanEditor* editor = world.editor;
    const auto settled = [&](const char* what) {
        QApplication::processEvents();
        test::expectFocusFollowsTheForm(*editor, QString::fromUtf8(what));
    };
    editor->addButton()->click();
    settled("默认作息, a period added");

    chooseMode(editor, WorkPlanMode::weekly);
    settled("每周安排");

    chooseMode(editor, WorkPlanMode::singleDate);
    DateRangeForm* form = editor->rangeForm();
    form->batchToggle()->click();
    form->throughEdit()->setDate(today.addDays(2));
    form->applyButton()->click();
    form->dateListToggle()->click();
    settled("指定日期, the range form and the date list open");
    editor->addButton()->click();
    settled("指定日期, a period added");
}

TEST(WorkPlanEditor, LegacyNoticeAsksForWorkTimes) {
    EditorWorld world(OffWorkViewState::defaultPlan(), QStringLiteral("原下班时间：18:00、18:30"));
    const auto texts = world.editor->findChildren<TextBlock*>();
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](TextBlock* text) {
        return text->text() == QStringLiteral("原下班时间：18:00、18:30。补齐上班时间后保存。");
    }));
}

TEST(WorkPlanEditor, WeekdayChipsStartAtTheLeadingEdgeLikeEveryOtherRow) {
    EditorWorld world;
    WorkPlanEditor* editor = world.editor;
    const int leading = editor->layout()->contentsMargins().left();
    EXPECT_EQ(editor->chip(2)->mapTo(editor, QPoint(0, 0)).x(), leading) << "Monday comes first";
    EXPECT_EQ(editor->chip(3)->mapTo(editor, QPoint(0, 0)).x(),
              leading + editor->chip(2)->width() + 8);
    EXPECT_LT(editor->chip(1)->mapTo(editor, QPoint(0, 0)).x() + editor->chip(1)->width(),
              editor->width() - 60)
        << "the row ends well before the trailing edge";
}

TEST(WorkPlanEditor, RowsKeepTheirPaddingWhenTheyOutgrowTheListAndAnAlertIsOnTop) {
    const WorkPeriod morning{.start = 540, .end = 720};
    const WorkPeriod afternoon{.start = 810, .end = 1080};
    EditorWorld world(WorkPlan{.periods = {morning, afternoon}, .weekdays = {2}});
    WorkPlanEditor* editor = world.editor;
    // A third row outgrows the list, and the alert of a refused save opens over the sheet at
    // once, before the list has scrolled into shape.
    editor->addButton()->click();
    QMessageBox alert(QMessageBox::Warning, QStringLiteral("工作时段未保存"),
                      QStringLiteral("工作时段配置无效。"), QMessageBox::Ok, editor);
    alert.setWindowModality(Qt::WindowModal);
    alert.open();
    ASSERT_EQ(editor->rows().size(), 3u);
    for (PeriodRow* row : editor->rows()) {
        EXPECT_EQ(row->height(), row->sizeHint().height());
        QTimeEdit* start = row->startEdit();
        EXPECT_GE(start->height(), start->sizeHint().height()) << "the time field is not squashed";
        const int top = start->mapTo(row, QPoint(0, 0)).y();
        EXPECT_GE(top, 12) << "the padding above the controls";
        EXPECT_GE(row->height() - top - start->height(), 12) << "and below them";
    }
    QApplication::processEvents();
    for (PeriodRow* row : editor->rows()) {
        EXPECT_EQ(row->height(), row->sizeHint().height()) << "and once the list scrolls";
    }
    alert.close();
}

}  // namespace
}  // namespace tundle

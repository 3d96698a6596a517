#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QToolButton>

#include "GalleryScene.h"
#include "controlcentre/OffWorkViewState.h"
#include "editors/DateRangeForm.h"
#include "editors/PeriodRow.h"
#include "editors/WorkPlanEditor.h"
#include "toolkit/Colors.h"
#include "toolkit/SegmentedControl.h"

namespace tundle::gallery {

namespace {

// The gallery's day: Monday 2026-03-02.
const QDate galleryDay(2026, 3, 2);

WorkPeriod period(int start, int end, bool enabled = true) {
    return WorkPeriod{.start = start, .end = end, .enabled = enabled};
}

// The sheet as it stands after the scene's clicks, laid out at its own size.
QImage drawEditor(WorkPlanEditor& editor) {
    editor.show();
    QApplication::processEvents();
    QApplication::processEvents();
    QImage image = renderWidget(editor, Colors::canvas());
    editor.hide();
    return image;
}

QImage defaultPlanScene() {
    WorkPlanEditor editor(OffWorkViewState::defaultPlan(), std::nullopt, galleryDay);
    return drawEditor(editor);
}

QImage overnightScene() {
    WorkPlanEditor editor(
        WorkPlan{.periods = {period(540, 720), period(1320, 360)}, .weekdays = {2, 3, 4, 5, 6}},
        std::nullopt, galleryDay);
    return drawEditor(editor);
}

QImage equalTimesScene() {
    WorkPlanEditor editor(
        WorkPlan{.periods = {period(540, 1080), period(1200, 1200, false)}, .weekdays = {2, 3, 4}},
        std::nullopt, galleryDay);
    return drawEditor(editor);
}

QImage weekdayOwnListScene() {
    WorkPlanEditor editor(WorkPlan{.periods = {period(540, 1080)}, .weekdays = {2, 3, 4, 5, 6}},
                          std::nullopt, galleryDay);
    emit editor.modePicker()->activated(static_cast<int>(WorkPlanMode::weekly));
    // Saturday, the sixth segment (Monday first).
    emit editor.weekdayPicker()->activated(5);
    editor.addButton()->click();
    return drawEditor(editor);
}

QImage rangeFormScene() {
    WorkPlanEditor editor(WorkPlan{.periods = {period(540, 1080)}, .weekdays = {2, 3, 4, 5, 6}},
                          std::nullopt, galleryDay);
    emit editor.modePicker()->activated(static_cast<int>(WorkPlanMode::singleDate));
    editor.dateEdit()->setDate(galleryDay.addDays(3));
    editor.dayOffButton()->click();
    editor.dateEdit()->setDate(galleryDay.addDays(28));
    DateRangeForm* form = editor.rangeForm();
    form->batchToggle()->click();
    form->throughEdit()->setDate(galleryDay.addDays(32));
    form->applyButton()->click();
    form->dateListToggle()->click();
    return drawEditor(editor);
}

QImage legacyNoticeScene() {
    WorkPlanEditor editor(OffWorkViewState::defaultPlan(),
                          QStringLiteral("原下班时间：18:00、18:30"), galleryDay);
    return drawEditor(editor);
}

}  // namespace

void addWorkPlanScenes(GalleryScenes& scenes) {
    scenes.push_back({QStringLiteral("workplan-default"), defaultPlanScene});
    scenes.push_back({QStringLiteral("workplan-overnight"), overnightScene});
    scenes.push_back({QStringLiteral("workplan-equal-times"), equalTimesScene});
    scenes.push_back({QStringLiteral("workplan-weekday-own-list"), weekdayOwnListScene});
    scenes.push_back({QStringLiteral("workplan-range-form"), rangeFormScene});
    scenes.push_back({QStringLiteral("workplan-legacy-notice"), legacyNoticeScene});
}

}  // namespace tundle::gallery

#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <QUuid>
#include <array>
#include <vector>

#include "records/WorkPlan.h"

namespace tundle {

// Which schedule the editor shows: the default day, one weekday's own list or one date's.
enum class WorkPlanMode { defaultSchedule, weekly, singleDate };

struct WeekdayLabel {
    int weekday;  // 1 = Sunday … 7 = Saturday
    QStringView label;
};

// Monday first, as the editor shows the week.
inline constexpr std::array<WeekdayLabel, 7> weekdayLabels{{
    {2, u"一"},
    {3, u"二"},
    {4, u"三"},
    {5, u"四"},
    {6, u"五"},
    {7, u"六"},
    {1, u"日"},
}};

// One row of the list of dates with a schedule of their own.
struct DateOverrideRow {
    QString key;
    QString status;

    bool operator==(const DateOverrideRow&) const = default;
};

// A time picker edits a minute count as a clock time; seconds are dropped.
QTime clockTime(int minutes);
int minutesOf(QTime time);
// An end before the start runs into the next day.
bool runsPastMidnight(const WorkPeriod& period);

// The work-plan editor without its widgets: the plan copy being edited and the editor's view
// state. Every edit of a day goes through the list the day shows, so the first edit of a weekday
// or a date that inherits its list gives it an own copy with the change in it.
class WorkPlanEditorState {
public:
    static constexpr int maximumRangeDays = 365;

    WorkPlanEditorState(WorkPlan plan, QDate today);

    const WorkPlan& plan() const { return plan_; }

    WorkPlanMode mode() const { return mode_; }
    void setMode(WorkPlanMode mode);
    int weekday() const { return weekday_; }
    void setWeekday(int weekday);
    QDate date() const { return date_; }
    // Moves the range's last day along when the date passes it.
    void setDate(QDate date);
    QDate through() const { return through_; }
    // Never before the date.
    void setThrough(QDate through);
    bool batch() const { return batch_; }
    void setBatch(bool open) { batch_ = open; }
    const QString& feedback() const { return feedback_; }

    // The list the editor shows: the default periods, the weekday's list as it applies, or the
    // list the date really uses.
    std::vector<WorkPeriod> selected() const;
    // Whether the weekday or date shown has a list of its own.
    bool overridden() const;
    bool canRestoreInherited() const;
    // Save is refused while any period anywhere in the plan starts when it ends.
    bool canSave() const;

    void toggleWorkingWeekday(int weekday);
    void makeDayOff();
    void addPeriod();
    void restoreInherited();
    // A row names its period by place and id: the place tells apart periods that share an id
    // (a hand-edited file may hold such lists); the id guards against a list that moved on.
    void removePeriod(int row, const QUuid& id);
    void setEnabled(int row, const QUuid& id, bool enabled);
    void setStart(int row, const QUuid& id, int minutes);
    void setEnd(int row, const QUuid& id, int minutes);

    // Copies the date's list onto every day from the date through the range's last day.
    void applyRange();
    void restoreDate(const QString& key);

    QString selectorNote() const;
    QString listHeading() const;
    QString dateListTitle() const;
    std::vector<DateOverrideRow> dateOverrideRows() const;

private:
    void setSelected(std::vector<WorkPeriod> periods);
    template <typename Edit>
    void editPeriod(int row, const QUuid& id, Edit edit);

    WorkPlan plan_;
    WorkPlanMode mode_ = WorkPlanMode::defaultSchedule;
    int weekday_ = 2;
    QDate date_;
    QDate through_;
    bool batch_ = false;
    QString feedback_;
};

// "原下班时间：…" becomes the line above the mode picker.
QString legacyNoticeLine(const QString& notice);
QString weekdayAccessibleName(const WeekdayLabel& day);
QString weekdaySegmentTitle(const WeekdayLabel& day);

}  // namespace tundle

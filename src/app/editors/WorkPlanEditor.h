#pragma once

#include <QDate>
#include <optional>
#include <vector>

#include "editors/WorkPlanEditorState.h"
#include "toolkit/Sheet.h"

class QAbstractButton;
class QDateEdit;
class QLabel;
class QWidget;

namespace tundle {

class DateRangeForm;
class PeriodRow;
class SegmentedControl;
class TextBlock;
class RowStack;
class WeekdayChip;

// The sheet "我的作息": edits a copy of the work plan. It saves nothing itself: "保存" asks its
// owner through saveRequested(); "取消", Escape and the window's close through
// cancelRequested(). Neither button takes Return.
class WorkPlanEditor : public Sheet {
    Q_OBJECT

public:
    // `legacyNotice` names the older off-work times when the configuration still has only those.
    WorkPlanEditor(WorkPlan plan, std::optional<QString> legacyNotice, QDate today,
                   QWidget* parent = nullptr);

    const WorkPlan& plan() const { return state_.plan(); }
    const WorkPlanEditorState& state() const { return state_; }

    QAbstractButton* cancelButton() const { return cancel_; }
    QAbstractButton* saveButton() const { return save_; }
    SegmentedControl* modePicker() const { return modes_; }
    SegmentedControl* weekdayPicker() const { return weekdays_; }
    WeekdayChip* chip(int weekday) const;
    QDateEdit* dateEdit() const { return date_; }
    QLabel* listHeading() const { return heading_; }
    QAbstractButton* dayOffButton() const { return dayOff_; }
    QAbstractButton* restoreButton() const { return restore_; }
    QAbstractButton* addButton() const { return add_; }
    const std::vector<PeriodRow*>& rows() const { return rows_; }
    DateRangeForm* rangeForm() const { return rangeForm_; }

signals:
    void saveRequested();

private:
    QWidget* buildSelector();
    QWidget* buildListHeading();
    QWidget* buildPeriodList();
    template <typename Edit>
    void edit(Edit change);
    void present();
    void presentRows();
    void connectRow(PeriodRow* row);

    WorkPlanEditorState state_;
    QAbstractButton* cancel_ = nullptr;
    QAbstractButton* save_ = nullptr;
    SegmentedControl* modes_ = nullptr;
    QWidget* defaultSelector_ = nullptr;
    std::vector<WeekdayChip*> chips_;
    QWidget* weeklySelector_ = nullptr;
    SegmentedControl* weekdays_ = nullptr;
    TextBlock* weeklyNote_ = nullptr;
    QWidget* dateSelector_ = nullptr;
    QDateEdit* date_ = nullptr;
    TextBlock* dateNote_ = nullptr;
    QLabel* heading_ = nullptr;
    QAbstractButton* dayOff_ = nullptr;
    QAbstractButton* restore_ = nullptr;
    RowStack* rowStack_ = nullptr;
    std::vector<PeriodRow*> rows_;
    QAbstractButton* add_ = nullptr;
    DateRangeForm* rangeForm_ = nullptr;
};

}  // namespace tundle

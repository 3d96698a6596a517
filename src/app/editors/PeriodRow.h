#pragma once

#include <QUuid>
#include <QWidget>

#include "records/WorkPlan.h"

class QAbstractButton;
class QLabel;
class QTimeEdit;

namespace tundle {

// One work period of the editor's list: its card (switch, start and end pickers, "次日", delete)
// and, under it, the warning for equal times. It is updated in place, so a picker being typed
// in keeps the keyboard focus.
class PeriodRow : public QWidget {
    Q_OBJECT

public:
    explicit PeriodRow(QWidget* parent = nullptr);

    // Shows the period standing at `row` of the list; the user's edits report that place.
    void present(const WorkPeriod& period, int row);
    int row() const { return row_; }
    const QUuid& periodId() const { return id_; }

    QAbstractButton* enabledSwitch() const { return switch_; }
    QTimeEdit* startEdit() const { return start_; }
    QTimeEdit* endEdit() const { return end_; }
    QAbstractButton* deleteButton() const { return delete_; }
    QLabel* nextDayLabel() const { return nextDay_; }
    QLabel* warningLabel() const { return warning_; }

signals:
    void enabledToggled(bool enabled);
    void startEdited(int minutes);
    void endEdited(int minutes);
    void deleteClicked();

private:
    QAbstractButton* switch_;
    QTimeEdit* start_;
    QTimeEdit* end_;
    QLabel* nextDay_;
    QAbstractButton* delete_;
    QLabel* warning_;
    QUuid id_;
    int row_ = -1;
};

}  // namespace tundle

#pragma once

#include <QDate>
#include <QScrollArea>
#include <QWidget>
#include <vector>

#include "editors/WorkPlanEditorState.h"

class QAbstractButton;
class QCheckBox;
class QDateEdit;
class QLabel;
class QToolButton;
class QVBoxLayout;

namespace tundle {

// The single-date tools of the work-plan editor: the form that copies the date's list onto a
// range of days, its result line, and the folding list of dates with a list of their own.
class DateRangeForm : public QWidget {
    Q_OBJECT

public:
    explicit DateRangeForm(QWidget* parent = nullptr);

    void present(const WorkPlanEditorState& state);

    QCheckBox* batchToggle() const { return batch_; }
    QDateEdit* throughEdit() const { return through_; }
    QAbstractButton* applyButton() const { return apply_; }
    QLabel* feedbackLabel() const { return feedback_; }
    QToolButton* dateListToggle() const { return listToggle_; }
    QWidget* dateList() const { return listArea_; }

signals:
    void batchToggled(bool open);
    void throughChanged(QDate through);
    void applyClicked();
    void restoreDateClicked(const QString& key);

private:
    void presentDateList();

    QCheckBox* batch_;
    QWidget* rangeRow_;
    QDateEdit* through_;
    QAbstractButton* apply_;
    QLabel* rangeNote_;
    QLabel* feedback_;
    QToolButton* listToggle_;
    bool listOpen_ = false;
    QScrollArea* listArea_;
    QWidget* listContent_;
    QVBoxLayout* listLayout_;
    std::vector<DateOverrideRow> shownRows_;
    std::vector<DateOverrideRow> rows_;
};

}  // namespace tundle

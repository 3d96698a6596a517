#include "editors/PeriodRow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "editors/WorkPlanEditorState.h"

namespace tundle {

namespace {

constexpr int cardRadius = 12;
constexpr int cardPadding = 12;

// The white rounded card behind a row's controls.
class RowCard : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(rect(), cardRadius, cardRadius);
    }
};

QTimeEdit* timeEdit(const QString& title, QWidget* parent) {
    auto* edit = new QTimeEdit(parent);
    edit->setDisplayFormat(QStringLiteral("HH:mm"));
    edit->setAccessibleName(title);
    edit->setKeyboardTracking(true);
    return edit;
}

void setTimeQuietly(QTimeEdit* edit, int minutes) {
    const QTime time = clockTime(minutes);
    // Writing the same time back would move the cursor of a picker being typed in.
    if (edit->time() != time) {
        const QSignalBlocker blocker(edit);
        edit->setTime(time);
    }
}

}  // namespace

PeriodRow::PeriodRow(QWidget* parent) : QWidget(parent) {
    auto* card = new RowCard(this);
    switch_ = new QCheckBox(card);
    switch_->setAccessibleName(QStringLiteral("启用"));
    start_ = timeEdit(QStringLiteral("上班"), card);
    end_ = timeEdit(QStringLiteral("下班"), card);
    nextDay_ = new QLabel(QStringLiteral("次日"), card);
    auto* remove = new QToolButton(card);
    remove->setAutoRaise(true);
    remove->setText(QStringLiteral("删除"));
    remove->setAccessibleName(QStringLiteral("删除班次"));
    remove->setToolTip(QStringLiteral("删除班次"));
    delete_ = remove;

    auto* row = new QHBoxLayout(card);
    row->setContentsMargins(cardPadding, cardPadding, cardPadding, cardPadding);
    row->setSpacing(12);
    row->addWidget(switch_);
    row->addWidget(new QLabel(QStringLiteral("上班"), card));
    row->addWidget(start_);
    row->addWidget(new QLabel(QStringLiteral("下班"), card));
    row->addWidget(end_);
    row->addWidget(nextDay_);
    row->addStretch();
    row->addWidget(delete_);

    warning_ = new QLabel(QStringLiteral("上下班时间不能相同"), this);
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(10);
    stack->addWidget(card);
    stack->addWidget(warning_, 0, Qt::AlignHCenter);

    connect(switch_, &QAbstractButton::toggled, this, &PeriodRow::enabledToggled);
    connect(start_, &QTimeEdit::timeChanged, this,
            [this](QTime time) { emit startEdited(minutesOf(time)); });
    connect(end_, &QTimeEdit::timeChanged, this,
            [this](QTime time) { emit endEdited(minutesOf(time)); });
    connect(delete_, &QAbstractButton::clicked, this, &PeriodRow::deleteClicked);
}

void PeriodRow::present(const WorkPeriod& period, int row) {
    id_ = period.id;
    row_ = row;
    if (switch_->isChecked() != period.enabled) {
        const QSignalBlocker blocker(switch_);
        switch_->setChecked(period.enabled);
    }
    setTimeQuietly(start_, period.start);
    setTimeQuietly(end_, period.end);
    nextDay_->setVisible(runsPastMidnight(period));
    warning_->setVisible(period.start == period.end);
}

}  // namespace tundle

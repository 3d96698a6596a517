#include "editors/PeriodRow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "drawing/SymbolImage.h"
#include "editors/WorkPlanEditorState.h"
#include "toolkit/Colors.h"
#include "toolkit/PlainLabel.h"
#include "toolkit/Spacing.h"
#include "toolkit/Switch.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

constexpr int cardRadius = 12;
constexpr int cardPadding = 12;
constexpr int trashSide = 16;
// The desktop's own orange for warnings, apart from the accent.
const QColor warningOrange(255, 149, 0);

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
    switch_ = new Switch(card);
    switch_->setAccessibleName(QStringLiteral("启用"));
    start_ = timeEdit(QStringLiteral("上班"), card);
    end_ = timeEdit(QStringLiteral("下班"), card);
    nextDay_ = plainLabel(QStringLiteral("次日"), TextSize::footnote, Colors::muted(), card);
    auto* remove = new QToolButton(card);
    remove->setAutoRaise(true);
    remove->setCursor(Qt::PointingHandCursor);
    remove->setIconSize(QSize(trashSide, trashSide));
    remove->setIcon(QIcon(QPixmap::fromImage(SymbolImage::render(
        QStringLiteral("trash"), QSize(trashSide, trashSide) * 2, Colors::muted()))));
    remove->setAccessibleName(QStringLiteral("删除班次"));
    remove->setToolTip(QStringLiteral("删除班次"));
    delete_ = remove;

    auto* row = new QHBoxLayout(card);
    row->setContentsMargins(cardPadding, cardPadding, cardPadding, cardPadding);
    row->setSpacing(Spacing::regular);
    row->addWidget(switch_);
    row->addWidget(plainLabel(QStringLiteral("上班"), TextSize::control, Colors::ink(), card));
    row->addWidget(start_);
    row->addWidget(plainLabel(QStringLiteral("下班"), TextSize::control, Colors::ink(), card));
    row->addWidget(end_);
    row->addWidget(nextDay_);
    row->addStretch();
    row->addWidget(delete_);

    warning_ =
        plainLabel(QStringLiteral("上下班时间不能相同"), TextSize::footnote, warningOrange, this);
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(Spacing::medium);
    stack->addWidget(card);
    stack->addWidget(warning_, 0, Qt::AlignHCenter);

    connect(switch_, &QAbstractButton::clicked, this, &PeriodRow::enabledToggled);
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

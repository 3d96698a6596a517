#include "editors/DateRangeForm.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>

namespace tundle {

namespace {

constexpr int dateListMaximumHeight = 100;

QWidget* dateRow(const DateOverrideRow& row, DateRangeForm* form, QWidget* parent) {
    auto* widget = new QWidget(parent);
    auto* layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 3, 0, 3);
    auto* key = new QLabel(row.key, widget);
    key->setTextFormat(Qt::PlainText);
    auto* status = new QLabel(row.status, widget);
    status->setForegroundRole(QPalette::PlaceholderText);
    auto* restore = new QToolButton(widget);
    restore->setAutoRaise(true);
    restore->setText(QStringLiteral("恢复沿用"));
    layout->addWidget(key);
    layout->addWidget(status);
    layout->addStretch();
    layout->addWidget(restore);
    QObject::connect(restore, &QToolButton::clicked, form,
                     [form, key = row.key] { emit form->restoreDateClicked(key); });
    return widget;
}

}  // namespace

DateRangeForm::DateRangeForm(QWidget* parent) : QWidget(parent) {
    batch_ = new QCheckBox(QStringLiteral("把当前安排应用到连续几天"), this);

    rangeRow_ = new QWidget(this);
    through_ = new QDateEdit(rangeRow_);
    through_->setCalendarPopup(true);
    through_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    through_->setAccessibleName(QStringLiteral("截至"));
    apply_ = new QPushButton(QStringLiteral("应用"), rangeRow_);
    auto* rangeLayout = new QHBoxLayout(rangeRow_);
    rangeLayout->setContentsMargins(0, 0, 0, 0);
    rangeLayout->addWidget(new QLabel(QStringLiteral("截至"), rangeRow_));
    rangeLayout->addWidget(through_);
    rangeLayout->addWidget(apply_);
    rangeLayout->addStretch();

    rangeNote_ =
        new QLabel(QStringLiteral("覆盖选定范围的单日安排，保存后生效。最多一次365天。"), this);
    feedback_ = new QLabel(this);
    feedback_->setTextFormat(Qt::PlainText);

    listToggle_ = new QToolButton(this);
    listToggle_->setCheckable(true);
    listToggle_->setAutoRaise(true);
    listToggle_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    listToggle_->setArrowType(Qt::RightArrow);
    listArea_ = new QScrollArea(this);
    listArea_->setWidgetResizable(true);
    listArea_->setFrameShape(QFrame::NoFrame);
    listArea_->setMaximumHeight(dateListMaximumHeight);
    listArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    listArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    listContent_ = new QWidget(listArea_);
    listLayout_ = new QVBoxLayout(listContent_);
    listLayout_->setContentsMargins(0, 0, 0, 0);
    listLayout_->setSpacing(0);
    listArea_->setWidget(listContent_);
    listArea_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    layout->addWidget(batch_);
    layout->addWidget(rangeRow_);
    layout->addWidget(rangeNote_);
    layout->addWidget(feedback_);
    layout->addWidget(listToggle_);
    layout->addWidget(listArea_);

    connect(batch_, &QCheckBox::toggled, this, &DateRangeForm::batchToggled);
    connect(through_, &QDateEdit::dateChanged, this, &DateRangeForm::throughChanged);
    connect(apply_, &QAbstractButton::clicked, this, &DateRangeForm::applyClicked);
    connect(listToggle_, &QToolButton::toggled, this, [this](bool open) {
        listToggle_->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
        listArea_->setVisible(open);
        presentDateList();
    });
}

void DateRangeForm::present(const WorkPlanEditorState& state) {
    if (batch_->isChecked() != state.batch()) {
        const QSignalBlocker blocker(batch_);
        batch_->setChecked(state.batch());
    }
    rangeRow_->setVisible(state.batch());
    rangeNote_->setVisible(state.batch());
    {
        const QSignalBlocker blocker(through_);
        through_->setMinimumDate(state.date());
        if (through_->date() != state.through()) {
            through_->setDate(state.through());
        }
    }
    feedback_->setText(state.feedback());
    feedback_->setVisible(!state.feedback().isEmpty());
    listToggle_->setText(state.dateListTitle());
    rows_ = state.dateOverrideRows();
    presentDateList();
}

void DateRangeForm::presentDateList() {
    // A folded list is built only when it opens.
    if (!listToggle_->isChecked() || rows_ == shownRows_) {
        return;
    }
    // The row whose button asked for this may still be delivering its click.
    while (QLayoutItem* item = listLayout_->takeAt(0)) {
        if (QWidget* widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
    for (const DateOverrideRow& row : rows_) {
        listLayout_->addWidget(dateRow(row, this, listContent_));
    }
    listLayout_->addStretch();
    shownRows_ = rows_;
}

}  // namespace tundle

#include "editors/DateRangeForm.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QToolButton>
#include <algorithm>

#include "toolkit/Colors.h"
#include "toolkit/PlainLabel.h"
#include "toolkit/SoftButton.h"
#include "toolkit/Spacing.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

constexpr int dateListMaximumHeight = 100;

QWidget* dateRow(const DateOverrideRow& row, DateRangeForm* form, QWidget* parent) {
    auto* widget = new QWidget(parent);
    auto* layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 3, 0, 3);
    auto* key = plainLabel(row.key, TextSize::body, Colors::ink(), widget);
    auto* status = plainLabel(row.status, TextSize::body, Colors::muted(), widget);
    auto* restore = new QToolButton(widget);
    restore->setAutoRaise(true);
    restore->setCursor(Qt::PointingHandCursor);
    restore->setFont(Typography::font(TextSize::body));
    restore->setText(QStringLiteral("恢复沿用"));
    QPalette palette = restore->palette();
    palette.setColor(QPalette::ButtonText, Colors::accent());
    restore->setPalette(palette);
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
    batch_->setFont(Typography::font(TextSize::body));

    rangeRow_ = new QWidget(this);
    through_ = new QDateEdit(rangeRow_);
    through_->setCalendarPopup(true);
    through_->setKeyboardTracking(false);
    through_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    through_->setAccessibleName(QStringLiteral("截至"));
    apply_ = new SoftButton(QStringLiteral("应用"), rangeRow_);
    auto* rangeLayout = new QHBoxLayout(rangeRow_);
    rangeLayout->setContentsMargins(0, 0, 0, 0);
    auto* throughTitle =
        plainLabel(QStringLiteral("截至"), TextSize::control, Colors::ink(), rangeRow_);
    throughTitle->setBuddy(through_);
    rangeLayout->addWidget(throughTitle);
    rangeLayout->addWidget(through_);
    rangeLayout->addWidget(apply_);
    rangeLayout->addStretch();

    rangeNote_ = plainLabel(QStringLiteral("覆盖选定范围的单日安排，保存后生效。最多一次365天。"),
                            TextSize::footnote, Colors::muted(), this);
    feedback_ = plainLabel({}, TextSize::body, Colors::accent(), this);

    listToggle_ = new QToolButton(this);
    listToggle_->setAutoRaise(true);
    listToggle_->setCursor(Qt::PointingHandCursor);
    listToggle_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    listToggle_->setArrowType(Qt::RightArrow);
    listToggle_->setFont(Typography::font(TextSize::body));
    listArea_ = new QScrollArea(this);
    // Its rows are the Tab stops; the list itself would take the focus without showing it.
    listArea_->setFocusPolicy(Qt::NoFocus);
    listArea_->setWidgetResizable(true);
    listArea_->setFrameShape(QFrame::NoFrame);
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
    layout->setSpacing(Spacing::wide);
    layout->addWidget(batch_);
    layout->addWidget(rangeRow_);
    layout->addWidget(rangeNote_);
    layout->addWidget(feedback_);
    layout->addWidget(listToggle_);
    layout->addWidget(listArea_);

    connect(batch_, &QCheckBox::clicked, this, &DateRangeForm::batchToggled);
    connect(through_, &QDateEdit::dateChanged, this, &DateRangeForm::throughChanged);
    connect(apply_, &QAbstractButton::clicked, this, &DateRangeForm::applyClicked);
    connect(listToggle_, &QToolButton::clicked, this, [this] {
        listOpen_ = !listOpen_;
        listToggle_->setArrowType(listOpen_ ? Qt::DownArrow : Qt::RightArrow);
        listArea_->setVisible(listOpen_);
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
    if (!listOpen_ || rows_ == shownRows_) {
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
    // As tall as its rows up to the limit, then it scrolls: a short list is never squeezed to
    // make room in the sheet. (The new rows show only once the event loop runs, so the
    // layout cannot measure them yet.)
    int height = 0;
    for (const DateOverrideRow& row : rows_) {
        QWidget* widget = dateRow(row, this, listContent_);
        listLayout_->addWidget(widget);
        height += widget->sizeHint().height();
    }
    listLayout_->addStretch();
    listArea_->setFixedHeight(std::min(height, dateListMaximumHeight));
    shownRows_ = rows_;
}

}  // namespace tundle

#include "editors/WorkPlanEditor.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "editors/DateRangeForm.h"
#include "editors/PeriodRow.h"
#include "editors/RowStack.h"
#include "editors/WeekdayChip.h"
#include "toolkit/Colors.h"
#include "toolkit/LightPalette.h"
#include "toolkit/OrangeButton.h"
#include "toolkit/PlainLabel.h"
#include "toolkit/SegmentedControl.h"
#include "toolkit/SoftButton.h"
#include "toolkit/Spacing.h"
#include "toolkit/TabOrder.h"
#include "toolkit/TextBlock.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

constexpr int sheetWidth = 540;
constexpr int sheetPadding = 26;
constexpr int periodListHeight = 145;

TextBlock* note(const QString& text, double points, QWidget* parent) {
    auto* block = new TextBlock(text, parent);
    block->setFont(Typography::font(points));
    block->setColor(Colors::muted());
    return block;
}

QHBoxLayout* row(QWidget* parent) {
    auto* layout = new QHBoxLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

// A picker with its title before it, as a labelled form row.
QWidget* titled(const QString& title, QWidget* picker, QWidget* parent) {
    auto* line = new QWidget(parent);
    auto* layout = row(line);
    auto* caption = plainLabel(title, TextSize::control, Colors::ink(), line);
    caption->setBuddy(picker);
    picker->setParent(line);
    picker->setAccessibleName(title);
    layout->addWidget(caption);
    layout->addWidget(picker);
    layout->addStretch();
    return line;
}

QStringList weekdayTitles() {
    QStringList titles;
    for (const WeekdayLabel& day : weekdayLabels) {
        titles.append(weekdaySegmentTitle(day));
    }
    return titles;
}

int weekdayIndex(int weekday) {
    for (std::size_t i = 0; i < weekdayLabels.size(); ++i) {
        if (weekdayLabels[i].weekday == weekday) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

}  // namespace

WorkPlanEditor::WorkPlanEditor(WorkPlan plan, std::optional<QString> legacyNotice, QDate today,
                               QWidget* parent)
    : Sheet(parent), state_(std::move(plan), today) {
    setWindowTitle(QStringLiteral("我的作息"));
    LightPalette::apply(*this);
    setAutoFillBackground(true);

    auto* titleRow = new QWidget(this);
    cancel_ = new SoftButton(QStringLiteral("取消"), titleRow);
    save_ = new OrangeButton(QStringLiteral("保存"), titleRow);
    auto* titleLayout = row(titleRow);
    titleLayout->addWidget(
        plainLabel(QStringLiteral("我的作息"), 22, Colors::ink(), titleRow, FontWeight::semibold));
    titleLayout->addStretch();
    titleLayout->addWidget(cancel_);
    titleLayout->addWidget(save_);

    modes_ = new SegmentedControl(
        {QStringLiteral("默认作息"), QStringLiteral("每周安排"), QStringLiteral("指定日期")});

    auto* add = new SoftButton(QStringLiteral("添加班次"), this);
    add->setSymbol(QStringLiteral("plus"));
    add_ = add;
    rangeForm_ = new DateRangeForm(this);
    auto* closingNote =
        note(QStringLiteral("跨夜班归上班当天；今天休息不会取消昨天开始的夜班。调休需修改对应日期，"
                            "不自动套用法定节假日。"),
             11, this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(sheetPadding, sheetPadding, sheetPadding, sheetPadding);
    layout->setSpacing(Spacing::wide);
    layout->addWidget(titleRow);
    if (legacyNotice) {
        layout->addWidget(note(legacyNoticeLine(*legacyNotice), 12, this));
    }
    layout->addWidget(titled(QStringLiteral("安排方式"), modes_, this));
    layout->addWidget(buildSelector());
    layout->addWidget(buildListHeading());
    layout->addWidget(buildPeriodList());
    layout->addWidget(add_, 0, Qt::AlignLeft);
    layout->addWidget(rangeForm_);
    layout->addWidget(closingNote);
    setContentWidth(sheetWidth);

    connect(cancel_, &QAbstractButton::clicked, this, &WorkPlanEditor::cancelRequested);
    connect(save_, &QAbstractButton::clicked, this, &WorkPlanEditor::saveRequested);
    connect(modes_, &SegmentedControl::activated, this, [this](int mode) {
        edit([mode](WorkPlanEditorState& state) { state.setMode(WorkPlanMode(mode)); });
    });
    connect(add_, &QAbstractButton::clicked, this,
            [this] { edit([](WorkPlanEditorState& state) { state.addPeriod(); }); });
    connect(rangeForm_, &DateRangeForm::batchToggled, this, [this](bool open) {
        edit([open](WorkPlanEditorState& state) { state.setBatch(open); });
    });
    connect(rangeForm_, &DateRangeForm::throughChanged, this, [this](QDate through) {
        edit([through](WorkPlanEditorState& state) { state.setThrough(through); });
    });
    connect(rangeForm_, &DateRangeForm::applyClicked, this,
            [this] { edit([](WorkPlanEditorState& state) { state.applyRange(); }); });
    connect(rangeForm_, &DateRangeForm::restoreDateClicked, this, [this](const QString& key) {
        edit([&key](WorkPlanEditorState& state) { state.restoreDate(key); });
    });
    present();
}

QWidget* WorkPlanEditor::buildSelector() {
    auto* selector = new QWidget(this);
    auto* layout = new QVBoxLayout(selector);
    layout->setContentsMargins(0, 0, 0, 0);

    defaultSelector_ = new QWidget(selector);
    auto* defaultLayout = new QVBoxLayout(defaultSelector_);
    defaultLayout->setContentsMargins(0, 0, 0, 0);
    defaultLayout->addWidget(note(state_.selectorNote(), 12, defaultSelector_));
    auto* chipRow = new QHBoxLayout();
    chipRow->setSpacing(Spacing::small);
    for (const WeekdayLabel& day : weekdayLabels) {
        auto* chip =
            new WeekdayChip(day.label.toString(), weekdayAccessibleName(day), defaultSelector_);
        chips_.push_back(chip);
        chipRow->addWidget(chip);
        connect(chip, &QAbstractButton::clicked, this, [this, weekday = day.weekday] {
            edit([weekday](WorkPlanEditorState& state) { state.toggleWorkingWeekday(weekday); });
        });
    }
    chipRow->addStretch();
    defaultLayout->addLayout(chipRow);

    weeklySelector_ = new QWidget(selector);
    auto* weeklyLayout = new QVBoxLayout(weeklySelector_);
    weeklyLayout->setContentsMargins(0, 0, 0, 0);
    weekdays_ = new SegmentedControl(weekdayTitles());
    weeklyLayout->addWidget(titled(QStringLiteral("星期"), weekdays_, weeklySelector_));
    weeklyNote_ = note({}, 12, weeklySelector_);
    weeklyLayout->addWidget(weeklyNote_);
    connect(weekdays_, &SegmentedControl::activated, this, [this](int index) {
        const int weekday = weekdayLabels.at(index).weekday;
        edit([weekday](WorkPlanEditorState& state) { state.setWeekday(weekday); });
    });

    dateSelector_ = new QWidget(selector);
    auto* dateLayout = new QVBoxLayout(dateSelector_);
    dateLayout->setContentsMargins(0, 0, 0, 0);
    date_ = new QDateEdit;
    date_->setCalendarPopup(true);
    // A date typed digit by digit passes through other dates; only the finished one counts.
    date_->setKeyboardTracking(false);
    date_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dateLayout->addWidget(titled(QStringLiteral("选择日期"), date_, dateSelector_));
    dateNote_ = note({}, 12, dateSelector_);
    dateLayout->addWidget(dateNote_);
    connect(date_, &QDateEdit::dateChanged, this, [this](QDate date) {
        edit([date](WorkPlanEditorState& state) { state.setDate(date); });
    });

    layout->addWidget(defaultSelector_);
    layout->addWidget(weeklySelector_);
    layout->addWidget(dateSelector_);
    return selector;
}

QWidget* WorkPlanEditor::buildListHeading() {
    auto* heading = new QWidget(this);
    heading_ = plainLabel({}, TextSize::emphasis, Colors::ink(), heading, FontWeight::medium);
    dayOff_ = new SoftButton(QStringLiteral("设为休息"), heading);
    restore_ = new SoftButton(QStringLiteral("恢复沿用"), heading);
    auto* layout = row(heading);
    layout->addWidget(heading_);
    layout->addStretch();
    layout->addWidget(dayOff_);
    layout->addWidget(restore_);
    connect(dayOff_, &QAbstractButton::clicked, this,
            [this] { edit([](WorkPlanEditorState& state) { state.makeDayOff(); }); });
    connect(restore_, &QAbstractButton::clicked, this,
            [this] { edit([](WorkPlanEditorState& state) { state.restoreInherited(); }); });
    return heading;
}

QWidget* WorkPlanEditor::buildPeriodList() {
    auto* area = new QScrollArea(this);
    // Its rows are the Tab stops; the list itself would take the focus without showing it.
    area->setFocusPolicy(Qt::NoFocus);
    area->setFixedHeight(periodListHeight);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Each row keeps the height it asks for, also in the moment between a new row and the list
    // growing to scroll it: a box layout would squeeze the rows into the old height.
    rowStack_ = new RowStack(10, area);
    area->setWidget(rowStack_);
    return area;
}

template <typename Edit>
void WorkPlanEditor::edit(Edit change) {
    change(state_);
    present();
}

void WorkPlanEditor::present() {
    const WorkPlanMode mode = state_.mode();
    modes_->setCurrentIndex(static_cast<int>(mode));
    defaultSelector_->setVisible(mode == WorkPlanMode::defaultSchedule);
    for (std::size_t i = 0; i < chips_.size(); ++i) {
        const int weekday = weekdayLabels[i].weekday;
        const auto& days = state_.plan().weekdays;
        chips_[i]->setWorking(std::find(days.begin(), days.end(), weekday) != days.end());
    }

    weeklySelector_->setVisible(mode == WorkPlanMode::weekly);
    weekdays_->setCurrentIndex(weekdayIndex(state_.weekday()));
    weeklyNote_->setText(state_.selectorNote());

    dateSelector_->setVisible(mode == WorkPlanMode::singleDate);
    if (date_->date() != state_.date()) {
        const QSignalBlocker blocker(date_);
        date_->setDate(state_.date());
    }
    dateNote_->setText(state_.selectorNote());

    heading_->setText(state_.listHeading());
    restore_->setVisible(state_.canRestoreInherited());
    presentRows();
    rangeForm_->setVisible(mode == WorkPlanMode::singleDate);
    rangeForm_->present(state_);
    save_->setEnabled(state_.canSave());
    // The selectors, the rows and the range form are all made after the buttons they follow.
    chainTabOrder(*this);
}

void WorkPlanEditor::presentRows() {
    const std::vector<WorkPeriod> periods = state_.selected();
    // Rows are kept and refilled, so a picker being typed in keeps its focus.
    while (rows_.size() > periods.size()) {
        PeriodRow* gone = rows_.back();
        rows_.pop_back();
        gone->hide();
        // Its own delete button may still be delivering the click.
        gone->deleteLater();
    }
    while (rows_.size() < periods.size()) {
        auto* added = new PeriodRow(rowStack_);
        connectRow(added);
        added->show();
        rows_.push_back(added);
    }
    for (std::size_t i = 0; i < periods.size(); ++i) {
        rows_[i]->present(periods[i], static_cast<int>(i));
    }
    rowStack_->setRows(std::vector<QWidget*>(rows_.begin(), rows_.end()));
}

void WorkPlanEditor::connectRow(PeriodRow* row) {
    connect(row, &PeriodRow::enabledToggled, this, [this, row](bool enabled) {
        edit([&](WorkPlanEditorState& state) {
            state.setEnabled(row->row(), row->periodId(), enabled);
        });
    });
    connect(row, &PeriodRow::startEdited, this, [this, row](int minutes) {
        edit([&](WorkPlanEditorState& state) {
            state.setStart(row->row(), row->periodId(), minutes);
        });
    });
    connect(row, &PeriodRow::endEdited, this, [this, row](int minutes) {
        edit([&](WorkPlanEditorState& state) {
            state.setEnd(row->row(), row->periodId(), minutes);
        });
    });
    connect(row, &PeriodRow::deleteClicked, this, [this, row] {
        edit([&](WorkPlanEditorState& state) { state.removePeriod(row->row(), row->periodId()); });
    });
}

WeekdayChip* WorkPlanEditor::chip(int weekday) const {
    for (std::size_t i = 0; i < chips_.size(); ++i) {
        if (weekdayLabels[i].weekday == weekday) {
            return chips_[i];
        }
    }
    return nullptr;
}

}  // namespace tundle

#include "controlcentre/ReminderCard.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "model/AppModel.h"
#include "toolkit/Colors.h"
#include "toolkit/Paper.h"
#include "toolkit/PlainButton.h"
#include "toolkit/PlainLabel.h"
#include "toolkit/Switch.h"
#include "toolkit/SymbolView.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

QString symbolName(ReminderKind kind) {
    return kind == ReminderKind::water ? QStringLiteral("drop.fill")
                                       : QStringLiteral("figure.walk");
}

QColor symbolColor(ReminderKind kind) {
    return kind == ReminderKind::water ? QColor::fromRgbF(0.34f, 0.57f, 0.67f)
                                       : QColor::fromRgbF(0.47f, 0.58f, 0.36f);
}

QHBoxLayout* row(QWidget* owner, int spacing) {
    auto* layout = new QHBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    return layout;
}

}  // namespace

ReminderCard::ReminderCard(AppModel& model, ReminderKind kind, QWidget* parent)
    : QWidget(parent), model_(model), kind_(kind) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* paper = new Paper(17);
    outer->addWidget(paper);
    QVBoxLayout& content = paper->content();
    content.setSpacing(13);
    content.addWidget(buildHeader());
    content.addWidget(buildCountdown());
    content.addWidget(buildInterval());

    connect(&model_.reminders(), &ReminderService::changed, this, &ReminderCard::refresh);
    refresh();
}

QString ReminderCard::title(ReminderKind kind) {
    return kind == ReminderKind::water ? QStringLiteral("喝水提醒") : QStringLiteral("站立提醒");
}

QWidget* ReminderCard::buildHeader() {
    auto* header = new QWidget;
    QHBoxLayout* layout = row(header, 6);
    auto* symbol = new SymbolView(symbolName(kind_), 17, symbolColor(kind_));
    layout->addWidget(symbol);
    layout->addWidget(
        plainLabel(title(kind_), TextSize::control, Colors::ink(), header, FontWeight::semibold));
    layout->addStretch(1);
    switch_ = new Switch;
    switch_->setAccessibleName(QStringLiteral("开启") + reminderKindTitle(kind_));
    connect(switch_, &Switch::clicked, this, [this](bool checked) {
        model_.reminders().setEnabled(checked, kind_);
        model_.saveSettings();
    });
    layout->addWidget(switch_);
    return header;
}

QWidget* ReminderCard::buildCountdown() {
    auto* countdown = new QWidget;
    QHBoxLayout* layout = row(countdown, 6);
    countdown_ = plainLabel({}, 26, Colors::ink(), countdown);
    countdown_->setFont(Typography::counter(26, FontWeight::medium));
    caption_ = plainLabel(QStringLiteral("后提醒"), TextSize::caption, Colors::muted(), countdown);
    layout->addWidget(countdown_, 0, Qt::AlignBaseline);
    layout->addWidget(caption_, 0, Qt::AlignBaseline);
    layout->addStretch(1);
    return countdown;
}

QWidget* ReminderCard::buildInterval() {
    auto* interval = new QWidget;
    QHBoxLayout* layout = row(interval, 4);
    layout->addWidget(
        plainLabel(QStringLiteral("每"), TextSize::footnote, Colors::muted(), interval));
    picker_ = new QComboBox;
    picker_->setFixedWidth(89);
    picker_->setFont(Typography::font(TextSize::footnote));
    picker_->setAccessibleName(reminderKindTitle(kind_) + QStringLiteral("间隔"));
    connect(picker_, &QComboBox::activated, this, &ReminderCard::chooseInterval);
    layout->addWidget(picker_);
    layout->addStretch(1);
    action_ = new PlainButton({}, TextSize::footnote, Colors::accent());
    connect(action_, &QAbstractButton::clicked, this, &ReminderCard::act);
    layout->addWidget(action_);
    return interval;
}

void ReminderCard::refresh() {
    const ReminderCardState next = ReminderCardState::read(model_.reminders(), kind_);
    if (next == state_ && picker_->count() > 0) {
        return;
    }
    state_ = next;
    {
        const QSignalBlocker blocker(switch_);
        switch_->setChecked(state_.enabled);
    }
    countdown_->setText(state_.countdown);
    caption_->setVisible(state_.showsCaption);
    action_->setText(state_.actionTitle);
    action_->setEnabled(state_.actionEnabled);
    fillPicker();
}

// Refilled from the service under a blocker: choosing an option restarts the countdown even for
// the same value, so only the user's own choice may reach the service.
void ReminderCard::fillPicker() {
    const QSignalBlocker blocker(picker_);
    std::vector<int> shown;
    for (int index = 0; index < picker_->count(); ++index) {
        shown.push_back(picker_->itemData(index).toInt());
    }
    if (shown != state_.intervalOptions) {
        picker_->clear();
        for (const int minutes : state_.intervalOptions) {
            picker_->addItem(QString::number(minutes) + QStringLiteral(" 分钟"), minutes);
        }
    }
    picker_->setCurrentIndex(picker_->findData(state_.minutes));
}

void ReminderCard::chooseInterval(int index) {
    model_.reminders().setMinutes(picker_->itemData(index).toInt(), kind_);
    model_.saveSettings();
}

void ReminderCard::act() {
    if (state_.completes) {
        model_.reminders().complete(kind_);
    } else {
        model_.remind(kind_);
    }
}

}  // namespace tundle

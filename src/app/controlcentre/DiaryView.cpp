#include "controlcentre/DiaryView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "toolkit/Colors.h"
#include "toolkit/PlainButton.h"
#include "toolkit/PlainLabel.h"
#include "toolkit/Popover.h"
#include "toolkit/RangeCalendar.h"
#include "toolkit/Spacing.h"
#include "toolkit/TextBlock.h"
#include "toolkit/Typography.h"

namespace tundle {

DiaryView::DiaryView(Clock clock, Calendar calendar, QWidget* parent)
    : QWidget(parent), clock_(std::move(clock)), page_(clock_(), std::move(calendar)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Spacing::sheet, Spacing::sheet, Spacing::sheet, Spacing::sheet);
    layout->setSpacing(18);
    layout->addWidget(
        plainLabel(QStringLiteral("糯墩的日记"), 19, Colors::ink(), this, FontWeight::semibold));
    layout->addWidget(buildNavigation());
    text_ = new TextBlock;
    text_->setFont(Typography::font(TextSize::emphasis));
    text_->setColor(Colors::ink());
    text_->setLineSpacing(8);
    layout->addWidget(text_);
    auto* bottomRow = new QHBoxLayout;
    bottom_ = new PlainButton({}, TextSize::footnote, Colors::accent());
    connect(bottom_, &QAbstractButton::clicked, this, [this] {
        if (const auto action = page_.bottomAction(clock_())) {
            showDate(action->second);
        }
    });
    bottomRow->addWidget(bottom_);
    bottomRow->addStretch(1);
    layout->addLayout(bottomRow);
    layout->addStretch(1);
    present();
}

QWidget* DiaryView::buildNavigation() {
    auto* navigation = new QWidget;
    auto* row = new QHBoxLayout(navigation);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(15);
    previous_ = new PlainButton({}, TextSize::control, Colors::muted());
    previous_->setSymbol(QStringLiteral("chevron.left"));
    previous_->setAccessibleName(QStringLiteral("前一天"));
    dateButton_ = new PlainButton({}, TextSize::control, Colors::muted());
    dateButton_->setTrailingSymbol(QStringLiteral("calendar"), 9, 12);
    next_ = new PlainButton({}, TextSize::control, Colors::muted());
    next_->setSymbol(QStringLiteral("chevron.right"));
    next_->setAccessibleName(QStringLiteral("后一天"));
    connect(previous_, &QAbstractButton::clicked, this, [this] {
        page_.move(-1);
        present();
    });
    connect(next_, &QAbstractButton::clicked, this, [this] {
        page_.move(1);
        present();
    });
    connect(dateButton_, &QAbstractButton::clicked, this, &DiaryView::toggleCalendar);
    row->addWidget(previous_);
    row->addWidget(dateButton_);
    row->addWidget(next_);
    row->addStretch(1);
    return navigation;
}

bool DiaryView::calendarVisible() const {
    return popover_ && popover_->isVisible();
}

void DiaryView::toggleCalendar() {
    if (calendarVisible()) {
        popover_->hide();
        return;
    }
    if (!popover_) {
        popover_ = new Popover(this);
        picker_ = new RangeCalendar;
        picker_->setAccessibleName(QStringLiteral("选择日记日期"));
        picker_->setLocale(QLocale(QLocale::Chinese, QLocale::China));
        picker_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        auto* padded = new QWidget;
        auto* padding = new QVBoxLayout(padded);
        padding->setContentsMargins(Spacing::wide, Spacing::wide, Spacing::wide, Spacing::wide);
        padding->addWidget(picker_);
        popover_->content().addWidget(padded);
        connect(picker_, &QCalendarWidget::clicked, this, [this](QDate day) {
            page_.pick(day);
            present();
        });
    }
    present();
    popover_->showFor(*dateButton_, 280);
}

void DiaryView::showDate(const QDateTime& date) {
    page_.setDate(date);
    present();
}

void DiaryView::present() {
    const QDateTime now = clock_();
    dateButton_->setText(page_.dateTitle());
    previous_->setEnabled(page_.canGoBack());
    next_->setEnabled(page_.canGoForward(now));
    text_->setText(page_.text());
    const auto action = page_.bottomAction(now);
    bottom_->setVisible(action.has_value());
    if (action) {
        bottom_->setText(action->first);
    }
    if (picker_) {
        const QSignalBlocker blocker(picker_);
        const auto [first, last] = page_.pickableDays(now);
        picker_->setDateRange(first, last);
        picker_->setSelectedDate(page_.shownDay());
    }
}

void DiaryView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath card;
    card.addRoundedRect(QRectF(rect()), 26, 26);
    painter.fillPath(card, Colors::withOpacity(Qt::white, 0.86));
}

}  // namespace tundle

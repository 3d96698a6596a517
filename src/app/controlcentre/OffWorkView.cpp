#include "controlcentre/OffWorkView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "config/ConfigurationStore.h"
#include "controlcentre/RestArtwork.h"
#include "editors/WorkPlanEditor.h"
#include "support/UserFacingError.h"
#include "toolkit/Alert.h"
#include "toolkit/Colors.h"
#include "toolkit/PlainButton.h"
#include "toolkit/PlainLabel.h"
#include "toolkit/Spacing.h"
#include "toolkit/SymbolView.h"
#include "toolkit/TextBlock.h"
#include "toolkit/Typography.h"
#include "toolkit/VisibilityGate.h"

namespace tundle {

OffWorkView::OffWorkView(ConfigurationStore& configuration, Clock clock, Calendar calendar,
                         QImage artwork, QWidget* parent)
    : QWidget(parent),
      configuration_(configuration),
      clock_(std::move(clock)),
      calendar_(std::move(calendar)) {
    setMinimumHeight(90);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 0, 16, 0);
    layout->setSpacing(Spacing::medium);
    resting_ = buildResting(std::move(artwork));
    plain_ = buildPlain();
    layout->addWidget(resting_, 1);
    layout->addWidget(plain_, 1);
    edit_ = new PlainButton({}, 15, Colors::accent());
    edit_->setSymbol(QStringLiteral("slider.horizontal.3"));
    edit_->setAccessibleName(QStringLiteral("编辑工作时段"));
    connect(edit_, &QAbstractButton::clicked, this, &OffWorkView::openEditor);
    layout->addWidget(edit_, 0, Qt::AlignVCenter);

    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &OffWorkView::tick);
    (new VisibilityGate(*this))->drive(timer_);
    connect(&configuration_, &ConfigurationStore::valueChanged, this, &OffWorkView::tick);
    tick();
}

QWidget* OffWorkView::buildResting(QImage artwork) {
    auto* resting = new QWidget;
    auto* layout = new QHBoxLayout(resting);
    layout->setContentsMargins(0, 8, 0, 8);
    layout->setSpacing(Spacing::medium);
    artwork_ = new RestArtwork(std::move(artwork));
    artwork_->setFixedSize(100, 70);
    layout->addWidget(artwork_, 0, Qt::AlignVCenter);
    restLine_ = new TextBlock;
    restLine_->setFont(Typography::font(TextSize::emphasis, FontWeight::medium));
    restLine_->setColor(Colors::ink());
    restLine_->setLineSpacing(4);
    layout->addWidget(restLine_, 1, Qt::AlignVCenter);
    return resting;
}

QWidget* OffWorkView::buildPlain() {
    auto* plain = new QWidget;
    auto* layout = new QHBoxLayout(plain);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Spacing::medium);
    layout->addWidget(new SymbolView(QStringLiteral("sun.horizon"), 23, Colors::accent()));
    auto* text = new QWidget;
    auto* lines = new QVBoxLayout(text);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(Spacing::tight);
    headline_ = plainLabel({}, 15, Colors::ink(), text, FontWeight::medium);
    caption_ = plainLabel({}, TextSize::footnote, Colors::muted(), text);
    lines->addWidget(headline_);
    lines->addWidget(caption_);
    layout->addWidget(text, 1, Qt::AlignVCenter);
    return plain;
}

void OffWorkView::tick() {
    const OffWorkViewState next =
        OffWorkViewState::evaluate(clock_(), configuration_.value().schedule, calendar_);
    if (presented_ && next == state_) {
        return;
    }
    state_ = next;
    presented_ = true;
    present();
}

void OffWorkView::present() {
    const bool resting = state_.form == OffWorkViewState::Form::resting;
    resting_->setVisible(resting);
    plain_->setVisible(!resting);
    if (resting) {
        artwork_->setKind(state_.rest);
        restLine_->setText(state_.restLine);
        return;
    }
    headline_->setFont(Typography::font(state_.headlinePoints, FontWeight::medium));
    headline_->setText(state_.headline);
    caption_->setText(state_.caption);
    caption_->setVisible(!state_.caption.isEmpty());
}

void OffWorkView::openEditor() {
    if (editor_) {
        return;
    }
    const ScheduleConfiguration& schedule = configuration_.value().schedule;
    const QDate today = calendar_.date(clock_());
    editor_ = new WorkPlanEditor(schedule.workPlan.value_or(OffWorkViewState::defaultPlan()),
                                 OffWorkViewState::legacyNotice(schedule), today, this);
    editor_->setAttribute(Qt::WA_DeleteOnClose);
    connect(editor_, &WorkPlanEditor::saveRequested, this, &OffWorkView::save);
    connect(editor_, &Sheet::cancelRequested, editor_, &Sheet::dismiss);
    editor_->open();
}

// A refused write leaves the stored plan as it was and the editor open on the edited copy.
void OffWorkView::save() {
    if (!editor_) {
        return;
    }
    const WorkPlan draft = editor_->plan();
    try {
        configuration_.update([&draft](UserConfiguration& configuration) {
            configuration.schedule.workPlan = draft;
            configuration.schedule.legacyTimes.clear();
        });
    } catch (const UserFacingError& error) {
        saveError_ = error.message();
        alert_ = openAlert(editor_, Alert{
                                        .title = QStringLiteral("工作时段未保存"),
                                        .message = *saveError_,
                                        .closed = [this] { saveError_.reset(); },
                                    });
        return;
    }
    editor_->dismiss();
}

void OffWorkView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath card;
    card.addRoundedRect(QRectF(rect()), 20, 20);
    painter.fillPath(card, QColor::fromRgbF(0.98f, 0.965f, 0.935f));
}

}  // namespace tundle

#include "controlcentre/BreathingView.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "controlcentre/BreathButton.h"
#include "controlcentre/BreathingPebble.h"
#include "model/AppModel.h"
#include "platform/SessionEvents.h"
#include "toolkit/Typography.h"
#include "toolkit/VisibilityGate.h"

namespace tundle {

namespace {

const QColor ink = QColor::fromRgbF(1, 1, 1, 0.92f);
const QColor secondary = QColor::fromRgbF(0.58f, 0.58f, 0.58f);

constexpr double titleTop = 66;
constexpr double timelineGap = 8;
constexpr QSizeF bloomSize(400, 380);
constexpr double phaseHeight = 36;
constexpr double hintGap = 7;
constexpr double hintHeight = 27;
constexpr double controlsGap = 9;
constexpr double controlsHeight = 109;
constexpr double rowSpacing = 15;
constexpr double firstRowHeight = 32;
constexpr double secondRowHeight = 43;
constexpr double chipSpacing = 10;
constexpr double buttonSpacing = 14;
constexpr QRectF closeRect(720 - 65 - 36, 60, 36, 36);

QFont titleFont() {
    return Typography::tracked(Typography::font(23), 1);
}

QFont phaseFont() {
    return Typography::tracked(Typography::font(22), 2);
}

bool exercising(BreathingState state) {
    return state == BreathingState::running || state == BreathingState::paused;
}

}  // namespace

BreathingView::Picture BreathingView::picture(BreathingState state, const BreathMoment& moment,
                                              bool still) {
    if (still) {
        return {0.6, 0};
    }
    if (state == BreathingState::idle) {
        return {0.68, moment.elapsed};
    }
    return {moment.expansion, moment.elapsed};
}

QString BreathingView::phaseWord(BreathingState state, bool inhaling) {
    switch (state) {
        case BreathingState::idle:
            return QStringLiteral("先找一个舒服的姿势");
        case BreathingState::running:
            return inhaling ? QStringLiteral("轻轻吸气") : QStringLiteral("慢慢呼气");
        case BreathingState::paused:
            return QStringLiteral("停一会儿，也没关系");
        case BreathingState::completed:
            break;
    }
    return QStringLiteral("慢慢回到自己的节奏");
}

QString BreathingView::hint(BreathingState state) {
    switch (state) {
        case BreathingState::idle:
            return QStringLiteral("圆点舒展时吸气，聚拢时呼气");
        case BreathingState::running:
            return QStringLiteral("不用刻意吸深，轻柔地呼吸");
        case BreathingState::paused:
            return QStringLiteral("准备好时，我们再继续");
        case BreathingState::completed:
            break;
    }
    return QStringLiteral("可以继续坐一会儿，糯墩陪着你");
}

BreathingView::BreathingView(AppModel& model, SessionEvents& session, double scale,
                             std::function<void()> close, QWidget* parent)
    : QWidget(parent),
      model_(model),
      breathing_(model.breathing()),
      session_(session),
      scale_(scale),
      closeAction_(std::move(close)),
      main_(new BreathButton(BreathButton::Look::filled, {}, this)),
      end_(new BreathButton(BreathButton::Look::outlined, {}, this)),
      pause_(new BreathButton(BreathButton::Look::filled, {}, this)),
      closeButton_(new BreathButton(BreathButton::Look::close, {}, this)),
      gate_(new VisibilityGate(*this)) {
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize((designSize * scale).toSize());
    for (const int minutes : BreathingService::durations) {
        auto* chip = new BreathButton(BreathButton::Look::chip,
                                      QStringLiteral("%1 分钟").arg(minutes), this);
        chip->setAccessibleName(QStringLiteral("练习 %1 分钟").arg(minutes));
        connect(chip, &QAbstractButton::clicked, this, [this, minutes] {
            breathing_.setDuration(minutes);
            model_.saveSettings();
        });
        chips_.push_back(chip);
    }
    closeButton_->setToolTip(QStringLiteral("结束并关闭 · Esc"));
    closeButton_->setAccessibleName(QStringLiteral("结束并关闭呼吸练习"));
    connect(closeButton_, &QAbstractButton::clicked, this, [this] { closeAction_(); });
    connect(end_, &QAbstractButton::clicked, this, [this] { closeAction_(); });
    connect(main_, &QAbstractButton::clicked, this, &BreathingView::start);
    connect(pause_, &QAbstractButton::clicked, this, &BreathingView::pauseOrResume);

    frameTimer_.setInterval(1000 / framesPerSecond);
    frameTimer_.setTimerType(Qt::PreciseTimer);
    connect(&frameTimer_, &QTimer::timeout, this, &BreathingView::updatePicture);
    gate_->drive(frameTimer_,
                 [this] { return breathing_.state() == BreathingState::running && !still(); });

    connect(&breathing_, &BreathingService::changed, this, &BreathingView::sync);
    connect(&model_, &AppModel::reduceMotionChanged, this, &BreathingView::sync);
    connect(&model_, &AppModel::assetRevisionChanged, this, qOverload<>(&QWidget::update));
    connect(&session_, &SessionEvents::reduceMotionChanged, this, &BreathingView::sync);
    sync();
}

bool BreathingView::still() const {
    return model_.reduceMotion() || session_.reduceMotion();
}

QString BreathingView::remainingLine() const {
    switch (breathing_.state()) {
        case BreathingState::running:
            return QStringLiteral("还剩 ") + breathing_.remainingText();
        case BreathingState::paused:
            return QStringLiteral("已暂停 · ") + breathing_.remainingText();
        case BreathingState::idle:
        case BreathingState::completed:
            break;
    }
    return {};
}

BreathingView::Rows BreathingView::rows() const {
    Rows rows{};
    rows.titleTop = titleTop;
    rows.timelineTop = titleTop + QFontMetricsF(titleFont()).height() + timelineGap;
    rows.hintTop = rows.timelineTop + bloomSize.height() + phaseHeight + hintGap;
    const double controlsTop = rows.hintTop + hintHeight + controlsGap;
    const double content = firstRowHeight + rowSpacing + secondRowHeight;
    rows.firstRow = controlsTop + (controlsHeight - content) / 2;
    rows.secondRow = rows.firstRow + firstRowHeight + rowSpacing;
    return rows;
}

QRectF BreathingView::bloomRect() const {
    return {(designSize.width() - bloomSize.width()) / 2, rows().timelineTop, bloomSize.width(),
            bloomSize.height()};
}

void BreathingView::sync() {
    const BreathingState state = breathing_.state();
    const bool choosing = !exercising(state);
    for (size_t index = 0; index < chips_.size(); ++index) {
        chips_[index]->setVisible(choosing);
        chips_[index]->setSelected(breathing_.durationMinutes() ==
                                   BreathingService::durations[index]);
    }
    main_->setVisible(choosing);
    main_->setText(state == BreathingState::completed ? QStringLiteral("再呼吸一会儿")
                                                      : QStringLiteral("开始呼吸"));
    end_->setVisible(state != BreathingState::idle);
    end_->setText(state == BreathingState::completed ? QStringLiteral("回到桌面")
                                                     : QStringLiteral("结束练习"));
    pause_->setVisible(exercising(state));
    pause_->setText(state == BreathingState::paused ? QStringLiteral("继续呼吸")
                                                    : QStringLiteral("暂停一下"));
    layoutControls();
    gate_->refresh();
    update();
}

void BreathingView::layoutControls() {
    const Rows at = rows();
    const double centre = designSize.width() / 2;
    const double chipsWidth =
        chips_.size() * chips_.front()->designSize().width() + (chips_.size() - 1) * chipSpacing;
    double x = centre - chipsWidth / 2;
    for (BreathButton* chip : chips_) {
        chip->place(QRectF(QPointF(x, at.firstRow), chip->designSize()), scale_);
        x += chip->designSize().width() + chipSpacing;
    }
    std::vector<BreathButton*> row;
    for (BreathButton* button : {end_, main_, pause_}) {
        if (!button->isHidden()) {
            row.push_back(button);
        }
    }
    double rowWidth = 0;
    for (BreathButton* button : row) {
        rowWidth += button->designSize().width();
    }
    rowWidth += double(row.size() - 1) * buttonSpacing;
    x = centre - rowWidth / 2;
    for (BreathButton* button : row) {
        button->place(QRectF(QPointF(x, at.secondRow), button->designSize()), scale_);
        x += button->designSize().width() + buttonSpacing;
    }
    closeButton_->place(closeRect, scale_);
}

void BreathingView::start() {
    model_.startBreathing();
}

void BreathingView::pauseOrResume() {
    if (breathing_.state() == BreathingState::paused) {
        breathing_.resume();
        model_.reminders().setPaused(true);
        model_.stopAnimation();
        model_.dismissBubble();
    } else {
        breathing_.pause();
        model_.reminders().setPaused(true);
    }
}

void BreathingView::pressReturn() {
    if (!exercising(breathing_.state())) {
        start();
    }
}

void BreathingView::pressSpace() {
    if (exercising(breathing_.state())) {
        pauseOrResume();
    }
}

void BreathingView::updatePicture() {
    const QRectF bloom = bloomRect().adjusted(0, 0, 0, phaseHeight);
    update(QRectF(bloom.topLeft() * scale_, bloom.size() * scale_).toAlignedRect());
}

void BreathingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale_, scale_);
    const QRectF design(QPointF(0, 0), designSize);
    painter.fillPath(BreathingPebble::path(design), Qt::black);

    const Rows at = rows();
    const BreathingState state = breathing_.state();
    const BreathMoment moment = breathing_.moment();
    painter.setPen(ink);
    painter.setFont(titleFont());
    painter.drawText(QRectF(0, at.titleTop, design.width(), QFontMetricsF(titleFont()).height()),
                     Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("和糯墩，慢慢呼吸"));

    const bool motionless = still();
    const Picture shown = picture(state, moment, motionless);
    const QRectF bloom = bloomRect();
    bloom_.paint(painter, bloom, shown.expansion, shown.elapsed,
                 model_.assets().breathingFrames(moment, motionless), scale_ * devicePixelRatioF());

    painter.setPen(ink);
    painter.setFont(phaseFont());
    painter.drawText(QRectF(0, bloom.bottom(), design.width(), phaseHeight), Qt::AlignCenter,
                     phaseWord(state, moment.inhaling));
    painter.setPen(secondary);
    painter.setFont(Typography::font(TextSize::body));
    painter.drawText(QRectF(0, at.hintTop, design.width(), hintHeight), Qt::AlignCenter,
                     hint(state));
    if (exercising(state)) {
        painter.setFont(Typography::counter(TextSize::control));
        painter.drawText(QRectF(0, at.firstRow, design.width(), firstRowHeight), Qt::AlignCenter,
                         remainingLine());
    }
}

void BreathingView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    // The window manager moves the panel where it can; elsewhere we follow the pointer.
    if (QWindow* handle = window()->windowHandle(); handle && handle->startSystemMove()) {
        return;
    }
    dragOffset_ = event->globalPosition().toPoint() - window()->pos();
}

void BreathingView::mouseMoveEvent(QMouseEvent* event) {
    if (dragOffset_) {
        window()->move(event->globalPosition().toPoint() - *dragOffset_);
    }
}

void BreathingView::mouseReleaseEvent(QMouseEvent*) {
    dragOffset_.reset();
}

}  // namespace tundle

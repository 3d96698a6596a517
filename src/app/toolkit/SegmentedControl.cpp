#include "toolkit/SegmentedControl.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "toolkit/Colors.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

constexpr double inset = 2;
constexpr double controlHeight = 26;
constexpr double segmentPadding = 14;

}  // namespace

SegmentedControl::SegmentedControl(const QStringList& titles, QWidget* parent)
    : QWidget(parent), titles_(titles) {
    setFont(Typography::font(TextSize::body, FontWeight::medium));
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void SegmentedControl::setCurrentIndex(int index) {
    if (index >= 0 && index < titles_.size() && index != current_) {
        current_ = index;
        update();
    }
}

QSize SegmentedControl::sizeHint() const {
    const QFontMetricsF metrics(font());
    double widest = 0;
    for (const QString& title : titles_) {
        widest = std::max(widest, metrics.horizontalAdvance(title));
    }
    const double segment = widest + 2 * segmentPadding;
    return {int(std::ceil(segment * titles_.size() + 2 * inset)), int(controlHeight)};
}

QRectF SegmentedControl::segmentRect(int index) const {
    const double segment = (width() - 2 * inset) / std::max<qsizetype>(1, titles_.size());
    return {inset + index * segment, inset, segment, double(height()) - 2 * inset};
}

int SegmentedControl::segmentAt(QPointF point) const {
    for (int index = 0; index < titles_.size(); ++index) {
        if (segmentRect(index).contains(point)) {
            return index;
        }
    }
    return -1;
}

void SegmentedControl::choose(int index) {
    if (index < 0 || index >= titles_.size()) {
        return;
    }
    setCurrentIndex(index);
    emit activated(index);
}

void SegmentedControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isEnabled()) {
        choose(segmentAt(event->position()));
    }
}

void SegmentedControl::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Left && current_ > 0) {
        choose(current_ - 1);
    } else if (event->key() == Qt::Key_Right && current_ + 1 < titles_.size()) {
        choose(current_ + 1);
    } else {
        QWidget::keyPressEvent(event);
    }
}

void SegmentedControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) {
        painter.setOpacity(0.45);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Colors::grey(0, 0.06));
    painter.drawRoundedRect(QRectF(rect()), 7, 7);
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(Colors::withOpacity(Colors::accent(), 0.5), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
        painter.setPen(Qt::NoPen);
    }
    const QRectF selected = segmentRect(current_);
    painter.setBrush(Colors::grey(0, 0.08));
    painter.drawRoundedRect(selected.translated(0, 0.5), 5.5, 5.5);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(selected, 5.5, 5.5);
    for (int index = 0; index < titles_.size(); ++index) {
        QFont font = this->font();
        if (index == current_) {
            font = Typography::font(font.pixelSize(), FontWeight::semibold);
        }
        painter.setFont(font);
        painter.setPen(index == current_ ? Colors::ink() : Colors::muted());
        painter.drawText(segmentRect(index), Qt::AlignCenter, titles_[index]);
    }
}

}  // namespace tundle

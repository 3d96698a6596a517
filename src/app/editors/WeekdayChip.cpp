#include "editors/WeekdayChip.h"

#include <QPainter>

namespace tundle {

namespace {

constexpr QSize chipSize(44, 32);
constexpr qreal chipRadius = 9;
constexpr qreal workingTint = 0.18;

}  // namespace

WeekdayChip::WeekdayChip(const QString& label, const QString& accessibleName, QWidget* parent)
    : QAbstractButton(parent) {
    setText(label);
    setAccessibleName(accessibleName);
    setFixedSize(chipSize);
    setCursor(Qt::PointingHandCursor);
    setWorking(false);
}

void WeekdayChip::setWorking(bool working) {
    working_ = working;
    setAccessibleDescription(working ? QStringLiteral("工作日") : QStringLiteral("休息日"));
    update();
}

QSize WeekdayChip::sizeHint() const {
    return chipSize;
}

void WeekdayChip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    QColor fill = Qt::white;
    if (working_) {
        fill = palette().color(QPalette::Highlight);
        fill.setAlphaF(workingTint);
    }
    painter.setBrush(fill);
    painter.drawRoundedRect(rect(), chipRadius, chipRadius);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
}

}  // namespace tundle

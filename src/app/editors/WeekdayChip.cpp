#include "editors/WeekdayChip.h"

#include <QPainter>

#include "toolkit/Colors.h"
#include "toolkit/FocusRing.h"
#include "toolkit/Typography.h"

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
    setFont(Typography::font(TextSize::control));
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
    painter.setBrush(working_ ? Colors::withOpacity(Colors::accent(), workingTint)
                              : QColor(Qt::white));
    painter.drawRoundedRect(rect(), chipRadius, chipRadius);
    if (FocusRing::shown(*this)) {
        FocusRing::draw(painter, QRectF(rect()), chipRadius);
    }
    painter.setPen(Colors::ink());
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
}

}  // namespace tundle

#include "toolkit/RangeCalendar.h"

#include <QPainter>

namespace tundle {

RangeCalendar::RangeCalendar(QWidget* parent) : QCalendarWidget(parent) {}

void RangeCalendar::paintCell(QPainter* painter, const QRect& rect, QDate date) const {
    if (offers(date)) {
        QCalendarWidget::paintCell(painter, rect, date);
        return;
    }
    painter->save();
    painter->fillRect(rect, palette().brush(QPalette::Base));
    painter->setPen(palette().color(QPalette::Disabled, QPalette::Text));
    painter->setFont(font());
    painter->drawText(rect, Qt::AlignCenter, locale().toString(date.day()));
    painter->restore();
}

}  // namespace tundle

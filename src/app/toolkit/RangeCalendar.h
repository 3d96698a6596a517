#pragma once

#include <QCalendarWidget>

namespace tundle {

// A month calendar whose days outside its date range look disabled: faint, on the plain
// ground, like the days of the neighbouring months, so only the days it offers look pickable.
class RangeCalendar : public QCalendarWidget {
    Q_OBJECT

public:
    explicit RangeCalendar(QWidget* parent = nullptr);

    bool offers(QDate day) const { return day >= minimumDate() && day <= maximumDate(); }

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;
};

}  // namespace tundle

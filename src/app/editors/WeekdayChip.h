#pragma once

#include <QAbstractButton>

namespace tundle {

// A weekday of the default schedule: its one-character label on an orange tint when it is a
// working day, on white when it is not.
class WeekdayChip : public QAbstractButton {
    Q_OBJECT

public:
    WeekdayChip(const QString& label, const QString& accessibleName, QWidget* parent = nullptr);

    bool isWorking() const { return working_; }
    void setWorking(bool working);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool working_ = false;
};

}  // namespace tundle

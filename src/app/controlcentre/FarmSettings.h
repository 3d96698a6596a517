#pragma once

#include <QWidget>

class QAbstractButton;
class QLabel;
class QSlider;

namespace tundle {

class AppModel;
class FarmStore;

// The settings block of the desktop farm: shown or not, the scene's size and how the space is
// shared between the pet and the fields, with the coin balance. Follows the farm store, also
// when the tray or the farm game changes it.
class FarmSettings : public QWidget {
    Q_OBJECT

public:
    FarmSettings(AppModel& model, FarmStore& farm, QWidget* parent = nullptr);

private:
    void sync();
    void scaleMoved(int position);

    AppModel& model_;
    FarmStore& farm_;
    QLabel* coins_;
    QAbstractButton* visible_;
    QWidget* details_;
    QLabel* scaleText_;
    QSlider* scale_;
    QList<QAbstractButton*> balances_;
};

}  // namespace tundle

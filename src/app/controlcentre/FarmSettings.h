#pragma once

#include <QWidget>

class QSlider;

namespace tundle {

class AppModel;
class FarmStore;
class SegmentedControl;
class Switch;
class TextBlock;

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
    TextBlock* coins_;
    Switch* visible_;
    QWidget* details_;
    TextBlock* scaleText_;
    QSlider* scale_;
    SegmentedControl* balance_;
};

}  // namespace tundle

#pragma once

#include "controlcentre/ControlCenter.h"
#include "toolkit/ReleasingWindow.h"

namespace tundle {

// The control centre's window. Made once and kept: closing it only hides it, and opening it
// again shows the same window. While it is closed it holds no native window (and so no window
// buffer); while it is minimised its page is paused.
class ControlCenterWindow : public ReleasingWindow {
    Q_OBJECT

public:
    ControlCenterWindow(AppModel& model, ControlCenter::Services services,
                        QWidget* parent = nullptr);

    ControlCenter& controlCenter() const { return *controlCenter_; }
    // Shows the window in front and gives it the keyboard.
    void present();

protected:
    void changeEvent(QEvent* event) override;

private:
    ControlCenter* controlCenter_;
};

}  // namespace tundle

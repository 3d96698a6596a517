#pragma once

#include "toolkit/ReleasingWindow.h"

namespace tundle {

class BreathingView;

// The borderless floating window of the breathing exercise. Unlike the pet's panel it takes
// the keyboard: Return, Space and Escape are handled here (its buttons never take the focus).
// Every way of closing it, the window manager's included, ends in `closing`, once, and only
// for a panel that is shown. A closed panel holds no window buffer.
class BreathingPanel : public ReleasingWindow {
    Q_OBJECT

public:
    explicit BreathingPanel(QWidget* parent = nullptr);

    // Replaces the content; the panel takes `view` over.
    void setView(BreathingView* view);
    // Lets go of the content while the panel waits, closed, for the next exercise.
    void dropView();
    BreathingView* view() const { return view_; }

signals:
    void closing();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    BreathingView* view_ = nullptr;
};

}  // namespace tundle

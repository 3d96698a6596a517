#pragma once

#include <QWidget>

class QVBoxLayout;

namespace tundle {

// The control centre's window. Made once and kept: closing it only hides it, and opening it
// again shows the same window.
class ControlCenterWindow : public QWidget {
    Q_OBJECT

public:
    explicit ControlCenterWindow(QWidget* parent = nullptr);

    // Replaces what the window shows; the window takes `page` over.
    void setPage(QWidget* page);
    // Shows the window in front and gives it the keyboard.
    void present();

private:
    QVBoxLayout* layout_;
    QWidget* page_ = nullptr;
};

}  // namespace tundle

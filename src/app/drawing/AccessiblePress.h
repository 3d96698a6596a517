#pragma once

#include <QAccessible>
#include <QObject>
#include <functional>

class QWidget;

namespace tundle {

// Lets assistive technology press a custom-drawn widget: attached to the widget as a child, it
// gives the widget's accessible interface its role and a press action that runs `press`.
class AccessiblePress : public QObject {
    Q_OBJECT

public:
    AccessiblePress(QWidget& widget, QAccessible::Role role, std::function<void()> press);

    QAccessible::Role role() const { return role_; }
    void press() const { press_(); }

private:
    QAccessible::Role role_;
    std::function<void()> press_;
};

}  // namespace tundle

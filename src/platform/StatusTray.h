#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>
#include <vector>

namespace tundle {

// One line of the status menu; a line without an action is a separator.
struct TrayMenuEntry {
    QString title;
    QKeySequence shortcut;
    std::function<void()> action;

    bool isSeparator() const { return !action; }
};

// The application's icon in the desktop's status area and the menu behind it.
class StatusTray {
public:
    virtual ~StatusTray() = default;

    // Shows the icon. `entries` is asked again each time the menu is about to open, so the menu
    // always shows what it answers at that moment.
    virtual void show(std::function<std::vector<TrayMenuEntry>()> entries) = 0;
};

}  // namespace tundle

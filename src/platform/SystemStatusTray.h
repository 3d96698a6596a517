#pragma once

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

#include "platform/StatusTray.h"

namespace tundle {

// The status icon through the desktop's tray. Without a tray host the icon simply does not
// appear; it shows up when a host starts later.
class SystemStatusTray : public QObject, public StatusTray {
    Q_OBJECT

public:
    explicit SystemStatusTray(QObject* parent = nullptr);

    void show(std::function<std::vector<TrayMenuEntry>()> entries) override;

    // The menu as it is now, for whoever needs to open it another way.
    QMenu& menu() { return menu_; }

private:
    void rebuild();

    QMenu menu_;
    QSystemTrayIcon icon_;
    std::function<std::vector<TrayMenuEntry>()> entries_;
};

}  // namespace tundle

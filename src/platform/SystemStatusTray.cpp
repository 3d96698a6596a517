#include "platform/SystemStatusTray.h"

#include <QCursor>

#include "platform/LeafIcon.h"

namespace tundle {

SystemStatusTray::SystemStatusTray(QObject* parent) : QObject(parent) {
    icon_.setIcon(LeafIcon::make());
    icon_.setToolTip(QStringLiteral("糯墩菜单"));
    icon_.setContextMenu(&menu_);
    connect(&menu_, &QMenu::aboutToShow, this, &SystemStatusTray::rebuild);
    // Most tray hosts open the context menu only on a right click; a left click opens it too.
    connect(&icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger) {
                    menu_.popup(QCursor::pos());
                }
            });
}

void SystemStatusTray::show(std::function<std::vector<TrayMenuEntry>()> entries) {
    entries_ = std::move(entries);
    rebuild();
    icon_.show();
}

void SystemStatusTray::rebuild() {
    menu_.clear();
    if (!entries_) {
        return;
    }
    for (const TrayMenuEntry& entry : entries_()) {
        if (entry.isSeparator()) {
            menu_.addSeparator();
            continue;
        }
        QAction* action = menu_.addAction(entry.title);
        action->setShortcut(entry.shortcut);
        connect(action, &QAction::triggered, this, [run = entry.action] { run(); });
    }
}

}  // namespace tundle

#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "platform/StatusTray.h"

namespace tundle {

enum class StatusMenuAction {
    openHome,
    openRoomSettings,
    openClipboard,
    togglePet,
    toggleFarm,
    resetPosition,
    checkSoftwareUpdate,
    checkContentUpdate,
    quit,
};

// One line of the status menu; a line without an action is a separator.
struct StatusMenuItem {
    std::optional<StatusMenuAction> action;
    QString title;
    QKeySequence shortcut;

    bool operator==(const StatusMenuItem&) const = default;
};

// The status menu's lines, whose titles follow whether the pet and the farm show.
class StatusMenu {
public:
    static std::vector<StatusMenuItem> items(bool petVisible, bool farmVisible);
    // The same lines for the tray, each running `perform` with its action.
    static std::vector<TrayMenuEntry> entries(bool petVisible, bool farmVisible,
                                              const std::function<void(StatusMenuAction)>& perform);
};

}  // namespace tundle

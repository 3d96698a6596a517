#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

namespace tundle {

// One of our symbols as an icon for tool buttons, menus and pickers, 16 points by default.
QIcon symbolIcon(const QString& name, const QColor& tint, int side = 16);

}  // namespace tundle

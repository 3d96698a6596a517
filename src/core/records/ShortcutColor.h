#pragma once

#include <QRgb>
#include <QString>

#include "support/EnumText.h"

namespace tundle {

// The tag colour of a shortcut; its raw value is its id.
enum class ShortcutColor { blue, red, orange, yellow, green, purple, gray };
inline constexpr EnumText<ShortcutColor, 7> shortcutColorText{
    {"blue", "red", "orange", "yellow", "green", "purple", "gray"}};

QString title(ShortcutColor color);
// The colour the views paint the tag with.
QRgb rgb(ShortcutColor color);

}  // namespace tundle

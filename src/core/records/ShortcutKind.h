#pragma once

#include <QString>

#include "support/EnumText.h"

namespace tundle {

// What a shortcut opens; its raw value is its id.
enum class ShortcutKind { application, folder, file, website };
inline constexpr EnumText<ShortcutKind, 4> shortcutKindText{
    {"application", "folder", "file", "website"}};

QString title(ShortcutKind kind);
// The name of the icon that stands for the kind.
QString symbol(ShortcutKind kind);

}  // namespace tundle

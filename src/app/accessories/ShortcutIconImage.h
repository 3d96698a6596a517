#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

#include "records/ShortcutItem.h"

namespace tundle {

// The picture a shortcut bubble shows: the globe symbol for websites, a desktop entry's theme
// icon for applications, and the desktop's own file or folder icon for everything else.
class ShortcutIconImage {
public:
    ShortcutIconImage() = delete;

    // `tint` colours the symbols; a null image when the desktop has no picture at all, or the
    // local shortcut has no target yet.
    static QImage render(const ShortcutItem& item, QSize size, const QColor& tint);
};

}  // namespace tundle

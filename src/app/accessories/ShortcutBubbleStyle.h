#pragma once

#include <QColor>

#include "drawing/PetPalette.h"

namespace tundle {

// The colours the shortcut bubble panel shares.
struct ShortcutBubbleStyle {
    ShortcutBubbleStyle() = delete;

    static QColor ink() { return PetPalette::rgb(0.29, 0.25, 0.21); }
    // The add bubble, the pager and the error strip.
    static QColor amber() { return PetPalette::rgb(0.95, 0.73, 0.39); }
};

}  // namespace tundle

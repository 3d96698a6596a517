#pragma once

#include <QString>

namespace tundle {

// How a shortcut looks, for the user interface to draw.
struct ShortcutIcon {
    // A theme icon name or one of our own symbol names, or an absolute picture path when it
    // starts with "/".
    QString source = {};
    // A theme icon name for when `source` gives no picture.
    QString fallback = {};
    // Read out by assistive technology; empty when the picture needs no words.
    QString description = {};

    bool operator==(const ShortcutIcon&) const = default;
};

}  // namespace tundle

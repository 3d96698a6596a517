#pragma once

#include <QColor>

namespace tundle {

// The four colours every control-centre page and editor draws with, in sRGB at full opacity.
class Colors {
public:
    Colors() = delete;

    // Body and heading text, the default foreground of pages.
    static QColor ink() { return QColor::fromRgbF(0.20f, 0.21f, 0.23f); }
    // The warm orange of selections, primary buttons, inline actions and the window tint.
    static QColor accent() { return QColor::fromRgbF(0.96f, 0.46f, 0.14f); }
    // The background of the control-centre window.
    static QColor canvas() { return QColor::fromRgbF(0.985f, 0.975f, 0.958f); }
    // Secondary text, unselected sidebar items, small captions.
    static QColor muted() { return QColor::fromRgbF(0.52f, 0.49f, 0.43f); }

    // Destructive actions and error messages: the red of alerts' and menus' delete entries.
    static QColor destructive() { return QColor(0xd9, 0x30, 0x25); }

    // `color` at `opacity` (0 to 1).
    static QColor withOpacity(QColor color, double opacity) {
        color.setAlphaF(float(opacity));
        return color;
    }
    // A grey of the given white level at `opacity`.
    static QColor grey(double white, double opacity = 1) {
        return QColor::fromRgbF(float(white), float(white), float(white), float(opacity));
    }
};

}  // namespace tundle

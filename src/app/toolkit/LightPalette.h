#pragma once

class QWidget;
class QPalette;

namespace tundle {

// The explicit light colour scheme of our windows, tinted with the accent, so that what they
// show never depends on the desktop's theme.
class LightPalette {
public:
    LightPalette() = delete;

    static QPalette palette();
    // Gives `window` the palette and the interface font at 13 points.
    static void apply(QWidget& window);
};

}  // namespace tundle

#pragma once

#include <QColor>

namespace tundle {

// The named colours the pet's drawings share.
class PetPalette {
public:
    PetPalette() = delete;

    static QColor rgb(double red, double green, double blue, double alpha = 1) {
        return QColor::fromRgbF(float(red), float(green), float(blue), float(alpha));
    }
    static QColor pink() { return rgb(1.0, 0.176, 0.333); }
    static QColor purple() { return rgb(0.686, 0.322, 0.871); }
    static QColor cyan() { return rgb(0.196, 0.678, 0.902); }
    static QColor yellow() { return rgb(1.0, 0.8, 0.0); }
    static QColor orange() { return rgb(1.0, 0.584, 0.0); }
    static QColor secondaryLabel() { return rgb(0, 0, 0, 0.5); }
    // The ink of the speech bubble's texts and buttons.
    static QColor bubbleInk(double alpha = 1) { return rgb(0.2, 0.21, 0.23, alpha); }
};

}  // namespace tundle

#pragma once

#include <QColor>

namespace tundle {

// The farm's colours.
class FarmPalette {
public:
    FarmPalette() = delete;

    static QColor rgb(double red, double green, double blue, double alpha = 1) {
        return QColor::fromRgbF(float(red), float(green), float(blue), float(alpha));
    }
    static QColor white(double alpha) { return rgb(1, 1, 1, alpha); }
};

}  // namespace tundle

#pragma once

#include <QColor>
#include <QFont>

namespace tundle {

// The farm's fonts and colours.
class FarmPalette {
public:
    FarmPalette() = delete;

    // The interface font at `size` points, one pixel per point, rounded to whole pixels.
    static QFont font(double size, QFont::Weight weight);
    static QColor rgb(double red, double green, double blue, double alpha = 1) {
        return QColor::fromRgbF(float(red), float(green), float(blue), float(alpha));
    }
    static QColor white(double alpha) { return rgb(1, 1, 1, alpha); }
};

}  // namespace tundle

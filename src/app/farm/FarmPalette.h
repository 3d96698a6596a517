#pragma once

#include <QColor>
#include <QFont>

#include "pet/FractionalFont.h"

namespace tundle {

// The farm's fonts and colours.
class FarmPalette {
public:
    FarmPalette() = delete;

    // The interface font at `size` points, one pixel per point; the farm's scale makes most
    // sizes fractional, and they stay so.
    static FractionalFont font(double size, QFont::Weight weight);
    static QColor rgb(double red, double green, double blue, double alpha = 1) {
        return QColor::fromRgbF(float(red), float(green), float(blue), float(alpha));
    }
    static QColor white(double alpha) { return rgb(1, 1, 1, alpha); }
};

}  // namespace tundle

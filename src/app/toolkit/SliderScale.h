#pragma once

#include <QString>

namespace tundle {

// A slider over a range of factors in steps of whole hundredths. The slider itself moves over
// whole positions; each position names its factor exactly, so the last position is the
// maximum itself and never a sum of steps a little beyond it.
struct SliderScale {
    int minimumHundredths;
    int maximumHundredths;
    int stepHundredths;

    // The pet's size on the settings page and the farm scene's size.
    static const SliderScale petScale;
    static const SliderScale farmScale;

    double minimum() const { return minimumHundredths / 100.0; }
    double maximum() const { return maximumHundredths / 100.0; }
    // The last position; the first is 0.
    int lastPosition() const { return (maximumHundredths - minimumHundredths) / stepHundredths; }
    // The factor at a position, positions outside the slider taken as its ends.
    double value(int position) const;
    // The nearest position for a factor, which may lie between steps or outside the range.
    int position(double value) const;
};

// A factor as the settings show it: whole percent, the part below one percent dropped, read
// from the factor the user chose (1.15 is 115 %, though its binary value lies a hair below).
QString wholePercent(double factor);

}  // namespace tundle

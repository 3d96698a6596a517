#include "toolkit/SliderScale.h"

#include <algorithm>
#include <cmath>

namespace tundle {

const SliderScale SliderScale::petScale{75, 140, 5};
const SliderScale SliderScale::farmScale{60, 120, 5};

double SliderScale::value(int position) const {
    const int clamped = std::clamp(position, 0, lastPosition());
    return (minimumHundredths + clamped * stepHundredths) / 100.0;
}

int SliderScale::position(double value) const {
    if (!std::isfinite(value)) {
        return 0;
    }
    const double steps = (value * 100.0 - minimumHundredths) / stepHundredths;
    return static_cast<int>(std::clamp(std::round(steps), 0.0, double(lastPosition())));
}

QString wholePercent(double factor) {
    // Factors are stored with at most a few decimals; the nudge only lifts a binary value that
    // lies within rounding noise below a whole percent onto it.
    const double percent = std::isfinite(factor) ? factor * 100.0 : 0.0;
    const double whole = std::trunc(percent + std::copysign(1e-7, percent));
    return QString::number(static_cast<long long>(whole)) + QStringLiteral("%");
}

}  // namespace tundle

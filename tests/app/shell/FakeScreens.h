#pragma once

#include "Screens.h"

namespace tundle::test {

// Screens laid out by the test; the primary screen's Qt rectangle fixes the conversion.
struct FakeScreens : Screens {
    std::vector<QRectF> frames;
    std::optional<QRectF> main;
    QRectF primary{0, 0, 1440, 900};

    std::vector<QRectF> visibleFrames() const override { return frames; }
    std::optional<QRectF> mainVisibleFrame() const override { return main; }
    ScreenCoordinates coordinates() const override { return ScreenCoordinates(primary); }
};

}  // namespace tundle::test

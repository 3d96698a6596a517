#pragma once

class QImage;

namespace tundle {

// A Gaussian blur of our own (QPainter has none): three box passes each way, pixels outside
// taken as transparent. Cost grows with the pixel count, not with the radius, so a wide glow
// is blurred on a smaller copy; a one-colour glow is blurred as an alpha mask and tinted after.
class BoxBlur {
public:
    BoxBlur() = delete;

    // Blurs `image` (Format_ARGB32_Premultiplied or Format_Alpha8) in place with the given
    // standard deviation in pixels.
    static void apply(QImage& image, double sigma);
};

}  // namespace tundle

#pragma once

class QImage;

namespace tundle {

// A Gaussian blur of our own (QPainter has none): three box passes each way over a
// premultiplied image, pixels outside taken as transparent. Cost grows with the pixel count,
// not with the radius, so a wide glow is blurred on a smaller copy.
class BoxBlur {
public:
    BoxBlur() = delete;

    // Blurs `image` (Format_ARGB32_Premultiplied) in place with the given standard deviation
    // in pixels.
    static void apply(QImage& image, double sigma);
};

}  // namespace tundle

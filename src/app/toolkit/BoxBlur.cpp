#include "toolkit/BoxBlur.h"

#include <QImage>
#include <array>
#include <cmath>
#include <vector>

namespace tundle {

namespace {

// Box widths whose three passes come closest to a Gaussian of `sigma`.
std::array<int, 3> boxRadii(double sigma) {
    constexpr int passes = 3;
    const double ideal = std::sqrt(12 * sigma * sigma / passes + 1);
    int lower = int(std::floor(ideal));
    if (lower % 2 == 0) {
        --lower;
    }
    const int upper = lower + 2;
    const double m =
        (12 * sigma * sigma - passes * lower * lower - 4.0 * passes * lower - 3.0 * passes) /
        (-4.0 * lower - 4);
    const int smaller = int(std::round(m));
    std::array<int, 3> radii{};
    for (int pass = 0; pass < passes; ++pass) {
        radii[pass] = ((pass < smaller ? lower : upper) - 1) / 2;
    }
    return radii;
}

// One box pass along a line of `count` pixels `stride` apart, from `source` into the
// consecutive pixels of `target`.
void boxLine(const quint32* source, quint32* target, int count, int stride, int radius) {
    const int window = 2 * radius + 1;
    std::array<quint32, 4> sum{};
    const auto add = [&sum](quint32 pixel, int sign) {
        for (int channel = 0; channel < 4; ++channel) {
            sum[channel] += quint32(sign) * ((pixel >> (8 * channel)) & 0xff);
        }
    };
    for (int index = 0; index < std::min(radius, count); ++index) {
        add(source[index * stride], 1);
    }
    for (int index = 0; index < count; ++index) {
        if (index + radius < count) {
            add(source[(index + radius) * stride], 1);
        }
        if (index - radius - 1 >= 0) {
            add(source[(index - radius - 1) * stride], -1);
        }
        quint32 pixel = 0;
        for (int channel = 0; channel < 4; ++channel) {
            pixel |= ((sum[channel] + quint32(window / 2)) / quint32(window)) << (8 * channel);
        }
        target[index] = pixel;
    }
}

}  // namespace

void BoxBlur::apply(QImage& image, double sigma) {
    if (image.isNull() || sigma <= 0.2) {
        return;
    }
    Q_ASSERT(image.format() == QImage::Format_ARGB32_Premultiplied);
    const int width = image.width();
    const int height = image.height();
    const int stride = int(image.bytesPerLine() / 4);
    quint32* pixels = reinterpret_cast<quint32*>(image.bits());
    std::vector<quint32> line(size_t(std::max(width, height)));
    for (const int radius : boxRadii(sigma)) {
        if (radius < 1) {
            continue;
        }
        for (int y = 0; y < height; ++y) {
            quint32* row = pixels + y * stride;
            boxLine(row, line.data(), width, 1, radius);
            std::copy(line.begin(), line.begin() + width, row);
        }
        for (int x = 0; x < width; ++x) {
            boxLine(pixels + x, line.data(), height, stride, radius);
            for (int y = 0; y < height; ++y) {
                pixels[y * stride + x] = line[size_t(y)];
            }
        }
    }
}

}  // namespace tundle

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

// Dividing by the window is a multiplication and a shift.
struct Mean {
    explicit Mean(int radius)
        : window(quint64(2 * radius + 1)), reciprocal(((quint64(1) << 32) + window - 1) / window) {}
    uchar operator()(quint32 sum) const {
        return uchar(std::min<quint64>(((sum + window / 2) * reciprocal) >> 32, 255));
    }
    quint64 window;
    quint64 reciprocal;
};

// One box pass along each row; `channels` bytes a pixel, each channel on its own.
void horizontal(uchar* pixels, int width, int height, qsizetype bytesPerLine, int channels,
                int radius, std::vector<uchar>& line) {
    const Mean mean(radius);
    for (int y = 0; y < height; ++y) {
        uchar* row = pixels + y * bytesPerLine;
        for (int channel = 0; channel < channels; ++channel) {
            quint32 sum = 0;
            for (int x = 0; x < std::min(radius, width); ++x) {
                sum += row[x * channels + channel];
            }
            for (int x = 0; x < width; ++x) {
                if (x + radius < width) {
                    sum += row[(x + radius) * channels + channel];
                }
                if (x - radius - 1 >= 0) {
                    sum -= row[(x - radius - 1) * channels + channel];
                }
                line[size_t(x * channels + channel)] = mean(sum);
            }
        }
        std::copy(line.begin(), line.begin() + width * channels, row);
    }
}

// One box pass down the columns, a whole row at a time so memory is read in order.
void vertical(uchar* pixels, int width, int height, qsizetype bytesPerLine, int channels,
              int radius, std::vector<uchar>& result) {
    const Mean mean(radius);
    const int rowBytes = width * channels;
    std::vector<quint32> sums(size_t(rowBytes), 0);
    const auto add = [&](int y, int sign) {
        const uchar* row = pixels + y * bytesPerLine;
        for (int index = 0; index < rowBytes; ++index) {
            sums[size_t(index)] += quint32(sign) * row[index];
        }
    };
    for (int y = 0; y < std::min(radius, height); ++y) {
        add(y, 1);
    }
    for (int y = 0; y < height; ++y) {
        if (y + radius < height) {
            add(y + radius, 1);
        }
        if (y - radius - 1 >= 0) {
            add(y - radius - 1, -1);
        }
        uchar* out = result.data() + qsizetype(y) * rowBytes;
        for (int index = 0; index < rowBytes; ++index) {
            out[index] = mean(sums[size_t(index)]);
        }
    }
    for (int y = 0; y < height; ++y) {
        std::copy_n(result.data() + qsizetype(y) * rowBytes, rowBytes, pixels + y * bytesPerLine);
    }
}

void blur(QImage& image, double sigma, int channels) {
    const int width = image.width();
    const int height = image.height();
    uchar* pixels = image.bits();
    std::vector<uchar> line(size_t(width * channels));
    std::vector<uchar> result(size_t(width) * size_t(height) * size_t(channels));
    for (const int radius : boxRadii(sigma)) {
        if (radius < 1) {
            continue;
        }
        horizontal(pixels, width, height, image.bytesPerLine(), channels, radius, line);
        vertical(pixels, width, height, image.bytesPerLine(), channels, radius, result);
    }
}

}  // namespace

void BoxBlur::apply(QImage& image, double sigma) {
    if (image.isNull() || sigma <= 0.2) {
        return;
    }
    Q_ASSERT(image.format() == QImage::Format_Alpha8 ||
             image.format() == QImage::Format_ARGB32_Premultiplied);
    blur(image, sigma, image.format() == QImage::Format_Alpha8 ? 1 : 4);
}

}  // namespace tundle

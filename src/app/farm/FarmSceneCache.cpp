#include "farm/FarmSceneCache.h"

#include <QPainter>
#include <cmath>
#include <vector>

namespace tundle {

namespace {

// One running-sum box blur of the alpha channel along rows (`horizontal`) or columns.
void boxBlur(std::vector<float>& alpha, int width, int height, int radius, bool horizontal) {
    const int lines = horizontal ? height : width;
    const int length = horizontal ? width : height;
    const auto at = [&](int line, int i) -> float& {
        return horizontal ? alpha[std::size_t(line) * width + i]
                          : alpha[std::size_t(i) * width + line];
    };
    std::vector<float> source(std::size_t(length), 0);
    const float window = float(2 * radius + 1);
    for (int line = 0; line < lines; ++line) {
        for (int i = 0; i < length; ++i) {
            source[std::size_t(i)] = at(line, i);
        }
        float sum = 0;
        for (int i = -radius; i <= radius; ++i) {
            sum += i >= 0 && i < length ? source[std::size_t(i)] : 0;
        }
        for (int i = 0; i < length; ++i) {
            at(line, i) = sum / window;
            const int leaving = i - radius;
            const int entering = i + radius + 1;
            sum -= leaving >= 0 ? source[std::size_t(leaving)] : 0;
            sum += entering < length ? source[std::size_t(entering)] : 0;
        }
    }
}

}  // namespace

const QImage& FarmSceneCache::scaled(const QString& name, const QImage& picture, QSize pixels) {
    if (picture.size() == pixels) {
        scaled_.erase(name);
        return picture;
    }
    Scaled& entry = scaled_[name];
    if (entry.source != picture.cacheKey() || entry.image.size() != pixels) {
        entry.source = picture.cacheKey();
        entry.image = picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return entry.image;
}

const QImage& FarmSceneCache::shadow(QSize pixels, double radius, double blur,
                                     const QColor& colour) {
    const auto key = std::make_tuple(pixels, radius, blur, colour.rgba());
    if (shadow_.isNull() || shadowKey_ != key) {
        shadowKey_ = key;
        shadow_ = blurredPanel(pixels, radius, blur, colour);
    }
    return shadow_;
}

QImage FarmSceneCache::blurredPanel(QSize pixels, double radius, double blur,
                                    const QColor& colour) {
    const int margin = int(std::ceil(2 * blur));
    QImage mask(pixels + QSize(2 * margin, 2 * margin), QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawRoundedRect(QRectF(margin, margin, pixels.width(), pixels.height()), radius,
                                radius);
    }
    const int width = mask.width();
    const int height = mask.height();
    std::vector<float> alpha(std::size_t(width) * height);
    for (int y = 0; y < height; ++y) {
        const uchar* line = mask.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            alpha[std::size_t(y) * width + x] = line[x];
        }
    }
    // Three box passes each way come close to a Gaussian whose spread is half the blur.
    const int box = std::max(1, int(std::lround(blur / 2)));
    for (int pass = 0; pass < 3; ++pass) {
        boxBlur(alpha, width, height, box, true);
        boxBlur(alpha, width, height, box, false);
    }
    QImage shadow(mask.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(shadow.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int a = int(std::lround(alpha[std::size_t(y) * width + x] * colour.alphaF()));
            line[x] = qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(), a));
        }
    }
    return shadow;
}

}  // namespace tundle

#include "petgen/IndexedImage.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>
#include <vector>

namespace tundle {

namespace {

constexpr int paletteSize = 256;

int distance(QRgb a, QRgb b) {
    return 2 * std::abs(qAlpha(a) - qAlpha(b)) + std::abs(qRed(a) - qRed(b)) +
           std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

QRgb normalised(QRgb pixel) {
    return qAlpha(pixel) == 0 ? 0u : pixel;
}

}  // namespace

QImage toIndexedImage(const QImage& image) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    std::unordered_map<QRgb, qint64> counts;
    for (int y = 0; y < source.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            ++counts[normalised(line[x])];
        }
    }
    std::vector<std::pair<QRgb, qint64>> ranked(counts.begin(), counts.end());
    std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    QList<QRgb> palette{0u};
    for (const auto& [colour, count] : ranked) {
        if (palette.size() == paletteSize) {
            break;
        }
        if (colour != 0u) {
            palette.append(colour);
        }
    }
    std::unordered_map<QRgb, uchar> index;
    for (const auto& [colour, count] : ranked) {
        int best = 0;
        for (int i = 0; i < palette.size(); ++i) {
            if (distance(colour, palette[i]) < distance(colour, palette[best])) {
                best = i;
            }
        }
        index.emplace(colour, static_cast<uchar>(best));
    }
    QImage result(source.size(), QImage::Format_Indexed8);
    result.setColorTable(palette);
    for (int y = 0; y < source.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = result.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            out[x] = index.at(normalised(line[x]));
        }
    }
    return result;
}

}  // namespace tundle

#include "pet/FrameRegions.h"

#include <algorithm>
#include <vector>

#include "drawing/PixelArea.h"
#include "drawing/YUpSpace.h"
#include "pets/PetAssets.h"

namespace tundle {

namespace {

// The frame's pixel under a fraction of its side, as the hit test of the pack picks it.
int cell(double offset, double extent, int count) {
    return static_cast<int>(
        std::clamp<qint64>(static_cast<qint64>(offset / extent * count), 0, count - 1));
}

}  // namespace

bool FrameRegions::opaqueAt(const QImage& frame, const QRectF& rect, QPointF point) {
    if (frame.isNull() || !YUpSpace::contains(rect, point)) {
        return false;
    }
    const int column = cell(point.x() - rect.x(), rect.width(), frame.width());
    // Upright: the frame's top row lies at the rectangle's top edge.
    const int row = frame.height() - 1 - cell(point.y() - rect.y(), rect.height(), frame.height());
    return qAlpha(frame.pixel(column, row)) > PetAssets::maskThreshold;
}

const QRegion& FrameRegions::region(const QImage& frame, const QRectF& rect, double viewHeight,
                                    double ratio) {
    const Key key{frame.cacheKey(), rect.x(),   rect.y(), rect.width(),
                  rect.height(),    viewHeight, ratio};
    auto found = regions_.find(key);
    if (found == regions_.end()) {
        if (regions_.size() >= maximumRegions) {
            regions_.clear();
        }
        found = regions_.emplace(key, compute(frame, rect, viewHeight, ratio)).first;
    }
    return found->second;
}

QRegion FrameRegions::compute(const QImage& frame, const QRectF& rect, double viewHeight,
                              double ratio) {
    if (frame.isNull()) {
        return {};
    }
    const QImage argb = frame.format() == QImage::Format_ARGB32 ||
                                frame.format() == QImage::Format_ARGB32_Premultiplied
                            ? frame
                            : frame.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const PixelArea::Span columns = PixelArea::forward(rect.x(), rect.width(), ratio);
    const PixelArea::Span rows = PixelArea::upward(rect.y(), rect.height(), viewHeight, ratio);
    std::vector<int> sourceColumns;
    for (int x = columns.first; x < columns.end; ++x) {
        sourceColumns.push_back(cell(x / ratio - rect.x(), rect.width(), argb.width()));
    }

    // Runs of opaque pixels row by row; rows with the same runs make one band of rectangles,
    // which is the order a region keeps its rectangles in.
    std::vector<QRect> rectangles;
    std::vector<std::pair<int, int>> band;
    std::vector<std::pair<int, int>> runs;
    int bandTop = rows.first;
    const auto closeBand = [&](int bottom) {
        for (const auto& [left, right] : band) {
            rectangles.emplace_back(left, bandTop, right - left, bottom - bandTop);
        }
    };
    int lastSourceRow = -1;
    for (int y = rows.first; y < rows.end; ++y) {
        const int sourceRow = argb.height() - 1 -
                              cell(viewHeight - y / ratio - rect.y(), rect.height(), argb.height());
        if (sourceRow != lastSourceRow) {
            lastSourceRow = sourceRow;
            runs.clear();
            const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(sourceRow));
            int start = -1;
            for (std::size_t i = 0; i <= sourceColumns.size(); ++i) {
                const bool opaque = i < sourceColumns.size() &&
                                    qAlpha(line[sourceColumns[i]]) > PetAssets::maskThreshold;
                const int x = columns.first + int(i);
                if (opaque && start < 0) {
                    start = x;
                } else if (!opaque && start >= 0) {
                    runs.emplace_back(start, x);
                    start = -1;
                }
            }
        }
        if (runs != band) {
            closeBand(y);
            band = runs;
            bandTop = y;
        }
    }
    closeBand(rows.end);
    QRegion region;
    region.setRects(rectangles.data(), int(rectangles.size()));
    return region;
}

}  // namespace tundle

#include "farm/FarmPlotPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "drawing/FarmPalette.h"
#include "drawing/InterfaceFont.h"
#include "drawing/YUpSpace.h"

namespace tundle {

namespace {

constexpr double rowWidths[] = {25, 31, 37};
constexpr double stageFactors[] = {0.55, 0.78, 1.0};

}  // namespace

int FarmPlotPainter::stage(double progress) {
    if (progress >= 1.0) {
        return 2;
    }
    return progress < 0.34 ? 0 : 1;
}

CropPlacement FarmPlotPainter::placement(int index, QPointF centre, double scale, double progress,
                                         QSizeF pictureSize, bool reduceMotion, double seconds) {
    const int chosen = stage(progress);
    const double width = stageFactors[chosen] * rowWidths[std::min(index / 3, 2)] * scale;
    const double height = width * pictureSize.height() / std::max(pictureSize.width(), 1.0);
    const double sway =
        progress >= 1.0 && !reduceMotion ? scale * 1.4 * std::sin(2.4 * seconds + index) : 0;
    return {chosen, QRectF(centre.x() - width / 2 + sway, centre.y() - 3 * scale, width, height)};
}

void FarmPlotPainter::drawFurrows(QPainter& painter, const YUpSpace& space, QPointF centre,
                                  double scale) {
    QPainterPath path;
    for (const double dy : {-5.0, 0.0, 5.0}) {
        const double y = centre.y() + dy * scale;
        path.moveTo(centre.x() - 18 * scale, y);
        path.cubicTo(centre.x() - 5 * scale, y - 3, centre.x() + 6 * scale, y + 3,
                     centre.x() + 18 * scale, y);
    }
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(FarmPalette::rgb(0.27, 0.13, 0.07, 0.58), std::max(1.5 * scale, 1.0)));
    painter.drawPath(space.toQt(path));
    painter.restore();
}

void FarmPlotPainter::drawCrop(QPainter& painter, const YUpSpace& space, const FarmPlot& plot,
                               int index, QPointF centre, double scale, double progress,
                               const std::vector<QImage>* pictures, bool reduceMotion,
                               double seconds) {
    if (!plot.crop || !pictures || pictures->size() != 3) {
        return;
    }
    const int chosen = stage(progress);
    const QImage& picture = (*pictures)[std::size_t(chosen)];
    const CropPlacement place =
        placement(index, centre, scale, progress, picture.size(), reduceMotion, seconds);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(space.toQt(place.rect), picture);
    painter.setPen(Qt::NoPen);
    if (plot.watered) {
        painter.setBrush(FarmPalette::rgb(0.42, 0.78, 1.0, 0.78));
        painter.drawEllipse(space.toQt(
            QRectF(centre.x() + 12 * scale, centre.y() + 20 * scale, 3.5 * scale, 6 * scale)));
    }
    painter.restore();
    if (progress >= 1.0) {
        space.drawText(painter, {centre.x() + 10 * scale, centre.y() + 28 * scale},
                       QStringLiteral("✦"), FractionalFont(11 * scale, QFont::Bold),
                       FarmPalette::rgb(1.0, 0.83, 0.26, 0.95));
    }
}

}  // namespace tundle

#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <vector>

#include "model/FarmPlot.h"

class QPainter;

namespace tundle {

class YUpSpace;

// Where a planted plot's picture stands and which of its three pictures shows.
struct CropPlacement {
    int stage = 0;
    QRectF rect;
};

// The inside of one plot: the furrows of tilled soil, or the crop with its drop and its star.
class FarmPlotPainter {
public:
    FarmPlotPainter() = delete;

    // 0 below a third grown (0.34), 1 while growing, 2 once mature.
    static int stage(double progress);
    // `pictureSize`: the chosen stage's picture; the crop keeps its aspect ratio, its base 3s
    // below the plot's centre, and a mature crop sways unless motion is reduced.
    static CropPlacement placement(int index, QPointF centre, double scale, double progress,
                                   QSizeF pictureSize, bool reduceMotion, double seconds);

    static void drawFurrows(QPainter& painter, const YUpSpace& space, QPointF centre, double scale);
    // Draws nothing unless `pictures` holds the crop's three stages.
    static void drawCrop(QPainter& painter, const YUpSpace& space, const FarmPlot& plot, int index,
                         QPointF centre, double scale, double progress,
                         const std::vector<QImage>* pictures, bool reduceMotion, double seconds);
};

}  // namespace tundle

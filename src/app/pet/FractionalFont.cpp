#include "pet/FractionalFont.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace tundle {

namespace {

// How many times larger than drawn the text is shaped.
constexpr double oversampling = 4;

}  // namespace

FractionalFont::FractionalFont(QFont face, double pixelSize)
    : shaped_(std::move(face)), pixelSize_(std::max(pixelSize, 0.25)) {
    const int shapedSize = std::max(1, int(std::lround(pixelSize_ * oversampling)));
    shaped_.setPixelSize(shapedSize);
    scale_ = pixelSize_ / shapedSize;
}

double FractionalFont::horizontalAdvance(const QString& text) const {
    return QFontMetricsF(shaped_).horizontalAdvance(text) * scale_;
}

double FractionalFont::height() const {
    return QFontMetricsF(shaped_).height() * scale_;
}

double FractionalFont::descent() const {
    return QFontMetricsF(shaped_).descent() * scale_;
}

void FractionalFont::draw(QPainter& painter, QPointF baseline, const QString& text,
                          const QColor& color) const {
    painter.save();
    painter.translate(baseline);
    painter.scale(scale_, scale_);
    painter.setFont(shaped_);
    painter.setPen(color);
    painter.drawText(QPointF(0, 0), text);
    painter.restore();
}

}  // namespace tundle

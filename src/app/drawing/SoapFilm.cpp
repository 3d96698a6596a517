#include "drawing/SoapFilm.h"

#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "drawing/PetPalette.h"

namespace tundle {

namespace {

constexpr int margin = 3;

QColor withAlpha(QColor color, double alpha) {
    color.setAlphaF(float(alpha));
    return color;
}

QColor towardWhite(const QColor& color, double fraction) {
    const auto mix = [fraction](float channel) { return channel + (1 - channel) * fraction; };
    return PetPalette::rgb(mix(color.redF()), mix(color.greenF()), mix(color.blueF()));
}

}  // namespace

double SoapFilm::cornerRadius(const QRectF& rect) {
    return std::min(rect.height() * 0.5, 36.0);
}

QPainterPath SoapFilm::outline(const QRectF& rect, bool tail,
                               std::optional<BubbleContour> contour) {
    if (contour && !tail) {
        return bubbleContourPath(*contour, rect);
    }
    const double rho = cornerRadius(rect);
    const double kappa = 0.45 * rho;
    const double minX = rect.left();
    const double maxX = rect.left() + rect.width();
    const double minY = rect.top();
    const double maxY = rect.top() + rect.height();
    QPainterPath path;
    path.moveTo(minX + rho, minY);
    if (tail) {
        const double m = rect.center().x();
        path.lineTo(m - 12, minY);
        path.cubicTo({m - 3, minY}, {m - 3, minY - tailDepth}, {m + 1, minY - tailDepth});
        path.cubicTo({m + 5, minY - tailDepth}, {m + 4, minY}, {m + 13, minY});
    }
    path.lineTo(maxX - rho, minY);
    path.cubicTo({maxX - kappa, minY}, {maxX, minY + kappa}, {maxX, minY + rho});
    path.lineTo(maxX, maxY - rho);
    path.cubicTo({maxX, maxY - kappa}, {maxX - kappa, maxY}, {maxX - rho, maxY});
    path.lineTo(minX + rho, maxY);
    path.cubicTo({minX + kappa, maxY}, {minX, maxY - kappa}, {minX, maxY - rho});
    path.lineTo(minX, minY + rho);
    path.cubicTo({minX, minY + kappa}, {minX + kappa, minY}, {minX + rho, minY});
    path.closeSubpath();
    return path;
}

void SoapFilm::draw(QPainter& painter, const YUpSpace& space, const QRectF& rect, bool tail,
                    const QColor& tint, std::optional<BubbleContour> contour) {
    if (rect.width() <= 0 || rect.height() <= 0) {
        return;
    }
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QRectF target = space.toQt(rect);
    const QPointF corner(std::floor(target.x()) - margin, std::floor(target.y()) - margin);
    const auto phase = [ratio](double value) {
        return int(std::lround((value - std::floor(value)) * 4 * ratio));
    };
    const Key key{rect.width(),
                  rect.height(),
                  phase(target.x()),
                  phase(target.y()),
                  tail,
                  tint.rgba(),
                  contour ? int(*contour) : -1,
                  ratio};
    auto found = cache_.find(key);
    if (found == cache_.end()) {
        if (int(cache_.size()) >= cacheLimit) {
            cache_.clear();
        }
        const QSizeF size(std::ceil(target.width()) + 2 * margin + 1,
                          std::ceil(target.height()) + 2 * margin + 1 + tailDepth);
        QImage image((size * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter layer(&image);
        layer.translate(-corner);
        render(layer, space, rect, tail, tint, contour);
        layer.end();
        found = cache_.emplace(key, std::move(image)).first;
    }
    painter.drawImage(corner, found->second);
}

void SoapFilm::render(QPainter& painter, const YUpSpace& space, const QRectF& rect, bool tail,
                      const QColor& tint, std::optional<BubbleContour> contour) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath shape = space.toQt(outline(rect, tail, contour));
    // Everything is drawn through the outline, so the rim's outer half, the glint and the
    // highlights never leave the bubble; the clip's edge is smooth, so the rim stays crisp.
    painter.setClipPath(shape);
    const QRectF box = shape.boundingRect();
    const QRectF body = space.toQt(rect);
    const QColor white = Qt::white;

    QLinearGradient fill(box.left(), box.bottom(), box.left(), box.top());
    fill.setColorAt(0, withAlpha(white, 0.44));
    fill.setColorAt(1.0 / 3, withAlpha(white, 0.86));
    fill.setColorAt(2.0 / 3, withAlpha(white, 0.82));
    fill.setColorAt(1, withAlpha(towardWhite(tint, 0.8), 0.52));
    painter.fillPath(shape, fill);

    // The rim's hue runs pink, purple, cyan, white, yellow and back to pink from left to right.
    const std::array<QColor, 6> rim = {PetPalette::pink(),   PetPalette::purple(),
                                       PetPalette::cyan(),   white,
                                       PetPalette::yellow(), PetPalette::pink()};
    QLinearGradient hue(body.left(), 0, body.right(), 0);
    for (size_t j = 0; j < rim.size(); ++j) {
        hue.setColorAt(double(j) / (rim.size() - 1), withAlpha(rim[j], 0.24));
    }
    painter.strokePath(shape, QPen(QBrush(hue), 3.2));
    painter.strokePath(shape, QPen(withAlpha(white, 0.8), 0.7));

    const double minX = rect.left();
    const double maxX = rect.left() + rect.width();
    const double maxY = rect.top() + rect.height();
    QPainterPath glint;
    glint.moveTo(minX + 6, rect.center().y() + rect.height() * 0.12);
    glint.cubicTo({minX + 8, maxY - 7}, {minX + 20, maxY - 4},
                  {minX + std::min(rect.width() * 0.3, 40.0), maxY - 4});
    QPen glintPen(withAlpha(white, 0.95), 1.6);
    glintPen.setCapStyle(Qt::RoundCap);
    painter.strokePath(space.toQt(glint), glintPen);

    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(white, 0.88));
    painter.drawEllipse(
        space.toQt(QRectF(minX + 15, maxY - 8, std::min(rect.width() * 0.13, 23.0), 3)));
    painter.drawEllipse(space.toQt(QRectF(maxX - 24, rect.top() + 6, 12, 2)));
}

}  // namespace tundle

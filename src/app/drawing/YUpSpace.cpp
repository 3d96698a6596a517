#include "drawing/YUpSpace.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

#include "drawing/InterfaceFont.h"

namespace tundle {

QPainterPath YUpSpace::toQt(const QPainterPath& path) const {
    return QTransform(1, 0, 0, -1, 0, height_).map(path);
}

void YUpSpace::drawText(QPainter& painter, QPointF point, const QString& text, const QFont& font,
                        const QColor& color) const {
    const QFontMetricsF metrics(font);
    const QPointF baseline = toQt(QPointF(point.x(), point.y() + metrics.descent()));
    painter.save();
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(baseline, text);
    painter.restore();
}

void YUpSpace::drawText(QPainter& painter, QPointF point, const QString& text,
                        const FractionalFont& font, const QColor& color) const {
    font.draw(painter, toQt(QPointF(point.x(), point.y() + font.descent())), text, color);
}

std::optional<QRectF> YUpSpace::inset(const QRectF& rect, double dx, double dy) {
    const double width = rect.width() - 2 * dx;
    const double height = rect.height() - 2 * dy;
    if (width < 0 || height < 0) {
        return std::nullopt;
    }
    return QRectF(rect.x() + dx, rect.y() + dy, width, height);
}

}  // namespace tundle

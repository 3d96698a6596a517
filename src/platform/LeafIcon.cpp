#include "platform/LeafIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tundle {

QIcon LeafIcon::make() {
    QIcon icon;
    for (const int side : {16, 22, 24, 32, 48, 64}) {
        icon.addPixmap(QPixmap::fromImage(draw(side)));
    }
    return icon;
}

QImage LeafIcon::draw(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 64.0, side / 64.0);

    // The blade runs from the stem at the lower left to the tip at the upper right.
    const QPointF stem(14, 52);
    const QPointF tip(56, 8);
    QPainterPath blade(stem);
    blade.cubicTo(QPointF(6, 26), QPointF(28, 8), tip);
    blade.cubicTo(QPointF(52, 34), QPointF(38, 56), stem);
    painter.fillPath(blade, QColor::fromRgbF(0.30f, 0.62f, 0.33f));

    QPen vein(QColor::fromRgbF(0.80f, 0.92f, 0.74f), 3.5, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(vein);
    painter.drawLine(QPointF(8, 58), QPointF(44, 20));
    return image;
}

}  // namespace tundle

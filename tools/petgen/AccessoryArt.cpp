#include "petgen/AccessoryArt.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <stdexcept>

namespace tundle {
namespace {

QImage blank() {
    QImage image(AccessoryArt::side, AccessoryArt::side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

const QColor outline(92, 64, 38);

}  // namespace

QImage AccessoryArt::strawHat() {
    QImage image = blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(outline, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QColor straw(238, 200, 120);
    const QColor strawShade(214, 170, 88);
    // Brim: a wide flat ellipse.
    p.setBrush(straw);
    p.drawEllipse(QRectF(40, 132, 176, 52));
    p.setPen(QPen(strawShade, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(56, 140, 144, 36));
    // Crown.
    QPainterPath crown;
    crown.moveTo(82, 158);
    crown.cubicTo(80, 112, 96, 92, 128, 92);
    crown.cubicTo(160, 92, 176, 112, 174, 158);
    crown.cubicTo(148, 168, 108, 168, 82, 158);
    p.setPen(QPen(outline, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(straw);
    p.drawPath(crown);
    // Woven lines on the crown.
    p.setPen(QPen(strawShade, 2));
    for (int i = 0; i < 4; ++i) {
        const double y = 104 + i * 11;
        p.drawLine(QPointF(92 + (3 - i) * 1.5, y), QPointF(164 - (3 - i) * 1.5, y));
    }
    // The green ribbon with a small bow.
    QPainterPath ribbon;
    ribbon.moveTo(82, 140);
    ribbon.cubicTo(108, 148, 148, 148, 175, 140);
    ribbon.lineTo(174, 156);
    ribbon.cubicTo(148, 164, 108, 164, 82, 156);
    ribbon.closeSubpath();
    p.setPen(QPen(QColor(46, 96, 40), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(92, 158, 68));
    p.drawPath(ribbon);
    p.drawEllipse(QRectF(150, 142, 16, 14));
    QPainterPath tail;
    tail.moveTo(160, 154);
    tail.lineTo(170, 176);
    tail.lineTo(178, 170);
    tail.closeSubpath();
    p.drawPath(tail);
    return image;
}

QImage AccessoryArt::woodenHammer() {
    QImage image = blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(128, 128);
    p.rotate(-35);
    p.setPen(QPen(outline, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // Handle, light wood.
    p.setBrush(QColor(222, 176, 118));
    p.drawRoundedRect(QRectF(-9, -30, 18, 100), 8, 8);
    // Head, darker wood with its grain.
    p.setBrush(QColor(176, 116, 64));
    p.drawRoundedRect(QRectF(-46, -62, 92, 40), 10, 10);
    p.setPen(QPen(QColor(140, 88, 46), 2));
    p.drawLine(QPointF(-36, -50), QPointF(30, -50));
    p.drawLine(QPointF(-30, -36), QPointF(36, -36));
    p.setPen(QPen(outline, 3));
    p.setBrush(QColor(200, 142, 86));
    p.drawRoundedRect(QRectF(-46, -62, 10, 40), 4, 4);
    p.drawRoundedRect(QRectF(36, -62, 10, 40), 4, 4);
    return image;
}

void AccessoryArt::write(const QString& assets) {
    const QDir folder(QDir(assets).filePath(QStringLiteral("Accessories")));
    if (!folder.mkpath(QStringLiteral("."))) {
        throw std::runtime_error("cannot create the accessories folder");
    }
    if (!strawHat().save(folder.filePath(QStringLiteral("shortcuts.png")), "PNG") ||
        !woodenHammer().save(folder.filePath(QStringLiteral("clipboard.png")), "PNG")) {
        throw std::runtime_error("cannot write the accessory artwork");
    }
}

}  // namespace tundle

#include "farmgen/CropArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace tundle {

namespace {

constexpr int side = 128;

const QColor leafLight(126, 196, 82);
const QColor leafDark(70, 140, 56);
const QColor outline(44, 82, 36);

// A leaf from `base` pointing along `tip`, `width` across.
void leaf(QPainter& painter, QPointF base, QPointF tip, double width, const QColor& colour) {
    const QPointF along = tip - base;
    const QPointF across =
        QPointF(-along.y(), along.x()) * (width / 2 / std::hypot(along.x(), along.y()));
    QPainterPath path;
    path.moveTo(base);
    path.cubicTo(base + along * 0.3 + across, base + along * 0.75 + across * 0.8, tip);
    path.cubicTo(base + along * 0.75 - across * 0.8, base + along * 0.3 - across, base);
    painter.setPen(QPen(outline, 2));
    painter.setBrush(colour);
    painter.drawPath(path);
    painter.setPen(QPen(outline.lighter(140), 1.5));
    painter.drawLine(base, base + along * 0.8);
}

void stem(QPainter& painter, QPointF from, QPointF to, double width) {
    painter.setPen(QPen(leafDark, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
}

void mound(QPainter& painter, double height) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(104, 66, 40, 200));
    painter.drawEllipse(QPointF(side / 2.0, height - 4), 30, 6);
}

QImage radish(int stage) {
    const int height = 128;
    QImage image(side, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double base = height - 6;
    const double x = side / 2.0;
    mound(painter, height);
    if (stage == 0) {
        stem(painter, {x, base}, {x, base - 26}, 4);
        leaf(painter, {x, base - 24}, {x - 30, base - 50}, 20, leafLight);
        leaf(painter, {x, base - 24}, {x + 30, base - 50}, 20, leafLight);
        return image;
    }
    // The ripe radish is also the sow-button icon: a large bulb under short leaves.
    const double bulb = stage == 1 ? 16 : 36;
    const double top = base - bulb * 1.2;
    const double reach = stage == 1 ? 62 : 70;
    leaf(painter, {x, top}, {x - reach * 0.55, top - reach * 0.8}, 26, leafDark);
    leaf(painter, {x, top}, {x + reach * 0.55, top - reach * 0.8}, 26, leafDark);
    leaf(painter, {x, top}, {x - 8, top - reach}, 28, leafLight);
    leaf(painter, {x, top}, {x + 12, top - reach * 0.9}, 24, leafLight);
    QRadialGradient skin(QPointF(x - bulb * 0.3, base - bulb * 0.8), bulb * 1.3);
    skin.setColorAt(0, QColor(255, 150, 176));
    skin.setColorAt(1, QColor(214, 44, 96));
    QPainterPath root;
    root.moveTo(x, base + 4);
    root.cubicTo(x + bulb * 1.1, base - bulb * 0.2, x + bulb, top - 4, x, top);
    root.cubicTo(x - bulb, top - 4, x - bulb * 1.1, base - bulb * 0.2, x, base + 4);
    painter.setPen(QPen(QColor(150, 26, 70), 2));
    painter.setBrush(skin);
    painter.drawPath(root);
    painter.setPen(QPen(QColor(255, 230, 236, 200), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(x - bulb * 0.45, top + bulb * 0.4),
                     QPointF(x - bulb * 0.55, top + bulb * 0.8));
    return image;
}

// The mature corn is also the corn's sow-button icon, drawn in a square box: every stage fits
// a square picture, and the ripe plant is mostly one large cob in its husk, so it still reads
// as corn at a dozen pixels.
QImage corn(int stage) {
    const int height = stage == 0 ? 112 : 128;
    QImage image(side, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double base = height - 6;
    const double x = side / 2.0;
    mound(painter, height);
    const double tall = stage == 0 ? height - 40 : height - 22;
    stem(painter, {x, base}, {x, base - tall}, stage == 0 ? 5 : 8);
    const int leaves = stage == 0 ? 2 : 4;
    for (int i = 0; i < leaves; ++i) {
        const double y = base - 12 - i * tall / (leaves + 1.0);
        const double dir = i % 2 ? 1 : -1;
        leaf(painter, {x, y}, {x + dir * (stage == 0 ? 30 : 52), y - 30}, stage == 0 ? 14 : 18,
             i % 2 ? leafLight : leafDark);
    }
    if (stage == 0) {
        return image;
    }
    painter.setPen(QPen(QColor(222, 196, 110), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = -2; i <= 2; ++i) {
        painter.drawLine(QPointF(x, base - tall),
                         QPointF(x + i * 6, base - tall - 12 + std::abs(i) * 4));
    }
    const double length = stage == 2 ? 76 : 34;
    const double girth = stage == 2 ? 36 : 16;
    painter.save();
    painter.translate(x + (stage == 2 ? 4 : 8), base - 18);
    painter.rotate(stage == 2 ? 14 : 22);
    const QRectF cob(-girth / 2, -length, girth, length);
    if (stage == 2) {
        QLinearGradient kernels(cob.topLeft(), cob.topRight());
        kernels.setColorAt(0, QColor(255, 230, 96));
        kernels.setColorAt(1, QColor(238, 170, 28));
        painter.setPen(QPen(QColor(150, 98, 14), 3));
        painter.setBrush(kernels);
        painter.drawRoundedRect(cob, girth / 2, girth / 2);
        painter.setPen(QPen(QColor(196, 128, 20, 190), 2));
        for (double y = cob.top() + 10; y < cob.bottom() - 6; y += 9) {
            painter.drawLine(QPointF(cob.left() + 5, y), QPointF(cob.right() - 5, y));
        }
        painter.drawLine(QPointF(0, cob.top() + 6), QPointF(0, cob.bottom() - 8));
    }
    leaf(painter, {cob.left() + 2, 0}, {cob.left() - 6, cob.top() + length * 0.3}, girth * 0.7,
         leafLight);
    leaf(painter, {cob.right() - 2, 0}, {cob.right() + 8, cob.top() + length * 0.45}, girth * 0.6,
         leafDark);
    painter.restore();
    return image;
}

QImage watermelon(int stage) {
    const int height = stage == 0 ? 96 : 112;
    QImage image(side, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double base = height - 6;
    const double x = side / 2.0;
    mound(painter, height);
    if (stage == 0) {
        stem(painter, {x, base}, {x, base - 22}, 4);
        painter.setPen(QPen(outline, 2));
        painter.setBrush(leafLight);
        painter.drawEllipse(QPointF(x - 16, base - 32), 17, 11);
        painter.drawEllipse(QPointF(x + 16, base - 32), 17, 11);
        return image;
    }
    painter.setPen(QPen(leafDark, 4, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath vine;
    vine.moveTo(6, base - 10);
    vine.cubicTo(30, base - 40, 90, base - 2, 122, base - 30);
    painter.drawPath(vine);
    leaf(painter, {24, base - 22}, {6, base - 62}, 34, leafDark);
    leaf(painter, {96, base - 16}, {118, base - 64}, 34, leafLight);
    const double r = stage == 1 ? 18 : 44;
    const QRectF melon(x - r * 1.15, base - r * 1.7, r * 2.3, r * 1.7);
    QRadialGradient rind(melon.center() - QPointF(r * 0.4, r * 0.4), r * 1.6);
    rind.setColorAt(0, QColor(120, 200, 90));
    rind.setColorAt(1, QColor(40, 118, 50));
    painter.setPen(QPen(QColor(24, 74, 30), 2));
    painter.setBrush(rind);
    painter.drawEllipse(melon);
    painter.save();
    QPainterPath clip;
    clip.addEllipse(melon);
    painter.setClipPath(clip);
    painter.setPen(QPen(QColor(22, 80, 32), r * 0.18, Qt::SolidLine, Qt::RoundCap));
    for (int i = -2; i <= 2; ++i) {
        QPainterPath stripe;
        const double sx = melon.center().x() + i * r * 0.45;
        stripe.moveTo(sx, melon.top());
        stripe.cubicTo(sx + 6, melon.top() + r * 0.5, sx - 6, melon.bottom() - r * 0.5, sx,
                       melon.bottom());
        painter.drawPath(stripe);
    }
    painter.restore();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 90));
    painter.drawEllipse(QPointF(melon.left() + r * 0.7, melon.top() + r * 0.45), r * 0.3, r * 0.16);
    return image;
}

}  // namespace

QImage CropArt::paint(FarmCrop crop, int stage) {
    switch (crop) {
        case FarmCrop::corn:
            return corn(stage);
        case FarmCrop::watermelon:
            return watermelon(stage);
        case FarmCrop::radish:
            break;
    }
    return radish(stage);
}

}  // namespace tundle

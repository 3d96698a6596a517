#include "restgen/RestScenes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include "controlcentre/RestArtwork.h"

namespace tundle {

namespace {

// Wide enough that a cut scene has the shape of the card's 100 × 70 frame.
constexpr QSize pictureSize(1048, 800);

const QColor outline(0x6e, 0x4f, 0x36);
const QColor body(0xff, 0xf0, 0xcf);
const QColor shade(0xf0, 0xd3, 0xa2);
const QColor blush(0xf4, 0x9c, 0x94);
const QColor eye(0x3a, 0x28, 0x1e);

// 糯墩 seen from the front, its base centred on `base`, `width` wide; asleep with closed eyes
// or awake.
void paintPet(QPainter& painter, QPointF base, double width, bool asleep) {
    const double height = width * 0.82;
    const QRectF frame(base.x() - width / 2, base.y() - height, width, height);
    QPainterPath shape;
    shape.moveTo(frame.left(), frame.bottom() - height * 0.18);
    shape.cubicTo(frame.left() - width * 0.02, frame.top() + height * 0.1,
                  frame.right() + width * 0.02, frame.top() + height * 0.1, frame.right(),
                  frame.bottom() - height * 0.18);
    shape.quadTo(frame.right(), frame.bottom(), frame.center().x(), frame.bottom());
    shape.quadTo(frame.left(), frame.bottom(), frame.left(), frame.bottom() - height * 0.18);

    QRadialGradient fill(frame.center() - QPointF(width * 0.15, height * 0.2), width * 0.7);
    fill.setColorAt(0, body.lighter(104));
    fill.setColorAt(0.7, body);
    fill.setColorAt(1, shade);
    painter.setPen(QPen(outline, width * 0.035, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(shape);

    const double eyeY = frame.top() + height * 0.5;
    const double eyeGap = width * 0.17;
    painter.setBrush(blush);
    painter.setPen(Qt::NoPen);
    for (const double side : {-1.0, 1.0}) {
        painter.drawEllipse(QPointF(frame.center().x() + side * eyeGap * 1.55, eyeY + height * 0.1),
                            width * 0.07, width * 0.045);
    }
    if (asleep) {
        painter.setPen(QPen(eye, width * 0.03, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        for (const double side : {-1.0, 1.0}) {
            const QPointF centre(frame.center().x() + side * eyeGap, eyeY);
            painter.drawArc(QRectF(centre - QPointF(width * 0.06, width * 0.04),
                                   QSizeF(width * 0.12, width * 0.08)),
                            200 * 16, 140 * 16);
        }
    } else {
        painter.setBrush(eye);
        for (const double side : {-1.0, 1.0}) {
            painter.drawEllipse(QPointF(frame.center().x() + side * eyeGap, eyeY), width * 0.035,
                                width * 0.045);
        }
    }
    painter.setPen(QPen(outline, width * 0.025, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(
        QRectF(frame.center().x() - width * 0.05, eyeY + height * 0.04, width * 0.1, width * 0.07),
        200 * 16, 140 * 16);
}

void paintSky(QPainter& painter, const QRectF& area, QColor top, QColor bottom) {
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, top);
    sky.setColorAt(1, bottom);
    painter.fillRect(area, sky);
}

void paintGround(QPainter& painter, const QRectF& area, double level, QColor color) {
    QPainterPath hill;
    hill.moveTo(area.left(), area.bottom());
    hill.lineTo(area.left(), area.top() + area.height() * level);
    hill.cubicTo(area.left() + area.width() * 0.35, area.top() + area.height() * (level - 0.08),
                 area.left() + area.width() * 0.65, area.top() + area.height() * (level + 0.05),
                 area.right(), area.top() + area.height() * (level - 0.03));
    hill.lineTo(area.right(), area.bottom());
    hill.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(hill);
}

void paintGlow(QPainter& painter, QPointF centre, double radius, QColor core) {
    QRadialGradient glow(centre, radius * 2.4);
    QColor faded = core;
    faded.setAlpha(0);
    glow.setColorAt(0, core);
    glow.setColorAt(0.4, QColor(core.red(), core.green(), core.blue(), 90));
    glow.setColorAt(1, faded);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius * 2.4, radius * 2.4);
    painter.setBrush(core);
    painter.drawEllipse(centre, radius, radius);
}

// A lantern-lit dusk with a crescent moon and stars; the pet dozes on a cushion.
void paintEvening(QPainter& painter, const QRectF& area) {
    paintSky(painter, area, QColor(0x4b, 0x4a, 0x7c), QColor(0xf2, 0xa0, 0x7b));
    QRandomGenerator stars(17);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 250, 230, 210));
    for (int index = 0; index < 26; ++index) {
        const QPointF point(area.left() + stars.bounded(area.width()),
                            area.top() + stars.bounded(area.height() * 0.45));
        painter.drawEllipse(point, 1.6 + stars.bounded(1.4), 1.6 + stars.bounded(1.4));
    }
    const QPointF moon(area.left() + area.width() * 0.78, area.top() + area.height() * 0.22);
    painter.setBrush(QColor(0xff, 0xf1, 0xc4));
    QPainterPath crescent;
    crescent.addEllipse(moon, 20, 20);
    QPainterPath bite;
    bite.addEllipse(moon + QPointF(9, -6), 17, 17);
    painter.drawPath(crescent.subtracted(bite));
    paintGround(painter, area, 0.72, QColor(0x7d, 0x6a, 0x8c));
    const QPointF cushion(area.left() + area.width() * 0.45, area.top() + area.height() * 0.88);
    painter.setBrush(QColor(0xe0, 0x7a, 0x5f));
    painter.drawRoundedRect(QRectF(cushion - QPointF(70, 14), QSizeF(140, 30)), 15, 15);
    paintPet(painter, cushion - QPointF(0, 8), 104, true);
    paintGlow(painter, QPointF(area.left() + area.width() * 0.14, area.top() + area.height() * 0.7),
              11, QColor(0xff, 0xd2, 0x7a));
}

// A pale sunrise over the hills; the pet, just awake, holds a steaming cup.
void paintMorning(QPainter& painter, const QRectF& area) {
    paintSky(painter, area, QColor(0xbf, 0xe0, 0xf0), QColor(0xff, 0xe4, 0xb8));
    paintGlow(painter, QPointF(area.left() + area.width() * 0.2, area.top() + area.height() * 0.62),
              30, QColor(0xff, 0xc8, 0x6b));
    paintGround(painter, area, 0.66, QColor(0xa9, 0xc9, 0x8a));
    const QPointF base(area.left() + area.width() * 0.52, area.top() + area.height() * 0.93);
    paintPet(painter, base, 110, false);
    const QRectF cup(base + QPointF(30, -52), QSizeF(30, 28));
    painter.setPen(QPen(outline, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0xf7, 0xf3, 0xea));
    painter.drawRoundedRect(cup, 6, 6);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(cup.right() - 6, cup.top() + 6, 16, 14), -90 * 16, 180 * 16);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 3, Qt::SolidLine, Qt::RoundCap));
    for (const double offset : {8.0, 20.0}) {
        QPainterPath steam;
        steam.moveTo(cup.left() + offset, cup.top() - 4);
        steam.cubicTo(cup.left() + offset - 7, cup.top() - 14, cup.left() + offset + 7,
                      cup.top() - 22, cup.left() + offset, cup.top() - 32);
        painter.drawPath(steam);
    }
}

// A high sun over a meadow; the pet naps in the shade of a leafy tree.
void paintMidday(QPainter& painter, const QRectF& area) {
    paintSky(painter, area, QColor(0x86, 0xc5, 0xea), QColor(0xd9, 0xef, 0xf6));
    paintGlow(painter, QPointF(area.left() + area.width() * 0.82, area.top() + area.height() * 0.2),
              22, QColor(0xff, 0xe0, 0x70));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 220));
    for (const QPointF puff : {QPointF(0.3, 0.2), QPointF(0.38, 0.17), QPointF(0.45, 0.22)}) {
        painter.drawEllipse(
            QPointF(area.left() + area.width() * puff.x(), area.top() + area.height() * puff.y()),
            26, 17);
    }
    paintGround(painter, area, 0.64, QColor(0x8c, 0xc2, 0x6a));
    const QPointF trunk(area.left() + area.width() * 0.2, area.top() + area.height() * 0.8);
    painter.setBrush(QColor(0x8a, 0x62, 0x42));
    painter.drawRoundedRect(QRectF(trunk - QPointF(9, 70), QSizeF(18, 80)), 6, 6);
    painter.setBrush(QColor(0x5f, 0xa0, 0x4e));
    for (const QPointF leaf :
         {QPointF(-30, -86), QPointF(8, -104), QPointF(36, -80), QPointF(0, -70)}) {
        painter.drawEllipse(trunk + leaf, 40, 32);
    }
    painter.setBrush(QColor(0x6c, 0xa5, 0x52, 200));
    painter.drawEllipse(
        QPointF(area.left() + area.width() * 0.5, area.top() + area.height() * 0.92), 90, 14);
    paintPet(painter, QPointF(area.left() + area.width() * 0.52, area.top() + area.height() * 0.93),
             100, true);
}

}  // namespace

QImage RestScenes::paint() {
    QImage image(pictureSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xfa, 0xf6, 0xee));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const std::pair<int, void (*)(QPainter&, const QRectF&)> rows[] = {
        {0, paintEvening}, {1, paintMorning}, {2, paintMidday}};
    for (const auto& [row, draw] : rows) {
        const QRectF area = RestArtwork::sourceRect(QSizeF(pictureSize), row);
        painter.save();
        painter.setClipRect(area);
        draw(painter, area);
        painter.restore();
    }
    return image;
}

}  // namespace tundle

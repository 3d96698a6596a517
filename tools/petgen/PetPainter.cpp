#include "petgen/PetPainter.h"

#include <QPainterPath>
#include <cmath>

namespace tundle {

namespace {

// Where the pet stands: low in the frame, so that it fills the frame from its feet to the tuft
// with a small margin above for stretching and hopping, and enough below that clips moved by
// their placement rows still keep their feet inside.
constexpr QPointF ground(128, 228);
constexpr double armLength = 20;
// Props are held small, so that they stay inside the frame beside the large body.
constexpr double propScale = 0.72;
constexpr double bodyScale = 1.32;

double radians(double degrees) {
    return degrees * M_PI / 180.0;
}

QColor withAlpha(QColor color, double alpha) {
    color.setAlphaF(static_cast<float>(std::clamp(alpha, 0.0, 1.0)));
    return color;
}

}  // namespace

QPen PetPainter::outlinePen(double scale) const {
    QPen pen(style_.outline, style_.outlineWidth * scale);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void PetPainter::drawPet(const PetPose& pose) {
    p_.save();
    p_.translate(ground + pose.offset);
    p_.scale(bodyScale, bodyScale);
    p_.rotate(pose.tilt);
    drawFeet(pose);
    p_.save();
    p_.scale(pose.stretchX, pose.stretchY);
    const double halfWidth = style_.bodyWidth / 2;
    const double shoulderY = -style_.bodyHeight * 0.5;
    const QPointF left(-halfWidth + 8, shoulderY);
    const QPointF right(halfWidth - 8, shoulderY);
    drawBody();
    drawFace(pose);
    p_.restore();
    const QPointF leftShoulder(left.x() * pose.stretchX, left.y() * pose.stretchY);
    const QPointF rightShoulder(right.x() * pose.stretchX, right.y() * pose.stretchY);
    drawArm(leftShoulder, pose.leftArm, -1);
    const double a = radians(pose.rightArm);
    const QPointF hand = rightShoulder + QPointF(std::sin(a), std::cos(a)) * armLength;
    if (pose.prop != PetProp::none) {
        drawProp(pose, hand);
    }
    drawArm(rightShoulder, pose.rightArm, 1);
    p_.restore();
}

void PetPainter::mirror() {
    p_.translate(256, 0);
    p_.scale(-1, 1);
}

void PetPainter::drawFeet(const PetPose& pose) {
    p_.setPen(outlinePen());
    p_.setBrush(style_.shade);
    for (const double side : {-1.0, 1.0}) {
        const double lift = side > 0 ? pose.footLift : pose.footLift * 0.4;
        p_.drawEllipse(QPointF(side * style_.bodyWidth * 0.24, -7 - lift), 17, 10);
    }
}

void PetPainter::drawBody() {
    const double w = style_.bodyWidth;
    const double h = style_.bodyHeight;
    // A dumpling: a wide rounded base that narrows gently to a soft top, with a small tuft.
    QPainterPath body;
    body.moveTo(0, -h);
    body.cubicTo(w * 0.36, -h, w * 0.52, -h * 0.62, w * 0.5, -h * 0.3);
    body.cubicTo(w * 0.49, -h * 0.04, w * 0.3, 0, 0, 0);
    body.cubicTo(-w * 0.3, 0, -w * 0.49, -h * 0.04, -w * 0.5, -h * 0.3);
    body.cubicTo(-w * 0.52, -h * 0.62, -w * 0.36, -h, 0, -h);
    body.closeSubpath();

    QPainterPath tuft;
    tuft.moveTo(-8, -h + 3);
    tuft.cubicTo(-12, -h - 16, 10, -h - 24, 14, -h - 12);
    tuft.cubicTo(6, -h - 14, 2, -h - 6, 8, -h + 3);
    tuft.closeSubpath();
    p_.setPen(outlinePen());
    p_.setBrush(style_.body);
    p_.drawPath(tuft);
    p_.drawPath(body);

    p_.save();
    p_.setClipPath(body);
    p_.setPen(Qt::NoPen);
    p_.setBrush(style_.shade);
    p_.drawEllipse(QPointF(w * 0.06, h * 0.3), w * 0.62, h * 0.5);
    p_.setBrush(style_.body);
    p_.drawEllipse(QPointF(-w * 0.04, -h * 0.58), w * 0.5, h * 0.5);
    p_.setBrush(style_.highlight);
    p_.drawEllipse(QPointF(-w * 0.24, -h * 0.78), w * 0.1, h * 0.07);
    p_.restore();
    p_.setPen(outlinePen());
    p_.setBrush(Qt::NoBrush);
    p_.drawPath(body);
}

void PetPainter::drawFace(const PetPose& pose) {
    const double h = style_.bodyHeight;
    const double eyeY = -h * 0.58;
    drawEye(QPointF(-24, eyeY), pose.eyes, -1);
    drawEye(QPointF(24, eyeY), pose.eyes, 1);
    p_.setPen(Qt::NoPen);
    p_.setBrush(withAlpha(style_.blush, 0.75));
    p_.drawEllipse(QPointF(-44, eyeY + 18), 11, 6.5);
    p_.drawEllipse(QPointF(44, eyeY + 18), 11, 6.5);
    drawMouth(QPointF(0, eyeY + 18), pose.mouth);
}

void PetPainter::drawEye(QPointF at, PetEyes eyes, double side) {
    QPen pen(style_.eye, 4);
    pen.setCapStyle(Qt::RoundCap);
    switch (eyes) {
        case PetEyes::open:
        case PetEyes::wide: {
            const double grow = eyes == PetEyes::wide ? 1.3 : 1.0;
            p_.setPen(Qt::NoPen);
            p_.setBrush(style_.eye);
            p_.drawEllipse(at, 7 * grow, 10 * grow);
            p_.setBrush(Qt::white);
            p_.drawEllipse(at + QPointF(-2.5 * grow + side * 0.5, -4 * grow), 2.8 * grow,
                           2.8 * grow);
            return;
        }
        case PetEyes::closed: {
            p_.setPen(pen);
            p_.setBrush(Qt::NoBrush);
            QPainterPath arc;
            arc.moveTo(at + QPointF(-8, -1));
            arc.quadTo(at + QPointF(0, 7), at + QPointF(8, -1));
            p_.drawPath(arc);
            return;
        }
        case PetEyes::happy: {
            p_.setPen(pen);
            p_.setBrush(Qt::NoBrush);
            QPainterPath arc;
            arc.moveTo(at + QPointF(-8, 4));
            arc.quadTo(at + QPointF(0, -9), at + QPointF(8, 4));
            p_.drawPath(arc);
            return;
        }
    }
}

void PetPainter::drawMouth(QPointF at, PetMouth mouth) {
    QPen pen(style_.eye, 3);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p_.setPen(pen);
    p_.setBrush(Qt::NoBrush);
    QPainterPath path;
    switch (mouth) {
        case PetMouth::smile:
            path.moveTo(at + QPointF(-7, -2));
            path.quadTo(at + QPointF(-3.5, 4), at + QPointF(0, -1));
            path.quadTo(at + QPointF(3.5, 4), at + QPointF(7, -2));
            p_.drawPath(path);
            return;
        case PetMouth::open:
            p_.setBrush(style_.mouth);
            p_.drawEllipse(at + QPointF(0, 2), 7, 8);
            return;
        case PetMouth::chew:
            path.moveTo(at + QPointF(-8, 0));
            path.lineTo(at + QPointF(-4, 3));
            path.lineTo(at + QPointF(0, 0));
            path.lineTo(at + QPointF(4, 3));
            path.lineTo(at + QPointF(8, 0));
            p_.drawPath(path);
            return;
        case PetMouth::flat:
            p_.drawLine(at + QPointF(-5, 1), at + QPointF(5, 1));
            return;
    }
}

void PetPainter::drawArm(QPointF shoulder, double angle, double side) {
    p_.save();
    p_.translate(shoulder);
    p_.rotate(-side * angle);
    p_.setPen(outlinePen());
    p_.setBrush(style_.body);
    p_.drawRoundedRect(QRectF(-10, -4, 20, armLength + 10), 10, 10);
    p_.restore();
}

void PetPainter::drawProp(const PetPose& pose, QPointF hand) {
    p_.save();
    p_.translate(hand);
    p_.scale(propScale, propScale);
    p_.setPen(outlinePen(0.8 / propScale));
    switch (pose.prop) {
        case PetProp::none:
            break;
        case PetProp::cup: {
            p_.rotate(-pose.propMotion * 55);
            p_.setBrush(QColor(0x8e, 0xc9, 0xe8));
            p_.drawRoundedRect(QRectF(-14, -30, 28, 32), 6, 6);
            p_.setBrush(Qt::NoBrush);
            p_.drawArc(QRectF(10, -24, 14, 16), -90 * 16, 180 * 16);
            p_.setPen(Qt::NoPen);
            p_.setBrush(QColor(0xd9, 0xf1, 0xff));
            p_.drawRect(QRectF(-10, -26, 20, 5));
            break;
        }
        case PetProp::paper: {
            p_.rotate(-12 + pose.propMotion * 24);
            const double s = 1.0 - pose.propMotion * 0.7;
            p_.scale(s, s);
            QPainterPath sheet;
            sheet.moveTo(-18, -24);
            sheet.lineTo(8, -24);
            sheet.lineTo(18, -14);
            sheet.lineTo(18, 24);
            sheet.lineTo(-18, 24);
            sheet.closeSubpath();
            p_.setBrush(Qt::white);
            p_.drawPath(sheet);
            p_.setPen(QPen(QColor(0x9a, 0xb4, 0xd0), 2.5));
            for (int line = 0; line < 4; ++line) {
                p_.drawLine(QPointF(-11, -10 + line * 9), QPointF(11, -10 + line * 9));
            }
            break;
        }
        case PetProp::hoe: {
            p_.rotate(-30 + pose.propMotion * 70);
            p_.setBrush(QColor(0xb7, 0x85, 0x4f));
            p_.drawRoundedRect(QRectF(-4, -70, 8, 92), 4, 4);
            p_.setBrush(QColor(0x9f, 0xa8, 0xb0));
            QPainterPath blade;
            blade.moveTo(-4, -70);
            blade.lineTo(-34, -64);
            blade.lineTo(-34, -50);
            blade.lineTo(-4, -58);
            blade.closeSubpath();
            p_.drawPath(blade);
            break;
        }
        case PetProp::seedBag: {
            p_.rotate(-pose.propMotion * 30);
            p_.setBrush(QColor(0xd8, 0xb2, 0x78));
            QPainterPath bag;
            bag.moveTo(-14, -16);
            bag.cubicTo(-26, 0, -22, 24, 0, 24);
            bag.cubicTo(22, 24, 26, 0, 14, -16);
            bag.closeSubpath();
            p_.drawPath(bag);
            p_.setBrush(QColor(0xa9, 0x7c, 0x46));
            p_.drawEllipse(QPointF(0, -17), 15, 5);
            p_.setPen(Qt::NoPen);
            p_.setBrush(QColor(0x7fa650));
            p_.drawEllipse(QPointF(0, 5), 6, 6);
            break;
        }
        case PetProp::wateringCan: {
            p_.rotate(pose.propMotion * 35);
            // Held in front of the belly, so the spout ends inside the frame.
            p_.translate(-30, 4);
            p_.setBrush(QColor(0x7c, 0xc2, 0x8f));
            p_.drawRoundedRect(QRectF(-6, -22, 36, 30), 8, 8);
            QPainterPath spout;
            spout.moveTo(28, -6);
            spout.lineTo(54, -26);
            spout.lineTo(58, -20);
            spout.lineTo(30, 2);
            spout.closeSubpath();
            p_.drawPath(spout);
            p_.setBrush(Qt::NoBrush);
            p_.drawArc(QRectF(-2, -36, 28, 26), 0, 180 * 16);
            break;
        }
        case PetProp::carrot: {
            p_.rotate(-10);
            p_.setBrush(QColor(0x6d, 0xb3, 0x4f));
            for (const double leaf : {-18.0, 0.0, 18.0}) {
                p_.save();
                p_.rotate(leaf);
                p_.drawEllipse(QRectF(-5, -46, 10, 26));
                p_.restore();
            }
            p_.setBrush(QColor(0xf2, 0x8c, 0x38));
            QPainterPath root;
            root.moveTo(-13, -20);
            root.cubicTo(-12, 0, -4, 22, 0, 30);
            root.cubicTo(4, 22, 12, 0, 13, -20);
            root.closeSubpath();
            p_.drawPath(root);
            break;
        }
    }
    p_.restore();
}

void PetPainter::drawNote(QPointF at, double size, double alpha) {
    const QColor ink = withAlpha(QColor(0x7b, 0x6c, 0xc4), alpha);
    p_.setPen(QPen(ink, size * 0.16, Qt::SolidLine, Qt::RoundCap));
    p_.setBrush(ink);
    p_.drawEllipse(at, size * 0.32, size * 0.25);
    p_.drawLine(at + QPointF(size * 0.28, 0), at + QPointF(size * 0.28, -size));
    p_.drawLine(at + QPointF(size * 0.28, -size), at + QPointF(size * 0.62, -size * 0.75));
}

void PetPainter::drawSparkle(QPointF at, double size, double alpha) {
    QPainterPath star;
    star.moveTo(at + QPointF(0, -size));
    star.quadTo(at, at + QPointF(size, 0));
    star.quadTo(at, at + QPointF(0, size));
    star.quadTo(at, at + QPointF(-size, 0));
    star.quadTo(at, at + QPointF(0, -size));
    p_.setPen(Qt::NoPen);
    p_.setBrush(withAlpha(QColor(0xff, 0xd2, 0x4d), alpha));
    p_.drawPath(star);
}

void PetPainter::drawCloud(QPointF at, double radius, double alpha) {
    QPainterPath cloud;
    for (int i = 0; i < 7; ++i) {
        const double angle = i * 2 * M_PI / 7;
        cloud.addEllipse(at + QPointF(std::cos(angle), std::sin(angle) * 0.8) * radius * 0.7,
                         radius * 0.5, radius * 0.5);
    }
    cloud.addEllipse(at, radius * 0.75, radius * 0.7);
    cloud.setFillRule(Qt::WindingFill);
    p_.setPen(QPen(withAlpha(QColor(0xc9, 0xbf, 0xd6), alpha), 3));
    p_.setBrush(withAlpha(QColor(0xfa, 0xf7, 0xff), alpha));
    p_.drawPath(cloud.simplified());
}

void PetPainter::drawDrop(QPointF at, double size) {
    QPainterPath drop;
    drop.moveTo(at + QPointF(0, -size));
    drop.cubicTo(at + QPointF(size * 0.7, 0), at + QPointF(size * 0.6, size * 0.7),
                 at + QPointF(0, size * 0.7));
    drop.cubicTo(at + QPointF(-size * 0.6, size * 0.7), at + QPointF(-size * 0.7, 0),
                 at + QPointF(0, -size));
    p_.setPen(QPen(QColor(0x4f, 0x9a, 0xd1), 1.5));
    p_.setBrush(QColor(0x9f, 0xd6, 0xf5));
    p_.drawPath(drop);
}

void PetPainter::drawClod(QPointF at, double size) {
    p_.setPen(Qt::NoPen);
    p_.setBrush(QColor(0x8a, 0x5f, 0x3c));
    p_.drawEllipse(at, size, size * 0.8);
}

void PetPainter::drawSeed(QPointF at) {
    p_.setPen(Qt::NoPen);
    p_.setBrush(QColor(0x6b, 0x4a, 0x2b));
    p_.drawEllipse(at, 3.2, 4.2);
}

void PetPainter::drawSoilMound(QPointF at, double width) {
    p_.setPen(QPen(QColor(0x6e, 0x4a, 0x2e), 2.5));
    p_.setBrush(QColor(0xa8, 0x74, 0x4a));
    QPainterPath mound;
    mound.moveTo(at + QPointF(-width / 2, 0));
    mound.quadTo(at + QPointF(0, -width * 0.35), at + QPointF(width / 2, 0));
    mound.closeSubpath();
    p_.drawPath(mound);
}

}  // namespace tundle

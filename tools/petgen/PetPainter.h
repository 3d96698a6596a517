#pragma once

#include <QPainter>
#include <QPointF>

#include "petgen/PetPose.h"
#include "petgen/PetStyle.h"

namespace tundle {

// Draws 糯墩 and the small things around it into a 256-pixel frame. Every shape is a path in
// fixed coordinates, so the same pose always gives the same pixels.
class PetPainter {
public:
    PetPainter(QPainter& painter, const PetStyle& style) : p_(painter), style_(style) {}

    void drawPet(const PetPose& pose);
    // Draws everything after it mirrored left to right, so a prop is held on the left.
    void mirror();

    void drawNote(QPointF at, double size, double alpha);
    void drawSparkle(QPointF at, double size, double alpha);
    void drawCloud(QPointF at, double radius, double alpha);
    void drawDrop(QPointF at, double size);
    void drawClod(QPointF at, double size);
    void drawSeed(QPointF at);
    void drawSoilMound(QPointF at, double width);

private:
    void drawFeet(const PetPose& pose);
    void drawBody();
    void drawFace(const PetPose& pose);
    void drawEye(QPointF at, PetEyes eyes, double side);
    void drawMouth(QPointF at, PetMouth mouth);
    void drawArm(QPointF shoulder, double angle, double side);
    void drawProp(const PetPose& pose, QPointF hand);
    QPen outlinePen(double scale = 1.0) const;

    QPainter& p_;
    const PetStyle& style_;
};

}  // namespace tundle

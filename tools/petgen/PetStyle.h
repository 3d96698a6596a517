#pragma once

#include <QColor>

namespace tundle {

// The colours and line of one pack's drawing of 糯墩.
struct PetStyle {
    QColor outline;
    double outlineWidth;
    QColor body;
    QColor shade;
    QColor highlight;
    QColor blush;
    QColor eye;
    QColor mouth;
    double bodyWidth;
    double bodyHeight;

    // Crisp brown lines on warm cream.
    static PetStyle crisp();
    // Lighter lines, paler cream and a rounder body.
    static PetStyle soft();
};

}  // namespace tundle

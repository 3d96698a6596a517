#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>

class QPainter;

namespace tundle {

class PetAssets;
class SpriteFrames;
class YUpSpace;

// One frame of the pet: which clip shows, how far into it, and where.
struct PetFrameState {
    const PetAssets* assets = nullptr;
    QString animation = QStringLiteral("idle");
    // Seconds since the clip started.
    double elapsed = 0;
    // Motion is reduced or a breathing exercise keeps the pet quiet: the idle frame, no effects.
    bool still = false;
    QRectF spriteRect;
    double boundsWidth = 0;
    bool draggingFile = false;
};

// Where and how the frame is drawn, worked out before any pixel is touched. Three clips a pack
// may lack are drawn as effects instead: eating squashes the pet, harvest bounces it with a
// star, poof sends up puffs.
struct PetSpriteGeometry {
    static constexpr double fadeSeconds = 0.14;
    static constexpr double harvestSeconds = 1.35;
    static constexpr double poofSeconds = 1.7;

    QString clip;
    bool eating = false;
    bool harvest = false;
    bool poof = false;
    // The clip's frame rectangle, squashed or bounced by an effect.
    QRectF rect;
    // The clip's opacity; below 1 the idle frame shows through with the rest.
    double opacity = 1;
    QPointF eatingTextAt;
    QPointF starAt;
    double starAlpha = 0;
    std::array<QRectF, 3> puffs;
    double puffAlpha = 0;
    QPointF poofTextAt;

    static PetSpriteGeometry of(const PetFrameState& state);
};

// The drag-over glow, the sprite with its cross-fade and the drawn effects; without frames,
// the loading text. With `frames`, a fully opaque frame is copied from the frames already drawn.
void drawPetSprite(QPainter& painter, const YUpSpace& space, const PetFrameState& state,
                   SpriteFrames* frames = nullptr);

}  // namespace tundle

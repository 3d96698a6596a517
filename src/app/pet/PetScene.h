#pragma once

#include <QRectF>
#include <optional>

#include "pet/BubbleLayout.h"
#include "pet/PetSprite.h"

class QPainter;

namespace tundle {

class SoapFilm;
class SpriteFrames;
class YUpSpace;

// The speech bubble placed in the view.
struct BubbleScene {
    BubbleContent content;
    // Where the bubble stands, in the view's bottom-up points.
    QRectF rect;
    BubbleLayout layout;
};

// One whole frame of the pet view, as a value: the pet, then its bubble on top.
struct PetScene {
    PetFrameState frame;
    std::optional<BubbleScene> bubble;
};

// The bubble's soap film with its tail, its texts and its buttons.
void drawBubble(QPainter& painter, const YUpSpace& space, const BubbleScene& bubble,
                SoapFilm& films);
void drawPetScene(QPainter& painter, const YUpSpace& space, const PetScene& scene, SoapFilm& films,
                  SpriteFrames* frames = nullptr);

}  // namespace tundle

#pragma once

#include <QPointF>

namespace tundle {

enum class PetEyes { open, closed, happy, wide };
enum class PetMouth { smile, open, chew, flat };
enum class PetProp { none, cup, paper, hoe, seedBag, wateringCan, carrot };

// One drawing of 糯墩 in a 256-pixel frame: where the body sits and how it is squashed, its
// face, its arms and what it holds. Angles are in degrees, 0 hanging down, positive outward.
struct PetPose {
    QPointF offset = {0, 0};
    double stretchX = 1.0;
    double stretchY = 1.0;
    double tilt = 0.0;
    PetEyes eyes = PetEyes::open;
    PetMouth mouth = PetMouth::smile;
    double leftArm = 20;
    double rightArm = 20;
    PetProp prop = PetProp::none;
    // Progress of the prop's own motion (a tilting cup or can, a swinging hoe), 0 up to 1.
    double propMotion = 0.0;
    double footLift = 0.0;
};

}  // namespace tundle

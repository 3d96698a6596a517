#include "petgen/PetClipScript.h"

#include <cmath>

namespace tundle {

namespace {

double wave(double t) {
    return 0.5 - 0.5 * std::cos(2 * M_PI * t);
}

// Eases 0..1 in and out.
double ease(double t) {
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Progress of `index` through frames first..last.
double span(int index, int first, int last) {
    return ease(double(index - first) / double(std::max(1, last - first)));
}

void idle(PetPainter& painter, int index, int count) {
    const double breath = wave(double(index) / count);
    PetPose pose;
    pose.stretchY = 1 + 0.04 * breath;
    pose.stretchX = 1 - 0.018 * breath;
    pose.leftArm = pose.rightArm = 16 + 6 * breath;
    if (index == count - 4 || index == count - 3) {
        pose.eyes = PetEyes::closed;
    }
    painter.drawPet(pose);
}

void drink(PetPainter& painter, int index, int) {
    PetPose pose;
    pose.prop = PetProp::cup;
    const double raise = index < 6 ? span(index, 0, 5) : index < 18 ? 1.0 : 1 - span(index, 18, 23);
    pose.rightArm = 25 + 125 * raise;
    pose.propMotion = index >= 6 && index < 18 ? 0.6 + 0.4 * wave((index - 6) / 6.0) : raise * 0.3;
    if (index >= 6 && index < 18) {
        pose.eyes = PetEyes::closed;
        pose.mouth = PetMouth::flat;
        pose.stretchY = 1 + 0.02 * wave((index - 6) / 4.0);
    } else if (index >= 18) {
        pose.eyes = PetEyes::happy;
    }
    painter.drawPet(pose);
    if (index >= 19) {
        painter.drawSparkle(QPointF(218, 40 - (index - 19) * 4), 8, 1.0 - (index - 19) * 0.2);
    }
}

void stretch(PetPainter& painter, int index, int) {
    const double up = index < 7 ? span(index, 0, 6) : index < 12 ? 1.0 : 1 - span(index, 12, 15);
    PetPose pose;
    pose.leftArm = pose.rightArm = 18 + 150 * up;
    pose.stretchY = 1 + 0.05 * up;
    pose.stretchX = 1 - 0.04 * up;
    pose.eyes = up > 0.5 ? PetEyes::closed : PetEyes::open;
    pose.mouth = index >= 6 && index < 11 ? PetMouth::open : PetMouth::smile;
    if (index >= 13) {
        pose.eyes = PetEyes::happy;
    }
    painter.drawPet(pose);
}

void dance(PetPainter& painter, int index, int count) {
    const double t = double(index) / count;
    const double swing = std::sin(4 * M_PI * t);
    PetPose pose;
    pose.tilt = 6 * swing;
    pose.offset = {0, -6 * std::abs(swing)};
    // Arms cheer overhead: held out sideways they would leave the frame.
    pose.leftArm = 140 + 25 * wave(2 * t);
    pose.rightArm = 165 - 25 * wave(2 * t);
    pose.eyes = PetEyes::happy;
    pose.mouth = PetMouth::open;
    pose.footLift = 6 * std::max(0.0, swing);
    painter.drawPet(pose);
    for (int note = 0; note < 2; ++note) {
        const double phase = std::fmod(t + note * 0.5, 1.0);
        painter.drawNote(QPointF(note == 0 ? 24 : 210, 68 - 40 * phase), 20,
                         1 - std::pow(phase, 2));
    }
}

void tapDance(PetPainter& painter, int index, int count) {
    const double t = double(index) / count;
    const bool left = (index / 2) % 2 == 0;
    PetPose pose;
    pose.leftArm = left ? 165 : 145;
    pose.rightArm = left ? 145 : 165;
    pose.tilt = left ? -3 : 3;
    pose.footLift = index % 2 == 0 ? 14 : 2;
    pose.stretchX = index % 2 == 0 ? 1.03 : 0.98;
    pose.stretchY = index % 2 == 0 ? 0.97 : 1.02;
    pose.eyes = PetEyes::happy;
    pose.mouth = PetMouth::open;
    painter.drawPet(pose);
    painter.drawNote(QPointF(214, 62 - 36 * t), 18, 1 - t);
    if (index % 2 == 0) {
        painter.drawSparkle(QPointF(left ? 84 : 172, 228), 7, 0.9);
    }
}

void jump(PetPainter& painter, int index, int) {
    PetPose pose;
    if (index < 3) {
        const double crouch = span(index, 0, 2);
        pose.stretchY = 1 - 0.15 * crouch;
        pose.stretchX = 1 + 0.1 * crouch;
    } else if (index < 9) {
        // The hop is short: the pet fills its frame, so the crouch and the stretch carry it.
        const double air = std::sin(M_PI * (index - 2) / 7.0);
        pose.offset = {0, -10 * air};
        pose.stretchX = 0.97;
        pose.footLift = 6 * air;
        pose.leftArm = pose.rightArm = 125;
        pose.eyes = PetEyes::happy;
        pose.mouth = PetMouth::open;
    } else if (index < 11) {
        pose.stretchY = 0.88;
        pose.stretchX = 1.08;
        pose.eyes = PetEyes::happy;
    } else {
        pose.eyes = PetEyes::happy;
    }
    painter.drawPet(pose);
}

void eating(PetPainter& painter, int index, int) {
    PetPose pose;
    const double bring = span(index, 0, 9);
    if (index < 10) {
        pose.prop = PetProp::paper;
        pose.rightArm = 35 + 60 * bring;
        pose.propMotion = bring;
        pose.mouth = index >= 3 ? PetMouth::open : PetMouth::smile;
        pose.eyes = index >= 3 ? PetEyes::wide : PetEyes::open;
    } else {
        pose.mouth = index % 2 == 0 ? PetMouth::chew : PetMouth::flat;
        pose.eyes = PetEyes::happy;
        pose.stretchY = index % 2 == 0 ? 0.96 : 1.02;
        pose.stretchX = index % 2 == 0 ? 1.03 : 0.99;
    }
    painter.drawPet(pose);
}

void poof(PetPainter& painter, int index, int) {
    PetPose pose;
    pose.eyes = index < 4 ? PetEyes::closed : PetEyes::happy;
    if (index < 4) {
        pose.stretchY = 1 - 0.1 * span(index, 0, 3);
        pose.stretchX = 1 + 0.06 * span(index, 0, 3);
    }
    painter.drawPet(pose);
    if (index >= 3 && index < 17) {
        const double grow = span(index, 3, 9);
        const double fade = 1 - span(index, 12, 16);
        painter.drawCloud(QPointF(128, 134), 40 + 55 * grow, fade);
    }
    if (index >= 13) {
        const double t = span(index, 13, 19);
        for (int s = 0; s < 3; ++s) {
            const double angle = -M_PI / 2 + (s - 1) * 0.9;
            painter.drawSparkle(
                QPointF(128, 134) + QPointF(std::cos(angle), std::sin(angle)) * (80 + 24 * t), 9,
                1 - t);
        }
    }
}

void loosenSoil(PetPainter& painter, int index, int count) {
    painter.mirror();
    const double swing = wave(2.0 * index / count);
    PetPose pose;
    pose.prop = PetProp::hoe;
    pose.rightArm = 95 - 40 * swing;
    pose.propMotion = swing;
    pose.eyes = swing > 0.8 ? PetEyes::closed : PetEyes::open;
    pose.mouth = PetMouth::flat;
    pose.tilt = 4 * swing;
    painter.drawSoilMound(QPointF(232, 240), 40);
    painter.drawPet(pose);
    if (swing > 0.7) {
        painter.drawClod(QPointF(222, 226 - 14 * swing), 4);
        painter.drawClod(QPointF(240, 220 - 10 * swing), 3);
    }
}

void sow(PetPainter& painter, int index, int count) {
    painter.mirror();
    const double t = double(index) / count;
    PetPose pose;
    pose.prop = PetProp::seedBag;
    pose.rightArm = 50 + 15 * std::sin(4 * M_PI * t);
    pose.propMotion = wave(2 * t);
    pose.eyes = PetEyes::happy;
    painter.drawPet(pose);
    for (int seed = 0; seed < 3; ++seed) {
        const double fall = std::fmod(2 * t + seed / 3.0, 1.0);
        painter.drawSeed(QPointF(222 + 6 * seed + 8 * fall, 176 + 56 * fall * fall));
    }
}

void water(PetPainter& painter, int index, int count) {
    painter.mirror();
    const double t = double(index) / count;
    PetPose pose;
    pose.prop = PetProp::wateringCan;
    pose.rightArm = 55;
    pose.propMotion = 0.6 + 0.4 * wave(2 * t);
    pose.eyes = PetEyes::happy;
    painter.drawPet(pose);
    for (int drop = 0; drop < 3; ++drop) {
        const double fall = std::fmod(3 * t + drop / 3.0, 1.0);
        painter.drawDrop(QPointF(236 + 4 * drop, 172 + 52 * fall), 5);
    }
}

void harvest(PetPainter& painter, int index, int) {
    PetPose pose;
    pose.prop = PetProp::carrot;
    if (index < 6) {
        pose.rightArm = 30;
        pose.stretchY = 0.9 + 0.03 * (index % 2);
        pose.stretchX = 1.05;
        pose.eyes = PetEyes::closed;
        pose.mouth = PetMouth::flat;
    } else if (index < 10) {
        const double up = span(index, 6, 9);
        pose.rightArm = 30 + 130 * up;
        pose.offset = {0, -10 * std::sin(M_PI * up)};
        pose.eyes = PetEyes::wide;
        pose.mouth = PetMouth::open;
    } else {
        pose.rightArm = 160;
        pose.eyes = PetEyes::happy;
        pose.mouth = PetMouth::open;
    }
    painter.drawPet(pose);
    if (index >= 10) {
        const double t = span(index, 10, 15);
        painter.drawSparkle(QPointF(222, 40 + 6 * t), 10 * (1 - t * 0.5), 1.0);
        painter.drawSparkle(QPointF(170, 30), 7 * t, 1.0);
    }
}

}  // namespace

const std::vector<PetClipScript>& PetClipScript::all() {
    static const std::vector<PetClipScript> scripts = {
        {"idle", 24, 8, 12, true, std::nullopt, nullptr, nullptr, std::nullopt, nullptr, true,
         idle},
        {"drink", 24, 8, 8, false, std::nullopt, nullptr, nullptr, std::nullopt, "drink.wav", true,
         drink},
        {"stretch", 16, 8, 8, false, std::nullopt, nullptr, nullptr, std::nullopt, nullptr, false,
         stretch},
        {"dance", 16, 8, 8, true, 4.0, nullptr, nullptr, std::nullopt, nullptr, true, dance},
        {"dance_tavro", 16, 8, 10, true, 3.2, "踢踏舞", nullptr, 3, nullptr, false, tapDance},
        {"jump", 12, 6, 12, false, std::nullopt, nullptr, nullptr, std::nullopt, "jump.wav", true,
         jump},
        {"eating", 18, 6, 12, false, std::nullopt, nullptr, nullptr, std::nullopt, "eating.wav",
         true, eating},
        {"poof", 20, 5, 12, false, 1.7, nullptr, nullptr, std::nullopt, "poof.wav", false, poof},
        {"loosen_soil", 16, 8, 8, true, std::nullopt, nullptr, "farm", std::nullopt, nullptr, true,
         loosenSoil},
        {"sow", 16, 8, 8, true, std::nullopt, nullptr, "farm", std::nullopt, nullptr, true, sow},
        {"water", 16, 8, 8, true, std::nullopt, nullptr, "farm", std::nullopt, "water.wav", true,
         water},
        {"harvest", 16, 8, 8, false, std::nullopt, "收获", "farm", 9, nullptr, false, harvest},
    };
    return scripts;
}

}  // namespace tundle

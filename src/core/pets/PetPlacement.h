#pragma once

#include <QRectF>
#include <QStringView>
#include <array>
#include <optional>

namespace tundle {

// How a clip's frames sit relative to the idle frame: scaled about the centre of the rectangle,
// then moved by (dx, dy) in units of 1/320 of its width, dy pointing up on screen. The artwork
// of these clips is drawn compensated for it, so the pet keeps its place at a cross-fade.
struct PetPlacement {
    const char* clip;
    double scale;
    double dx;
    double dy;

    // The row of a clip, or nothing when it is drawn in the idle frame's rectangle.
    static std::optional<PetPlacement> of(QStringView clip);
    // The rectangle the frames are drawn in, in Qt's coordinates (y down).
    QRectF apply(const QRectF& rect) const;
};

inline constexpr std::array<PetPlacement, 6> petPlacements{{
    {"dance_tavro", 0.964, -3.2, 13.3},
    {"drink", 0.98, 14.7, 6.4},
    {"stretch", 0.992, 9.1, 1.0},
    {"loosen_soil", 1.227, -11.6, 15.7},
    {"sow", 0.996, -11.5, 10.5},
    {"water", 1.03, -23.8, 7.8},
}};

}  // namespace tundle

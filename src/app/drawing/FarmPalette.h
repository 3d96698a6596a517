#pragma once

#include <QColor>

#include "drawing/PetPalette.h"

namespace tundle {

// The farm's colours, mixed the way the pet's are.
class FarmPalette : public PetPalette {
public:
    FarmPalette() = delete;

    static QColor white(double alpha) { return rgb(1, 1, 1, alpha); }
};

}  // namespace tundle

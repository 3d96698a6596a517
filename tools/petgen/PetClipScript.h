#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "petgen/PetPainter.h"

namespace tundle {

// One clip as the generator draws it and describes it in the manifest. `draw` paints frame
// `index` of `count` in the idle frame's coordinates.
struct PetClipScript {
    const char* id;
    int frameCount;
    int columns;
    double fps;
    bool loop;
    std::optional<double> duration;
    const char* title;
    const char* group;
    std::optional<int> sortOrder;
    const char* audio;
    // Whether the softer pack carries the clip too.
    bool inSoftPack;
    std::function<void(PetPainter&, int index, int count)> draw;

    static const std::vector<PetClipScript>& all();
};

}  // namespace tundle

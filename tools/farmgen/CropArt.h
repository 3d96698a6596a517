#pragma once

#include <QImage>

#include "model/FarmCrop.h"

namespace tundle {

// A crop at one of its three growth stages, on a transparent ground with its base on the
// bottom edge.
class CropArt {
public:
    static QImage paint(FarmCrop crop, int stage);
};

}  // namespace tundle

#pragma once

#include <QImage>
#include <QString>
#include <map>
#include <vector>

#include "farm/FarmArtwork.h"
#include "model/FarmStore.h"
#include "render-scenes/SceneGallery.h"
#include "support/MemoryDefaults.h"

namespace tundle {

// The farm panel at fixed instants, drawn from the generated room scene and crop pictures:
// each weather, fog, night, every plot state, the buttons, a countdown, the feedback labels
// and the smallest and largest scales. Deterministic: no clock is read.
class FarmGallery {
public:
    // `assetsFolder` holds the generated room scene and farm artwork.
    explicit FarmGallery(const QString& assetsFolder);

    std::vector<RenderedScene> render();

private:
    MemoryDefaults defaults_;
    FarmStore farm_;
    std::map<QString, QImage> roomImages_;
    FarmArtwork artwork_;
};

}  // namespace tundle

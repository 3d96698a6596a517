#pragma once

#include <QImage>
#include <QRect>
#include <QStringList>
#include <optional>

#include "accessories/PetAccessory.h"

namespace tundle {

// The accessories' built-in pictures, trimmed to their visible pixels plus a fixed margin so
// every button can scale its picture by the same rule. A prepared picture is kept for the rest
// of the process; a failure is not, so the next call looks again.
class AccessoryArtwork {
public:
    AccessoryArtwork() = delete;

    static constexpr qint64 readLimit = 64 * 1024 * 1024;
    static constexpr int margin = 18;

    // Main thread only.
    static std::optional<QImage> image(PetAccessory accessory);

    // The files to look at, best first: the resource folder, then the source tree's layouts
    // under the current directory.
    static QStringList candidates(PetAccessory accessory,
                                  const std::optional<QString>& resourceFolder,
                                  const QString& currentFolder);
    // Only the first existing candidate is read; a broken one is not passed over.
    static std::optional<QImage> load(const QStringList& candidates);
    // The crop around the pixels whose alpha is above 3/255, in pixel coordinates (top-left
    // origin); none when they do not span at least two columns and two rows.
    static std::optional<QRect> visibleCrop(const QImage& image);
    static std::optional<QImage> trimmed(const QImage& image);
};

}  // namespace tundle

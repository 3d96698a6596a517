#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

#include "support/ImageSource.h"

namespace tundle {

// Reads the files of asset packs: bytes within a limit, image sources probed from their header,
// and whole images. QImage only, so it may run off the main thread.
class ResourceReader {
public:
    // The limit every asset read uses.
    static constexpr qint64 assetLimit = 67108864;

    // The file's bytes; a FileError when it cannot be read or holds more than `limit` bytes.
    static QByteArray read(const QString& path, qint64 limit);
    // Nothing when the file cannot be read as an image.
    static std::optional<ImageSource> imageSource(const QString& path);
    // The same, with the file read once within the asset limit and kept encoded in memory.
    static std::optional<ImageSource> encodedImageSource(const QString& path);
    // Image 0 of the file; a null image when there is none.
    static QImage image(const QString& path);
};

}  // namespace tundle

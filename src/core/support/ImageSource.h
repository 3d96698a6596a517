#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

namespace tundle {

// An image file opened for probing: its frame count and pixel size come from the file's
// header without decoding it. Uses QImage only, so it may run off the main thread.
class ImageSource {
public:
    // Nothing when the file cannot be read as an image.
    static std::optional<ImageSource> open(const QString& path);

    // How many images the file holds; an animated PNG counts its frames.
    int frameCount() const { return frameCount_; }
    // The pixel size of image 0, as its header declares it.
    QSize pixelSize() const { return pixelSize_; }
    // Image 0 decoded in full; a null image when it does not decode.
    QImage decodeFirst() const;

private:
    ImageSource(QString path, int frameCount, QSize pixelSize);

    QString path_;
    int frameCount_;
    QSize pixelSize_;
};

}  // namespace tundle

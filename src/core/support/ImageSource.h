#pragma once

#include <QByteArray>
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
    // The file read whole, once, and kept encoded: probing and decoding later never go back to
    // the file. Nothing when it cannot be read, is larger than `limit` bytes or is no image.
    static std::optional<ImageSource> read(const QString& path, qint64 limit);

    // How many images the file holds; an animated PNG counts its frames.
    int frameCount() const { return frameCount_; }
    // The pixel size of image 0, as its header declares it.
    QSize pixelSize() const { return pixelSize_; }
    // Image 0 decoded in full; a null image when it does not decode.
    QImage decodeFirst() const;

private:
    ImageSource(QString path, QByteArray bytes, int frameCount, QSize pixelSize);

    QString path_;
    // The encoded file when it was read whole; empty when decoding reads the path.
    QByteArray bytes_;
    int frameCount_;
    QSize pixelSize_;
};

}  // namespace tundle

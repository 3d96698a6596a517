#include "support/ImageSource.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

namespace tundle {

namespace {

// Large enough for every picture a pack may hold (2048 x 3072 at 4 bytes a pixel is 24 MiB, and
// pet sheets are bigger); Qt's default of 128 MiB would refuse larger images without saying so.
constexpr int allocationLimitMegabytes = 1024;

// The frame count an animated PNG declares in its animation control chunk, which comes before
// the first image data; 1 for a still PNG, nothing for a file that is not a PNG.
std::optional<int> pngFrameCount(QIODevice& file) {
    static constexpr char signature[] = "\x89PNG\r\n\x1a\n";
    if (!file.open(QIODevice::ReadOnly) || file.read(8) != QByteArray(signature, 8)) {
        return std::nullopt;
    }
    while (true) {
        const QByteArray header = file.read(8);
        if (header.size() != 8) {
            return 1;
        }
        const quint32 length = qFromBigEndian<quint32>(header.constData());
        const QByteArray type = header.mid(4, 4);
        if (type == "IDAT" || type == "IEND") {
            return 1;
        }
        if (type == "acTL" && length >= 8) {
            const QByteArray data = file.read(4);
            if (data.size() != 4) {
                return 1;
            }
            return static_cast<int>(
                std::min<quint32>(qFromBigEndian<quint32>(data.constData()), INT_MAX));
        }
        if (!file.seek(file.pos() + qint64(length) + 4)) {
            return 1;
        }
    }
}

void setAllocationLimitOnce() {
    static const bool set = [] {
        QImageReader::setAllocationLimit(allocationLimitMegabytes);
        return true;
    }();
    (void)set;
}

}  // namespace

ImageSource::ImageSource(QString path, QByteArray bytes, int frameCount, QSize pixelSize)
    : path_(std::move(path)),
      bytes_(std::move(bytes)),
      frameCount_(frameCount),
      pixelSize_(pixelSize) {}

std::optional<ImageSource> ImageSource::open(const QString& path) {
    setAllocationLimitOnce();
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead()) {
        return std::nullopt;
    }
    QFile file(path);
    const int count = pngFrameCount(file).value_or(std::max(reader.imageCount(), 1));
    return ImageSource(path, QByteArray(), count, reader.size());
}

std::optional<ImageSource> ImageSource::read(const QString& path, qint64 limit) {
    setAllocationLimitOnce();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > limit) {
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (bytes.isEmpty() || bytes.size() > limit) {
        return std::nullopt;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead()) {
        return std::nullopt;
    }
    const QSize size = reader.size();
    const int imageCount = reader.imageCount();
    QBuffer chunks;
    chunks.setData(bytes);
    const int count = pngFrameCount(chunks).value_or(std::max(imageCount, 1));
    return ImageSource(path, std::move(bytes), count, size);
}

QImage ImageSource::decodeFirst() const {
    setAllocationLimitOnce();
    if (bytes_.isEmpty()) {
        QImageReader reader(path_);
        reader.setDecideFormatFromContent(true);
        return reader.read();
    }
    QBuffer buffer;
    buffer.setData(bytes_);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

}  // namespace tundle

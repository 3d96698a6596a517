#include "support/ResourceReader.h"

#include "support/FileIO.h"

namespace tundle {

QByteArray ResourceReader::read(const QString& path, qint64 limit) {
    QByteArray bytes = FileIO::readAtMost(path, limit);
    if (bytes.size() > limit) {
        throw FileError(QStringLiteral("文件过大“%1”").arg(path));
    }
    return bytes;
}

std::optional<ImageSource> ResourceReader::imageSource(const QString& path) {
    return ImageSource::open(path);
}

std::optional<ImageSource> ResourceReader::encodedImageSource(const QString& path) {
    return ImageSource::read(path, assetLimit);
}

QImage ResourceReader::image(const QString& path) {
    const std::optional<ImageSource> source = ImageSource::open(path);
    return source ? source->decodeFirst() : QImage();
}

}  // namespace tundle

#include "accessories/AccessoryArtwork.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <map>

#include "drawing/ResourceFolder.h"
#include "support/FileIO.h"

namespace tundle {

std::optional<QImage> AccessoryArtwork::image(PetAccessory accessory) {
    static std::map<PetAccessory, QImage> cache;
    if (const auto found = cache.find(accessory); found != cache.end()) {
        return found->second;
    }
    std::optional<QImage> prepared =
        load(candidates(accessory, ResourceFolder::locate(QCoreApplication::applicationDirPath()),
                        QDir::currentPath()));
    if (prepared) {
        cache.emplace(accessory, *prepared);
    }
    return prepared;
}

QStringList AccessoryArtwork::candidates(PetAccessory accessory,
                                         const std::optional<QString>& resourceFolder,
                                         const QString& currentFolder) {
    const QString file = QStringLiteral("Accessories/") + petAccessoryText(accessory) + ".png";
    QStringList paths;
    if (resourceFolder) {
        paths << QDir(*resourceFolder).filePath(file);
    }
    const QDir current(currentFolder);
    paths << current.filePath(QStringLiteral("app/Assets/") + file)
          << current.filePath(QStringLiteral("Assets/") + file);
    return paths;
}

std::optional<QImage> AccessoryArtwork::load(const QStringList& candidates) {
    for (const QString& path : candidates) {
        if (!QFileInfo::exists(path)) {
            continue;
        }
        QByteArray bytes;
        try {
            bytes = FileIO::readAtMost(path, readLimit);
        } catch (const FileError&) {
            return std::nullopt;
        }
        if (bytes.size() > readLimit) {
            return std::nullopt;
        }
        const QImage decoded = QImage::fromData(bytes);
        return decoded.isNull() ? std::nullopt : trimmed(decoded);
    }
    return std::nullopt;
}

std::optional<QRect> AccessoryArtwork::visibleCrop(const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    const int width = pixels.width();
    const int height = pixels.height();
    int minX = width, minY = height, maxX = 0, maxY = 0;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (qAlpha(row[x]) > 3) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
        }
    }
    if (maxX <= minX || maxY <= minY) {
        return std::nullopt;
    }
    const int x = std::max(minX - margin, 0);
    const int y = std::max(minY - margin, 0);
    return QRect(x, y, std::min(maxX - minX + 2 * margin + 1, width - x),
                 std::min(maxY - minY + 2 * margin + 1, height - y));
}

std::optional<QImage> AccessoryArtwork::trimmed(const QImage& image) {
    const std::optional<QRect> crop = visibleCrop(image);
    if (!crop) {
        return std::nullopt;
    }
    QImage cropped = image.copy(*crop);
    if (cropped.isNull()) {
        return std::nullopt;
    }
    cropped.setDevicePixelRatio(1);
    return cropped;
}

}  // namespace tundle

#include "pets/PetAssets.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <cstring>

#include "pets/PetFileNames.h"
#include "support/ResourceReader.h"

namespace tundle {

namespace {

constexpr qint64 largestFrame = 2048;
constexpr qint64 mostColumns = 64;
constexpr qint64 mostFrames = 1440;
constexpr double mostFps = 120;
constexpr double longestClip = 120;

std::optional<QString> packFolder(const std::optional<QString>& root, PetAssetPack pack,
                                  const std::optional<QString>& resourceFolder) {
    if (root) {
        return QFileInfo::exists(QDir(*root).filePath(QStringLiteral("manifest.json")))
                   ? root
                   : std::nullopt;
    }
    const QString name = petAssetPackText.raw(pack);
    QStringList candidates;
    if (resourceFolder) {
        candidates << QDir(*resourceFolder).filePath(name);
    }
    candidates << QDir::current().filePath(QStringLiteral("Assets/") + name)
               << QDir::current().filePath(QStringLiteral("app/Assets/") + name);
    for (const QString& candidate : candidates) {
        if (QFileInfo::exists(QDir(candidate).filePath(QStringLiteral("manifest.json")))) {
            return candidate;
        }
    }
    return std::nullopt;
}

QByteArray premultipliedRgba(const QImage& frame) {
    const QImage rgba = frame.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    const qsizetype rowBytes = qsizetype(rgba.width()) * 4;
    QByteArray bytes(rowBytes * rgba.height(), Qt::Uninitialized);
    for (int y = 0; y < rgba.height(); ++y) {
        std::memcpy(bytes.data() + rowBytes * y, rgba.constScanLine(y),
                    static_cast<std::size_t>(rowBytes));
    }
    return bytes;
}

}  // namespace

PetAssets::PetAssets(const std::optional<QString>& root, PetAssetPack pack,
                     const std::optional<QString>& resourceFolder) {
    if (const std::optional<QString> folder = packFolder(root, pack, resourceFolder)) {
        load(*folder);
    }
}

std::optional<QString> PetAssets::containedURL(const QString& name, const QString& folder) {
    const QString base = QFileInfo(folder).canonicalFilePath();
    const QString candidate = QFileInfo(QDir(folder).filePath(name)).canonicalFilePath();
    if (base.isEmpty() || candidate.isEmpty() || QFileInfo(candidate).path() != base) {
        return std::nullopt;
    }
    return candidate;
}

std::optional<QString> PetAssets::assetURL(const QString& name, const QString& folder) {
    return isSheetName(name) ? containedURL(name, folder) : std::nullopt;
}

void PetAssets::load(const QString& folder) {
    AssetManifest manifest;
    try {
        manifest = AssetManifest::read(folder);
    } catch (const std::exception&) {
        return;
    }
    if (manifest.frameWidth < 1 || manifest.frameWidth > largestFrame ||
        manifest.frameHeight != manifest.frameWidth) {
        return;
    }
    triggers_ = manifest.triggers.value_or(std::map<QString, QString>{});
    groups_ = manifest.actionGroups.value_or(std::map<QString, ActionGroupInfo>{});
    size_ = manifest.frameWidth;
    for (const auto& [id, info] : manifest.clips) {
        loadClip(folder, id, info);
    }
    loaded_ = hasClip(QStringLiteral("idle"));
}

void PetAssets::loadClip(const QString& folder, const QString& id, const ClipInfo& info) {
    if (info.columns < 1 || info.columns > mostColumns || info.frameCount < 1 ||
        info.frameCount > mostFrames || !std::isfinite(info.fps) || info.fps <= 0 ||
        info.fps > mostFps) {
        return;
    }
    const double duration = info.effectiveDuration();
    if (!std::isfinite(duration) || duration > longestClip) {
        return;
    }
    const std::optional<QString> sheetPath = assetURL(info.file, folder);
    if (!sheetPath) {
        return;
    }
    const std::optional<ImageSource> source = ResourceReader::imageSource(*sheetPath);
    const qint64 neededWidth = info.columns * size_;
    const qint64 neededHeight = info.rows() * size_;
    if (!source || source->pixelSize().width() < neededWidth ||
        source->pixelSize().height() < neededHeight) {
        return;
    }
    const QImage sheet = source->decodeFirst();
    if (sheet.isNull() || sheet.width() < neededWidth || sheet.height() < neededHeight) {
        return;
    }
    const int side = static_cast<int>(size_);
    std::vector<QImage> frames;
    frames.reserve(static_cast<std::size_t>(info.frameCount));
    for (qint64 i = 0; i < info.frameCount; ++i) {
        const int column = static_cast<int>(i % info.columns);
        const int row = static_cast<int>(i / info.columns);
        QImage frame = sheet.copy(column * side, row * side, side, side);
        if (frame.isNull()) {
            return;
        }
        if (i == 0 && id == QStringLiteral("idle")) {
            firstAlpha_ = premultipliedRgba(frame);
        }
        frames.push_back(std::move(frame));
    }
    clips_.emplace(id, PetClip{info, std::move(frames)});
    if (info.audio && isSoundName(*info.audio)) {
        if (std::optional<QString> sound = containedURL(*info.audio, folder)) {
            audioFiles_.emplace(id, *sound);
        }
    }
}

}  // namespace tundle

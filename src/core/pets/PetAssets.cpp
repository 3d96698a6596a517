#include "pets/PetAssets.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
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
                     const std::optional<QString>& resourceFolder, Decoding decoding) {
    if (const std::optional<QString> folder = packFolder(root, pack, resourceFolder)) {
        load(*folder);
    }
    if (decoding == Decoding::now) {
        decodeAll();
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
    std::map<QString, std::optional<ImageSource>> sheets;
    for (const auto& [id, info] : manifest.clips) {
        loadClip(folder, id, info, sheets);
    }
    // Idle shows the pet at once and gives the hit mask, so it is the one clip decoded now.
    const auto idle = clips_.find(QStringLiteral("idle"));
    if (idle != clips_.end() && !decode(idle->second)) {
        dropClip(idle->first);
    }
    loaded_ = hasClip(QStringLiteral("idle"));
}

void PetAssets::loadClip(const QString& folder, const QString& id, const ClipInfo& info,
                         std::map<QString, std::optional<ImageSource>>& sheets) {
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
    auto sheet = sheets.find(*sheetPath);
    if (sheet == sheets.end()) {
        sheet = sheets.emplace(*sheetPath, ResourceReader::encodedImageSource(*sheetPath)).first;
    }
    const std::optional<ImageSource>& source = sheet->second;
    if (!source || source->pixelSize().width() < info.columns * size_ ||
        source->pixelSize().height() < info.rows() * size_) {
        return;
    }
    clips_.emplace(id, PetClip{info, source, {}});
    if (info.audio && isSoundName(*info.audio)) {
        if (std::optional<QString> sound = containedURL(*info.audio, folder)) {
            audioFiles_.emplace(id, *sound);
        }
    }
}

void PetAssets::dropClip(const QString& id) {
    clips_.erase(id);
    audioFiles_.erase(id);
}

bool PetAssets::decode(const PetClip& clip) const {
    if (clip.decoded() || clip.failed) {
        return !clip.failed;
    }
    const auto idle = clips_.find(QStringLiteral("idle"));
    const bool isIdle = idle != clips_.end() && &idle->second == &clip;
    // A sheet that did not decode never will: its bytes go.
    const auto fail = [&clip] {
        clip.failed = true;
        clip.sheet.reset();
        return false;
    };
    const QImage sheet = clip.sheet->decodeFirst();
    const qint64 neededWidth = clip.info.columns * size_;
    const qint64 neededHeight = clip.info.rows() * size_;
    if (sheet.isNull() || sheet.width() < neededWidth || sheet.height() < neededHeight) {
        return fail();
    }
    const int side = static_cast<int>(size_);
    std::vector<QImage> frames;
    frames.reserve(static_cast<std::size_t>(clip.info.frameCount));
    for (qint64 i = 0; i < clip.info.frameCount; ++i) {
        const int column = static_cast<int>(i % clip.info.columns);
        const int row = static_cast<int>(i / clip.info.columns);
        QImage frame = sheet.copy(column * side, row * side, side, side);
        if (frame.isNull()) {
            return fail();
        }
        if (i == 0 && isIdle) {
            firstAlpha_ = premultipliedRgba(frame);
        }
        frames.push_back(std::move(frame));
    }
    clip.frames = std::move(frames);
    return true;
}

void PetAssets::decodeAll() {
    std::vector<QString> failed;
    for (const auto& [id, clip] : clips_) {
        if (!decode(clip)) {
            failed.push_back(id);
        }
    }
    for (const QString& id : failed) {
        dropClip(id);
    }
    loaded_ = hasClip(QStringLiteral("idle"));
}

const std::vector<QImage>& PetAssets::frames(const QString& clip) const {
    static const std::vector<QImage> none;
    const PetClip* found = usable(clip);
    return found != nullptr && decode(*found) ? found->frames : none;
}

void PetAssets::releaseFrames(const QString& keep) const {
    const PetClip* idle = usable(QStringLiteral("idle"));
    const PetClip* kept = playing(keep);
    for (const auto& [id, clip] : clips_) {
        if (&clip != idle && &clip != kept) {
            clip.frames = {};
        }
    }
}

int PetAssets::decodedClipCount() const {
    return static_cast<int>(std::count_if(clips_.begin(), clips_.end(), [](const auto& entry) {
        return !entry.second.frames.empty();
    }));
}

qint64 PetAssets::decodedBytes() const {
    qint64 bytes = firstAlpha_.size();
    for (const auto& [id, clip] : clips_) {
        for (const QImage& frame : clip.frames) {
            bytes += frame.sizeInBytes();
        }
    }
    return bytes;
}

}  // namespace tundle

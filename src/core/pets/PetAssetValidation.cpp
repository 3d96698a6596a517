#include <QRegularExpression>
#include <QSet>
#include <cmath>

#include "content/ContentRelease.h"
#include "content/ContentUpdateError.h"
#include "pets/PetAssets.h"
#include "pets/PetFileNames.h"
#include "support/Graphemes.h"
#include "support/ResourceReader.h"

namespace tundle {

namespace {

constexpr qint64 manifestBytes = 262144;
constexpr qint64 largestFrame = 512;
constexpr std::size_t mostClips = 32;
constexpr std::size_t mostGroups = 16;
constexpr qint64 mostColumns = 64;
constexpr qint64 mostFrames = 720;
constexpr double mostFps = 120;
constexpr double longestClip = 120;
constexpr qint64 largestSheet = 32000000;
constexpr qint64 decodingBudget = 80000000;
constexpr qsizetype longestTitle = 30;

ContentUpdateError invalid(const QString& message) {
    return ContentUpdateError(message);
}

bool fullMatch(const QString& pattern, const QString& text) {
    return QRegularExpression(QStringLiteral("\\A(?:%1)\\z").arg(pattern)).match(text).hasMatch();
}

bool validTitle(const QString& title) {
    return graphemeCount(title) <= longestTitle && !trimmedText(title).isEmpty();
}

void checkIdentity(const ContentModule& module) {
    const bool packId = petAssetPackText.parse(module.id).has_value();
    const bool hasManifest =
        std::any_of(module.files.begin(), module.files.end(), [](const ContentFile& file) {
            return file.name == QStringLiteral("manifest.json") && file.bytes <= manifestBytes;
        });
    if (!packId || module.kind != QStringLiteral("pet.actions") || !hasManifest) {
        throw invalid(QStringLiteral("不支持的角色资源包"));
    }
}

void checkLimits(const AssetManifest& manifest) {
    const auto idle = manifest.clips.find(QStringLiteral("idle"));
    const bool valid = manifest.frameWidth >= 1 && manifest.frameWidth <= largestFrame &&
                       manifest.frameHeight == manifest.frameWidth &&
                       idle != manifest.clips.end() && idle->second.loop &&
                       manifest.clips.size() <= mostClips &&
                       (!manifest.actionGroups || manifest.actionGroups->size() <= mostGroups);
    if (!valid) {
        throw invalid(QStringLiteral("动作清单无效或缺少循环待机"));
    }
}

void checkGroupsAndTriggers(const AssetManifest& manifest) {
    for (const auto& [id, group] :
         manifest.actionGroups.value_or(std::map<QString, ActionGroupInfo>{})) {
        if (!fullMatch(QStringLiteral("[a-z][a-z0-9_-]{0,31}"), id) || !validTitle(group.title)) {
            throw invalid(QStringLiteral("动作分类无效"));
        }
    }
    static const QSet<QString> events{QStringLiteral("petClick"), QStringLiteral("waterReminder"),
                                      QStringLiteral("movementReminder")};
    for (const auto& [event, clip] : manifest.triggers.value_or(std::map<QString, QString>{})) {
        if (!events.contains(event) || !manifest.clips.contains(clip)) {
            throw invalid(QStringLiteral("动作事件引用无效"));
        }
    }
}

// Whether the clip and its sheet keep every limit; the sheet is probed, not decoded.
bool validClip(const AssetManifest& manifest, const QString& id, const ClipInfo& clip,
               const QSet<QString>& files, const QString& folder) {
    if (!fullMatch(QStringLiteral("[a-z][a-z0-9_-]{0,63}"), id) || clip.columns < 1 ||
        clip.columns > mostColumns || clip.frameCount < 1 || clip.frameCount > mostFrames ||
        !std::isfinite(clip.fps) || clip.fps <= 0 || clip.fps > mostFps) {
        return false;
    }
    const double duration = clip.effectiveDuration();
    if (!std::isfinite(duration) || duration <= 0 || duration > longestClip) {
        return false;
    }
    if ((clip.title && !validTitle(*clip.title)) || !files.contains(clip.file)) {
        return false;
    }
    if (clip.group && (!manifest.actionGroups || !manifest.actionGroups->contains(*clip.group))) {
        return false;
    }
    if (clip.audio && (!files.contains(*clip.audio) || !isSoundName(*clip.audio) ||
                       !PetAssets::containedURL(*clip.audio, folder))) {
        return false;
    }
    const std::optional<QString> sheet = PetAssets::assetURL(clip.file, folder);
    const std::optional<ImageSource> source =
        sheet ? ResourceReader::imageSource(*sheet) : std::nullopt;
    if (!source || !source->pixelSize().isValid()) {
        return false;
    }
    const qint64 width = clip.columns * manifest.frameWidth;
    const qint64 height = clip.rows() * manifest.frameWidth;
    return source->pixelSize().width() == width && source->pixelSize().height() == height &&
           width * height <= largestSheet;
}

bool validBreathFrame(const std::optional<qint64>& frame, qint64 frameCount) {
    return !frame || (*frame >= 0 && *frame < frameCount);
}

}  // namespace

void PetAssets::validateModule(const ContentModule& module, const QString& folder) {
    checkIdentity(module);
    const AssetManifest manifest = AssetManifest::read(folder);
    checkLimits(manifest);
    checkGroupsAndTriggers(manifest);
    QSet<QString> files;
    for (const ContentFile& file : module.files) {
        files.insert(file.name);
    }
    qint64 pixels = 0;
    for (const auto& [id, clip] : manifest.clips) {
        if (!validClip(manifest, id, clip, files, folder)) {
            throw invalid(QStringLiteral("动作参数或图集无效：") + id);
        }
        pixels += manifest.frameWidth * manifest.frameWidth * clip.frameCount;
        if (!validBreathFrame(clip.breathRestFrame, clip.frameCount) ||
            !validBreathFrame(clip.breathPeakFrame, clip.frameCount)) {
            throw invalid(QStringLiteral("呼吸帧超出范围"));
        }
    }
    if (pixels > decodingBudget) {
        throw invalid(QStringLiteral("动作解码内存超过限制"));
    }
}

}  // namespace tundle

#include "pets/AssetManifest.h"

#include <QDir>
#include <cmath>
#include <functional>

#include "support/ResourceReader.h"

namespace tundle {

namespace {

template <typename T, typename Read>
std::map<QString, T> readTable(const JsonObject& table, Read read) {
    std::map<QString, T> result;
    for (const QString& key : table.keys()) {
        result.emplace(key, std::invoke(read, table.required(key)));
    }
    return result;
}

}  // namespace

double ClipInfo::effectiveDuration() const {
    if (duration && std::isfinite(*duration) && *duration > 0) {
        return *duration;
    }
    return static_cast<double>(frameCount) / fps;
}

ClipInfo ClipInfo::fromJson(const JsonObject& json) {
    ClipInfo clip;
    clip.file = json.required(QStringLiteral("file")).toString();
    clip.columns = json.required(QStringLiteral("columns")).toInteger();
    clip.frameCount = json.required(QStringLiteral("frameCount")).toInteger();
    clip.fps = json.required(QStringLiteral("fps")).toDouble();
    clip.loop = json.required(QStringLiteral("loop")).toBool();
    clip.duration = json.optional(QStringLiteral("duration"), &JsonValue::toDouble);
    clip.breathRestFrame = json.optional(QStringLiteral("breathRestFrame"), &JsonValue::toInteger);
    clip.breathPeakFrame = json.optional(QStringLiteral("breathPeakFrame"), &JsonValue::toInteger);
    clip.title = json.optional(QStringLiteral("title"), &JsonValue::toString);
    clip.previewable = json.optional(QStringLiteral("previewable"), &JsonValue::toBool);
    clip.sortOrder = json.optional(QStringLiteral("sortOrder"), &JsonValue::toInteger);
    clip.group = json.optional(QStringLiteral("group"), &JsonValue::toString);
    clip.audio = json.optional(QStringLiteral("audio"), &JsonValue::toString);
    return clip;
}

ActionGroupInfo ActionGroupInfo::fromJson(const JsonObject& json) {
    return {json.required(QStringLiteral("title")).toString(),
            json.optional(QStringLiteral("sortOrder"), &JsonValue::toInteger)};
}

AssetManifest AssetManifest::fromJson(const JsonObject& json) {
    AssetManifest manifest;
    manifest.frameWidth = json.required(QStringLiteral("frameWidth")).toInteger();
    manifest.frameHeight = json.required(QStringLiteral("frameHeight")).toInteger();
    manifest.clips = readTable<ClipInfo>(json.required(QStringLiteral("clips")).toObject(),
                                         &JsonValue::toRecord<ClipInfo>);
    manifest.triggers = json.optional(QStringLiteral("triggers"), [](const JsonValue& value) {
        return readTable<QString>(value.toObject(), &JsonValue::toString);
    });
    manifest.actionGroups =
        json.optional(QStringLiteral("actionGroups"), [](const JsonValue& value) {
            return readTable<ActionGroupInfo>(value.toObject(),
                                              &JsonValue::toRecord<ActionGroupInfo>);
        });
    return manifest;
}

AssetManifest AssetManifest::read(const QString& folder) {
    const QByteArray bytes = ResourceReader::read(
        QDir(folder).filePath(QStringLiteral("manifest.json")), ResourceReader::assetLimit);
    return fromJson(JsonObject::parse(bytes));
}

}  // namespace tundle

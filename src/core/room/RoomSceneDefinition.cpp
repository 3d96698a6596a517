#include "room/RoomSceneDefinition.h"

#include <sys/stat.h>
#include <QDir>
#include <QJsonArray>
#include <QRegularExpression>
#include <cerrno>
#include <cmath>

#include "config/ConfigurationStoreRead.h"
#include "content/ContentRelease.h"
#include "support/ConfigurationError.h"
#include "support/FileIO.h"
#include "support/Graphemes.h"
#include "support/ImageSource.h"
#include "support/JsonWriter.h"

namespace tundle {

namespace {

constexpr qint64 sceneFileLimit = 65536;
constexpr qint64 pictureLimit = 16777216;

ConfigurationError invalidScene() {
    return ConfigurationError(QStringLiteral("房间场景参数无效"));
}
ConfigurationError invalidPicture() {
    return ConfigurationError(QStringLiteral("房间图片尺寸或解码无效"));
}

bool isPictureName(const QString& name) {
    static const QRegularExpression pattern(
        QStringLiteral("\\A[A-Za-z0-9][A-Za-z0-9_.-]*\\.png\\z"));
    return pattern.match(name).hasMatch();
}

bool isFraction(double value) {
    return std::isfinite(value) && value >= 0 && value <= 1;
}

bool validOutlines(const std::vector<SceneOutline>& outlines, std::size_t least) {
    if (outlines.size() < least || outlines.size() > 12) {
        return false;
    }
    return std::all_of(outlines.begin(), outlines.end(), [](const SceneOutline& outline) {
        return outline.size() >= 3 && outline.size() <= 32 &&
               std::all_of(outline.begin(), outline.end(),
                           [](const ScenePoint& p) { return isFraction(p.x) && isFraction(p.y); });
    });
}

std::vector<SceneOutline> readOutlines(const JsonValue& value) {
    return value.toArray([](const JsonValue& outline) { return outline.toRecords<ScenePoint>(); });
}

QJsonArray writeOutlines(const std::vector<SceneOutline>& outlines) {
    QJsonArray array;
    for (const SceneOutline& outline : outlines) {
        array.append(toJsonArray(outline));
    }
    return array;
}

// The size of the file at `path` without following a final link; the system's error when the
// file cannot be examined, so a missing picture says it is missing.
qint64 fileSize(const QString& path) {
    struct stat status {};
    if (lstat(QFile::encodeName(path).constData(), &status) != 0) {
        throw FileError::system("无法读取文件", path, errno);
    }
    return S_ISREG(status.st_mode) ? static_cast<qint64>(status.st_size) : -1;
}

void provePicture(const QString& path, int width, int height) {
    const qint64 size = fileSize(path);
    if (size < 0 || size > pictureLimit) {
        throw invalidPicture();
    }
    const std::optional<ImageSource> source = ImageSource::open(path);
    if (!source || source->frameCount() != 1 || source->pixelSize() != QSize(width, height) ||
        source->decodeFirst().isNull()) {
        throw invalidPicture();
    }
}

}  // namespace

ScenePoint ScenePoint::fromJson(const JsonObject& json) {
    return ScenePoint{json.required(QStringLiteral("x")).toDouble(),
                      json.required(QStringLiteral("y")).toDouble()};
}

QJsonObject ScenePoint::toJson() const {
    return QJsonObject{{QStringLiteral("x"), x}, {QStringLiteral("y"), y}};
}

QSet<QString> RoomSceneDefinition::imageNames() const {
    QSet<QString> names{base, sunny};
    for (const auto* optional : {&night, &cloudy, &rain, &storm, &snow}) {
        if (*optional) {
            names.insert(**optional);
        }
    }
    return names;
}

void RoomSceneDefinition::validate() const {
    const qsizetype titleLength = graphemeCount(title);
    const QSet<QString> names = imageNames();
    const bool valid =
        schemaVersion == 1 && titleLength >= 1 && titleLength <= 60 && width >= 256 &&
        width <= 2048 && height >= 256 && height <= 3072 && qint64(width) * height <= 6000000 &&
        std::all_of(names.begin(), names.end(), isPictureName) && validOutlines(windows, 1) &&
        validOutlines(sunPatches, 0) && isFraction(lamp.x) && isFraction(lamp.y) &&
        std::isfinite(lampRadius) && lampRadius >= 0.02 && lampRadius <= 0.5;
    if (!valid) {
        throw invalidScene();
    }
}

RoomSceneDefinition RoomSceneDefinition::load(const QString& folder) {
    const QDir dir(folder);
    const QByteArray bytes =
        ConfigurationStoreRead::read(dir.filePath(QStringLiteral("scene.json")), sceneFileLimit);
    const RoomSceneDefinition definition = fromJson(JsonObject::parse(bytes));
    definition.validate();
    for (const QString& name : definition.imageNames()) {
        provePicture(dir.filePath(name), definition.width, definition.height);
    }
    return definition;
}

void RoomSceneDefinition::validateModule(const ContentModule& module, const QString& folder) {
    if (module.kind != QStringLiteral("room.scene") || module.id != QStringLiteral("cozy-room") ||
        module.schemaVersion != 1) {
        throw ConfigurationError(QStringLiteral("未知房间模块"));
    }
    const RoomSceneDefinition definition = load(folder);
    QSet<QString> expected = definition.imageNames();
    expected.insert(QStringLiteral("scene.json"));
    QSet<QString> files;
    for (const ContentFile& file : module.files) {
        files.insert(file.name);
    }
    if (files != expected) {
        throw ConfigurationError(QStringLiteral("房间资源引用不完整"));
    }
}

RoomSceneDefinition RoomSceneDefinition::fromJson(const JsonObject& json) {
    const auto name = [&](const char* key) {
        return json.optional(QString::fromLatin1(key), &JsonValue::toString);
    };
    return RoomSceneDefinition{
        .schemaVersion = json.required(QStringLiteral("schemaVersion")).toInt(),
        .title = json.required(QStringLiteral("title")).toString(),
        .width = json.required(QStringLiteral("width")).toInt(),
        .height = json.required(QStringLiteral("height")).toInt(),
        .base = json.required(QStringLiteral("base")).toString(),
        .sunny = json.required(QStringLiteral("sunny")).toString(),
        .night = name("night"),
        .cloudy = name("cloudy"),
        .rain = name("rain"),
        .storm = name("storm"),
        .snow = name("snow"),
        .windows = readOutlines(json.required(QStringLiteral("windows"))),
        .lamp = json.required(QStringLiteral("lamp")).toRecord<ScenePoint>(),
        .lampRadius = json.required(QStringLiteral("lampRadius")).toDouble(),
        .sunPatches = readOutlines(json.required(QStringLiteral("sunPatches"))),
    };
}

QJsonObject RoomSceneDefinition::toJson() const {
    QJsonObject json{
        {QStringLiteral("schemaVersion"), schemaVersion},
        {QStringLiteral("title"), title},
        {QStringLiteral("width"), width},
        {QStringLiteral("height"), height},
        {QStringLiteral("base"), base},
        {QStringLiteral("sunny"), sunny},
        {QStringLiteral("windows"), writeOutlines(windows)},
        {QStringLiteral("lamp"), lamp.toJson()},
        {QStringLiteral("lampRadius"), lampRadius},
        {QStringLiteral("sunPatches"), writeOutlines(sunPatches)},
    };
    const std::pair<const char*, const std::optional<QString>*> optionals[] = {{"night", &night},
                                                                               {"cloudy", &cloudy},
                                                                               {"rain", &rain},
                                                                               {"storm", &storm},
                                                                               {"snow", &snow}};
    for (const auto& [key, value] : optionals) {
        if (*value) {
            json.insert(QString::fromLatin1(key), **value);
        }
    }
    return json;
}

}  // namespace tundle

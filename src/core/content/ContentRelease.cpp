#include "content/ContentRelease.h"

#include "support/JsonWriter.h"

namespace tundle {

ContentFile ContentFile::fromJson(const JsonObject& json) {
    return ContentFile{
        .name = json.required(QStringLiteral("name")).toString(),
        .sha256 = json.required(QStringLiteral("sha256")).toString(),
        .bytes = json.required(QStringLiteral("bytes")).toInteger(),
    };
}

QJsonObject ContentFile::toJson() const {
    return QJsonObject{
        {QStringLiteral("name"), name},
        {QStringLiteral("sha256"), sha256},
        {QStringLiteral("bytes"), bytes},
    };
}

ContentModule ContentModule::fromJson(const JsonObject& json) {
    return ContentModule{
        .id = json.required(QStringLiteral("id")).toString(),
        .kind = json.required(QStringLiteral("kind")).toString(),
        .schemaVersion = json.required(QStringLiteral("schemaVersion")).toInteger(),
        .files = json.required(QStringLiteral("files")).toRecords<ContentFile>(),
    };
}

QJsonObject ContentModule::toJson() const {
    return QJsonObject{
        {QStringLiteral("id"), id},
        {QStringLiteral("kind"), kind},
        {QStringLiteral("schemaVersion"), schemaVersion},
        {QStringLiteral("files"), toJsonArray(files)},
    };
}

ContentRelease ContentRelease::fromJson(const JsonObject& json) {
    return ContentRelease{
        .schemaVersion = json.required(QStringLiteral("schemaVersion")).toInteger(),
        .sequence = json.required(QStringLiteral("sequence")).toInteger(),
        .minClientBuild = json.required(QStringLiteral("minClientBuild")).toInteger(),
        .modules = json.required(QStringLiteral("modules")).toRecords<ContentModule>(),
    };
}

QJsonObject ContentRelease::toJson() const {
    return QJsonObject{
        {QStringLiteral("schemaVersion"), schemaVersion},
        {QStringLiteral("sequence"), sequence},
        {QStringLiteral("minClientBuild"), minClientBuild},
        {QStringLiteral("modules"), toJsonArray(modules)},
    };
}

}  // namespace tundle

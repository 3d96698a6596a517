#pragma once

#include <QJsonObject>
#include <QString>
#include <vector>

#include "support/JsonReader.h"

namespace tundle {

// One file of a module, addressed on the server by its hash.
struct ContentFile {
    QString name;
    QString sha256;
    qint64 bytes = 0;

    bool operator==(const ContentFile&) const = default;

    static ContentFile fromJson(const JsonObject& json);
    QJsonObject toJson() const;
};

// One pack of a release; its id is also the name of its folder.
struct ContentModule {
    QString id;
    QString kind;
    qint64 schemaVersion = 0;
    std::vector<ContentFile> files;

    bool operator==(const ContentModule&) const = default;

    static ContentModule fromJson(const JsonObject& json);
    QJsonObject toJson() const;
};

// The manifest a signed envelope carries.
struct ContentRelease {
    qint64 schemaVersion = 0;
    qint64 sequence = 0;
    qint64 minClientBuild = 0;
    std::vector<ContentModule> modules;

    bool operator==(const ContentRelease&) const = default;

    static ContentRelease fromJson(const JsonObject& json);
    QJsonObject toJson() const;
};

}  // namespace tundle

#pragma once

#include <QJsonObject>
#include <QSet>
#include <QString>
#include <optional>
#include <vector>

#include "support/JsonReader.h"

namespace tundle {

struct ContentModule;

// A point of the scene in fractions of its width and height.
struct ScenePoint {
    double x = 0;
    double y = 0;

    bool operator==(const ScenePoint&) const = default;

    static ScenePoint fromJson(const JsonObject& json);
    QJsonObject toJson() const;
};

using SceneOutline = std::vector<ScenePoint>;

// The description of a room scene pack ("scene.json"): one room picture at a fixed pixel size,
// its variants for night and weather, and the shapes the light effects follow.
struct RoomSceneDefinition {
    int schemaVersion = 1;
    QString title = {};
    int width = 0;
    int height = 0;
    QString base = {};
    QString sunny = {};
    std::optional<QString> night = {};
    std::optional<QString> cloudy = {};
    std::optional<QString> rain = {};
    std::optional<QString> storm = {};
    std::optional<QString> snow = {};
    std::vector<SceneOutline> windows = {};
    ScenePoint lamp = {};
    double lampRadius = 0;
    std::vector<SceneOutline> sunPatches = {};

    // Reads, checks and proves every picture of the pack in `folder`.
    static RoomSceneDefinition load(const QString& folder);
    // Refuses a downloaded "room.scene" module whose pack does not load or whose files are not
    // exactly its pictures and "scene.json".
    static void validateModule(const ContentModule& module, const QString& folder);

    // Checks every limit of the format; refuses with "房间场景参数无效".
    void validate() const;
    // The picture names the pack must hold.
    QSet<QString> imageNames() const;

    static RoomSceneDefinition fromJson(const JsonObject& json);
    QJsonObject toJson() const;
};

}  // namespace tundle

#pragma once

#include <QString>
#include <map>
#include <optional>

#include "support/JsonReader.h"

namespace tundle {

// One clip of a pack: a sprite sheet cut into square frames, row by row.
struct ClipInfo {
    QString file;
    qint64 columns = 0;
    qint64 frameCount = 0;
    double fps = 0;
    bool loop = false;
    std::optional<double> duration = {};
    std::optional<qint64> breathRestFrame = {};
    std::optional<qint64> breathPeakFrame = {};
    std::optional<QString> title = {};
    std::optional<bool> previewable = {};
    std::optional<qint64> sortOrder = {};
    std::optional<QString> group = {};
    std::optional<QString> audio = {};

    bool operator==(const ClipInfo&) const = default;

    // The given duration when it is a positive finite number, else frames over fps.
    double effectiveDuration() const;
    // The sheet's row count: frames over columns, rounded up.
    qint64 rows() const { return (frameCount + columns - 1) / columns; }

    static ClipInfo fromJson(const JsonObject& json);
};

// A titled group of clips in the action list.
struct ActionGroupInfo {
    QString title;
    std::optional<qint64> sortOrder = {};

    bool operator==(const ActionGroupInfo&) const = default;

    static ActionGroupInfo fromJson(const JsonObject& json);
};

// A pack's "manifest.json"; read only, the application never writes one.
struct AssetManifest {
    qint64 frameWidth = 0;
    qint64 frameHeight = 0;
    std::map<QString, ClipInfo> clips;
    std::optional<std::map<QString, QString>> triggers = {};
    std::optional<std::map<QString, ActionGroupInfo>> actionGroups = {};

    bool operator==(const AssetManifest&) const = default;

    static AssetManifest fromJson(const JsonObject& json);
    // Reads "manifest.json" in `folder`; file and decoding errors pass through.
    static AssetManifest read(const QString& folder);
};

}  // namespace tundle

#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QUuid>
#include <optional>

#include "support/EnumText.h"
#include "support/JsonReader.h"
#include "support/Uuid.h"

namespace tundle {

enum class ShortcutKind { application, folder, file, website };
inline constexpr EnumText<ShortcutKind, 4> shortcutKindText{
    {"application", "folder", "file", "website"}};

enum class ShortcutColor { blue, red, orange, yellow, green, purple, gray };
inline constexpr EnumText<ShortcutColor, 7> shortcutColorText{
    {"blue", "red", "orange", "yellow", "green", "purple", "gray"}};

// One shortcut: an application, folder or file by its absolute path, or a website address.
struct ShortcutItem {
    QUuid id = newUuid();
    ShortcutKind kind = ShortcutKind::file;
    QString name = {};
    // Empty while an imported local item waits for its new target.
    QString target = {};
    bool pinned = false;
    std::optional<QByteArray> bookmark = {};
    std::optional<ShortcutColor> tagColor = {};
    std::optional<QUuid> groupID = {};

    bool operator==(const ShortcutItem&) const = default;

    static ShortcutItem fromJson(const JsonObject& json);
    QJsonObject toJson() const;
};

struct ShortcutGroup {
    QUuid id = newUuid();
    QString name = {};

    bool operator==(const ShortcutGroup&) const = default;

    static ShortcutGroup fromJson(const JsonObject& json);
    QJsonObject toJson() const;
};

}  // namespace tundle

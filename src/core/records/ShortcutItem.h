#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QUuid>
#include <optional>

#include "records/ShortcutColor.h"
#include "records/ShortcutKind.h"
#include "support/JsonReader.h"
#include "support/Uuid.h"

namespace tundle {

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

    // The most shortcuts pinned to the desktop at one time.
    static constexpr int pinLimit = 6;

    // The colour the bubble paints with.
    ShortcutColor color() const { return tagColor.value_or(ShortcutColor::blue); }

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

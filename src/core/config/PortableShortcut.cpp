#include "config/PortableShortcut.h"

#include "support/JsonWriter.h"

namespace tundle {

PortableShortcut PortableShortcut::fromItem(const ShortcutItem& item) {
    return PortableShortcut{
        .id = item.id,
        .kind = item.kind,
        .name = item.name,
        .website = item.kind == ShortcutKind::website ? std::optional(item.target) : std::nullopt,
        .pinned = item.pinned,
        .tagColor = item.tagColor,
        .groupID = item.groupID,
    };
}

ShortcutItem PortableShortcut::localItem() const {
    return ShortcutItem{
        .id = id,
        .kind = kind,
        .name = name,
        .target = kind == ShortcutKind::website ? website.value_or(QString()) : QString(),
        .pinned = pinned,
        .tagColor = tagColor,
        .groupID = groupID,
    };
}

PortableShortcut PortableShortcut::fromJson(const JsonObject& json) {
    return PortableShortcut{
        .id = json.required(QStringLiteral("id")).toUuid(),
        .kind = json.required(QStringLiteral("kind")).toEnum(shortcutKindText),
        .name = json.required(QStringLiteral("name")).toString(),
        .website = json.optional(QStringLiteral("website"), &JsonValue::toString),
        .pinned = json.required(QStringLiteral("pinned")).toBool(),
        .tagColor = json.optional(QStringLiteral("tagColor"),
                                  [](const JsonValue& v) { return v.toEnum(shortcutColorText); }),
        .groupID = json.optional(QStringLiteral("groupID"), &JsonValue::toUuid),
    };
}

QJsonObject PortableShortcut::toJson() const {
    QJsonObject json{
        {QStringLiteral("id"), uuidText(id)},
        {QStringLiteral("kind"), shortcutKindText.raw(kind)},
        {QStringLiteral("name"), name},
        {QStringLiteral("pinned"), pinned},
    };
    if (website) {
        json.insert(QStringLiteral("website"), *website);
    }
    if (tagColor) {
        json.insert(QStringLiteral("tagColor"), shortcutColorText.raw(*tagColor));
    }
    if (groupID) {
        json.insert(QStringLiteral("groupID"), uuidText(*groupID));
    }
    return json;
}

PortableShortcuts PortableShortcuts::fromJson(const JsonObject& json) {
    return PortableShortcuts{
        .items = json.required(QStringLiteral("items")).toRecords<PortableShortcut>(),
        .groups = json.required(QStringLiteral("groups")).toRecords<ShortcutGroup>(),
    };
}

QJsonObject PortableShortcuts::toJson() const {
    return QJsonObject{
        {QStringLiteral("items"), toJsonArray(items)},
        {QStringLiteral("groups"), toJsonArray(groups)},
    };
}

}  // namespace tundle

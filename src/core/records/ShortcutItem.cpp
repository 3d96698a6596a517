#include "records/ShortcutItem.h"

namespace tundle {

ShortcutItem ShortcutItem::fromJson(const JsonObject& json) {
    return ShortcutItem{
        .id = json.required(QStringLiteral("id")).toUuid(),
        .kind = json.required(QStringLiteral("kind")).toEnum(shortcutKindText),
        .name = json.required(QStringLiteral("name")).toString(),
        .target = json.required(QStringLiteral("target")).toString(),
        .pinned = json.required(QStringLiteral("pinned")).toBool(),
        .bookmark = json.optional(QStringLiteral("bookmark"), &JsonValue::toBase64Data),
        .tagColor = json.optional(QStringLiteral("tagColor"),
                                  [](const JsonValue& v) { return v.toEnum(shortcutColorText); }),
        .groupID = json.optional(QStringLiteral("groupID"), &JsonValue::toUuid),
    };
}

QJsonObject ShortcutItem::toJson() const {
    QJsonObject json{
        {QStringLiteral("id"), uuidText(id)},
        {QStringLiteral("kind"), shortcutKindText.raw(kind)},
        {QStringLiteral("name"), name},
        {QStringLiteral("target"), target},
        {QStringLiteral("pinned"), pinned},
    };
    if (bookmark) {
        json.insert(QStringLiteral("bookmark"), QString::fromLatin1(bookmark->toBase64()));
    }
    if (tagColor) {
        json.insert(QStringLiteral("tagColor"), shortcutColorText.raw(*tagColor));
    }
    if (groupID) {
        json.insert(QStringLiteral("groupID"), uuidText(*groupID));
    }
    return json;
}

ShortcutGroup ShortcutGroup::fromJson(const JsonObject& json) {
    return ShortcutGroup{
        .id = json.required(QStringLiteral("id")).toUuid(),
        .name = json.required(QStringLiteral("name")).toString(),
    };
}

QJsonObject ShortcutGroup::toJson() const {
    return QJsonObject{
        {QStringLiteral("id"), uuidText(id)},
        {QStringLiteral("name"), name},
    };
}

}  // namespace tundle

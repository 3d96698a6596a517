#include "config/ShortcutStore.h"

#include <QFileInfo>
#include <QJsonObject>
#include <QSet>

#include "config/ConfigurationCoding.h"
#include "config/ConfigurationStoreRead.h"
#include "records/ShortcutError.h"
#include "support/ApplicationSupport.h"
#include "support/FileIO.h"
#include "support/JsonWriter.h"

namespace tundle {

const QString ShortcutStore::defaultsKey = QStringLiteral("shortcuts.v1");

namespace {

std::optional<QString> location(const Defaults& preferences, std::optional<QString> storagePath) {
    if (storagePath) {
        return storagePath;
    }
    if (preferences.isStandard()) {
        return ApplicationSupport::path(QStringLiteral("shortcuts-v1.json"));
    }
    return std::nullopt;
}

template <typename Record>
std::vector<Record> withoutDuplicateIds(std::vector<Record> records) {
    QSet<QUuid> seen;
    std::erase_if(records, [&](const Record& record) {
        if (seen.contains(record.id)) {
            return true;
        }
        seen.insert(record.id);
        return false;
    });
    return records;
}

ShortcutLists cleaned(ShortcutLists lists) {
    lists.groups = withoutDuplicateIds(std::move(lists.groups));
    lists.items = withoutDuplicateIds(std::move(lists.items));
    QSet<QUuid> groupIds;
    for (const ShortcutGroup& group : lists.groups) {
        groupIds.insert(group.id);
    }
    int pinned = 0;
    for (ShortcutItem& item : lists.items) {
        if (item.groupID && !groupIds.contains(*item.groupID)) {
            item.groupID.reset();
        }
        if (item.pinned && ++pinned > ShortcutItem::pinLimit) {
            item.pinned = false;
        }
    }
    return lists;
}

ShortcutLists decodeVersioned(const QByteArray& bytes) {
    const JsonObject document = JsonObject::parse(bytes);
    const qint64 version = document.required(QStringLiteral("version")).toInteger();
    ShortcutLists lists{
        .items = document.required(QStringLiteral("items")).toRecords<ShortcutItem>(),
        .groups = document.required(QStringLiteral("groups")).toRecords<ShortcutGroup>(),
    };
    if (version != ShortcutStore::currentVersion) {
        throw ShortcutError(QStringLiteral("不支持的快捷方式数据版本。"));
    }
    return lists;
}

}  // namespace

ShortcutStore::ShortcutStore(Defaults& preferences, std::optional<QString> storagePath)
    : preferences_(preferences), path_(location(preferences, std::move(storagePath))) {}

ShortcutLists ShortcutStore::load() const {
    try {
        std::optional<QByteArray> bytes;
        if (path_ && QFileInfo::exists(*path_)) {
            bytes = ConfigurationStoreRead::read(*path_, maximumConfigurationBytes);
        } else if (const QVariant stored = preferences_.value(defaultsKey);
                   stored.typeId() == QMetaType::QByteArray && !stored.toByteArray().isEmpty()) {
            bytes = stored.toByteArray();
        }
        return bytes ? decode(*bytes) : ShortcutLists();
    } catch (const std::exception& failure) {
        throw ShortcutError(QStringLiteral("快捷方式未能读取：") + describe(failure));
    }
}

void ShortcutStore::save(const ShortcutLists& lists) const {
    const QByteArray bytes = encode(lists);
    if (path_) {
        FileIO::writeAtomically(*path_, bytes);
        return;
    }
    preferences_.setValue(defaultsKey, bytes);
    preferences_.sync();
}

ShortcutLists ShortcutStore::decode(const QByteArray& bytes) {
    try {
        return cleaned(decodeVersioned(bytes));
    } catch (const ShortcutError&) {
        throw;
    } catch (const std::exception&) {
        // Not a versioned document: perhaps the bare array of the first releases, whose
        // failure then says what is wrong.
        return cleaned(ShortcutLists{
            .items = JsonValue::parseArray(bytes).toRecords<ShortcutItem>(),
        });
    }
}

QByteArray ShortcutStore::encode(const ShortcutLists& lists) {
    return JsonWriter::compact(QJsonObject{
        {QStringLiteral("version"), currentVersion},
        {QStringLiteral("items"), toJsonArray(lists.items)},
        {QStringLiteral("groups"), toJsonArray(lists.groups)},
    });
}

}  // namespace tundle

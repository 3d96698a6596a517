#include "config/ConfigurationPackage.h"

#include <algorithm>

#include "config/ConfigurationCoding.h"
#include "support/ConfigurationError.h"
#include "support/JsonWriter.h"
#include "support/ReferenceDate.h"

namespace tundle {

namespace {

void checkSize(const QByteArray& bytes) {
    if (bytes.size() > ConfigurationPackage::maximumBytes) {
        throw ConfigurationError(configurationTooLargeMessage());
    }
}

QDateTime readCreatedAt(const JsonValue& value) {
    if (auto instant = ReferenceDate::fromSeconds(value.toDouble())) {
        return *instant;
    }
    throw JsonError(QStringLiteral("数据中“%1”的数值超出范围。").arg(value.path()));
}

// The configuration a share file gives on its own, so it meets every limit by itself.
UserConfiguration shareCandidate(const PortableConfiguration& portable) {
    UserConfiguration candidate;
    if (portable.preferences) {
        candidate.preferences = *portable.preferences;
    }
    if (portable.schedule) {
        candidate.schedule = *portable.schedule;
    }
    if (portable.shortcuts) {
        for (const PortableShortcut& item : portable.shortcuts->items) {
            if ((item.kind == ShortcutKind::website) != item.website.has_value()) {
                throw ConfigurationError(QStringLiteral("分享快捷方式格式无效。"));
            }
            candidate.shortcuts.push_back(item.localItem());
        }
        candidate.groups = portable.shortcuts->groups;
    }
    return candidate;
}

}  // namespace

const QString ConfigurationPackage::formatWord = QStringLiteral("pet-tundle.configuration");

ConfigurationPackage::ConfigurationPackage(ConfigurationPurpose purpose, QDateTime createdAt)
    : createdAt(std::move(createdAt)), purpose(purpose) {}

ConfigurationPackage::ConfigurationPackage(UserConfiguration configuration, QDateTime createdAt)
    : ConfigurationPackage(ConfigurationPurpose::backup, std::move(createdAt)) {
    backup = std::move(configuration);
}

ConfigurationPackage::ConfigurationPackage(PortableConfiguration portable, QDateTime createdAt)
    : ConfigurationPackage(ConfigurationPurpose::share, std::move(createdAt)) {
    this->portable = std::move(portable);
}

void ConfigurationPackage::validate() const {
    if (format != formatWord || version != currentVersion) {
        throw ConfigurationError(QStringLiteral("不支持的配置版本。"));
    }
    switch (purpose) {
        case ConfigurationPurpose::backup:
            if (!backup || portable) {
                throw ConfigurationError(QStringLiteral("备份内容不完整。"));
            }
            validateConfiguration(*backup);
            return;
        case ConfigurationPurpose::share:
            if (backup || !portable ||
                (!portable->preferences && !portable->schedule && !portable->shortcuts)) {
                throw ConfigurationError(QStringLiteral("分享文件没有可导入的配置。"));
            }
            validateConfiguration(shareCandidate(*portable));
            return;
    }
}

QByteArray ConfigurationPackage::encoded() const {
    validate();
    QByteArray bytes = JsonWriter::pretty(toJson());
    checkSize(bytes);
    return bytes;
}

ConfigurationPackage ConfigurationPackage::decode(const QByteArray& bytes) {
    checkSize(bytes);
    const JsonObject document = JsonObject::parse(bytes);
    const QString headerFormat = document.required(QStringLiteral("format")).toString();
    const qint64 headerVersion = document.required(QStringLiteral("version")).toInteger();
    if (headerFormat != formatWord || headerVersion != currentVersion) {
        throw ConfigurationError(QStringLiteral("不支持的配置文件格式或版本。"));
    }
    ConfigurationPackage package = fromJson(document);
    package.validate();
    return package;
}

QString ConfigurationPackage::summary() const {
    if (backup) {
        return QStringLiteral(
                   "个人备份：替换陪伴偏好、工作时段、本机位置及全部快捷方式（%1 项、%2 "
                   "个分组）。备份包含本机路径和文件书签，请勿公开分享。")
            .arg(backup->shortcuts.size())
            .arg(backup->groups.size());
    }
    if (!portable) {
        return QStringLiteral("无配置");
    }
    QStringList fragments;
    if (portable->preferences) {
        fragments.append(QStringLiteral("替换陪伴偏好"));
    }
    if (portable->schedule) {
        fragments.append(QStringLiteral("替换工作时段"));
    }
    if (const auto& shared = portable->shortcuts) {
        const auto local = std::count_if(
            shared->items.begin(), shared->items.end(),
            [](const PortableShortcut& item) { return item.kind != ShortcutKind::website; });
        fragments.append(
            QStringLiteral("新增 %1 项快捷方式、%2 个分组（%3 项本机项目需重新选择目标）")
                .arg(shared->items.size())
                .arg(shared->groups.size())
                .arg(local));
    }
    return fragments.join(QStringLiteral("；")) + QStringLiteral("。未包含的配置保持原样。");
}

ConfigurationPackage ConfigurationPackage::fromJson(const JsonObject& json) {
    ConfigurationPackage package(
        json.required(QStringLiteral("purpose")).toEnum(configurationPurposeText),
        readCreatedAt(json.required(QStringLiteral("createdAt"))));
    package.format = json.required(QStringLiteral("format")).toString();
    package.version = json.required(QStringLiteral("version")).toInt();
    package.id = json.required(QStringLiteral("id")).toUuid();
    package.backup =
        json.optional(QStringLiteral("backup"), &JsonValue::toRecord<UserConfiguration>);
    package.portable =
        json.optional(QStringLiteral("portable"), &JsonValue::toRecord<PortableConfiguration>);
    return package;
}

QJsonObject ConfigurationPackage::toJson() const {
    QJsonObject json{
        {QStringLiteral("format"), format},
        {QStringLiteral("version"), version},
        {QStringLiteral("id"), uuidText(id)},
        {QStringLiteral("createdAt"), ReferenceDate::secondsSince(createdAt)},
        {QStringLiteral("purpose"), configurationPurposeText.raw(purpose)},
    };
    if (backup) {
        json.insert(QStringLiteral("backup"), backup->toJson());
    }
    if (portable) {
        json.insert(QStringLiteral("portable"), portable->toJson());
    }
    return json;
}

}  // namespace tundle

#include "config/ConfigurationPackage.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <algorithm>

#include "support/ThrownMessage.h"

namespace tundle {
namespace {

using test::thrownMessage;

const QString passed = QStringLiteral("(nothing thrown)");
const QString counts = QStringLiteral("快捷方式数量、标识或置顶数量无效。");
const QDateTime created(QDate(2026, 3, 1), QTime(8, 0, 0, 250), Qt::UTC);

PortableShortcut shared(ShortcutKind kind, bool pinned = false, std::optional<QUuid> group = {}) {
    return {.id = newUuid(),
            .kind = kind,
            .name = QStringLiteral("项目"),
            .website = kind == ShortcutKind::website
                           ? std::optional(QStringLiteral("https://example.com/a"))
                           : std::nullopt,
            .pinned = pinned,
            .groupID = group};
}

ConfigurationPackage share(std::vector<PortableShortcut> items,
                           std::vector<ShortcutGroup> groups = {}) {
    return ConfigurationPackage(
        PortableConfiguration{.shortcuts = PortableShortcuts{std::move(items), std::move(groups)}},
        created);
}

QByteArray edited(const QByteArray& document, const QString& key, const QJsonValue& value) {
    QJsonObject object = QJsonDocument::fromJson(document).object();
    object.insert(key, value);
    return QJsonDocument(object).toJson();
}

TEST(ConfigurationPackageTest, DecodeChecksSizeThenHeaderThenTheWhole) {
    const QByteArray valid = ConfigurationPackage(UserConfiguration(), created).encoded();
    const QByteArray full =
        valid + QByteArray(ConfigurationPackage::maximumBytes - valid.size(), ' ');
    EXPECT_EQ(ConfigurationPackage::decode(full).createdAt, created);
    const struct {
        QByteArray bytes;
        QString message;
    } cases[] = {
        {full + "x", QStringLiteral("配置文件超过 8 MB。")},
        {R"({"format": "pet-tundle.configuration", "version": 2, "backup": 5})",
         QStringLiteral("不支持的配置文件格式或版本。")},
        {edited(valid, "format", "pet-tundle.config"),
         QStringLiteral("不支持的配置文件格式或版本。")},
        {R"({"version": 1})", QStringLiteral("数据缺少必需的“format”。")},
        {edited(valid, "createdAt", "794131200"),
         QStringLiteral("数据中“createdAt”的类型不正确，应为数字。")},
        {edited(valid, "purpose", "gift"), QStringLiteral("数据中“purpose”的取值“gift”无效。")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(thrownMessage([&] { ConfigurationPackage::decode(c.bytes); }), c.message);
    }
}

TEST(ConfigurationPackageTest, EncodingRoundTripsWithSortedKeysAndIgnoresUnknownOnes) {
    UserConfiguration source;
    source.groups = {ShortcutGroup{.name = QStringLiteral("工作")}};
    source.shortcuts = {ShortcutItem{.kind = ShortcutKind::website,
                                     .name = QStringLiteral("文档"),
                                     .target = QStringLiteral("https://example.com/a"),
                                     .pinned = true,
                                     .bookmark = QByteArray("b"),
                                     .tagColor = ShortcutColor::green,
                                     .groupID = source.groups[0].id}};
    const ConfigurationPackage package(
        PortableConfiguration::fromSnapshot(source, false, true, true), created);
    const QByteArray bytes = package.encoded();
    EXPECT_TRUE(bytes.contains("\"createdAt\" : 794044800.25")) << bytes.constData();
    EXPECT_TRUE(bytes.contains(uuidText(package.id).toLatin1()));
    EXPECT_TRUE(bytes.contains("https:\\/\\/example.com\\/a"));
    EXPECT_LT(bytes.indexOf("\"createdAt\""), bytes.indexOf("\"format\""));
    EXPECT_LT(bytes.indexOf("\"portable\""), bytes.indexOf("\"purpose\""));

    const ConfigurationPackage decoded =
        ConfigurationPackage::decode(edited(bytes, "extra", QJsonObject{{"x", 1}}));
    EXPECT_EQ(decoded.encoded(), bytes);
    EXPECT_EQ(decoded.portable, package.portable);
    EXPECT_EQ(decoded.portable->shortcuts->items[0].localItem(), [&] {
        auto item = source.shortcuts[0];
        item.bookmark.reset();
        return item;
    }());

    const auto empty = PortableConfiguration::fromSnapshot(UserConfiguration(), false, false, true);
    EXPECT_EQ(ConfigurationPackage::decode(ConfigurationPackage(empty).encoded()).portable, empty);
    EXPECT_EQ(
        PortableShortcut::fromItem(ShortcutItem{.target = QStringLiteral("/a")}).localItem().target,
        QString());
}

TEST(ConfigurationPackageTest, ValidateRefusesBrokenPackages) {
    const QUuid localGroup = newUuid();
    const auto with = [](ConfigurationPackage package, auto edit) {
        edit(package);
        return package;
    };
    const ConfigurationPackage backup(UserConfiguration{}, created);
    std::vector<PortableShortcut> sixPinned;
    std::generate_n(std::back_inserter(sixPinned), 6,
                    [] { return shared(ShortcutKind::file, true); });
    const struct {
        ConfigurationPackage package;
        QString message;
    } cases[] = {
        {with(backup, [](auto& p) { p.format = "pet-tundle"; }),
         QStringLiteral("不支持的配置版本。")},
        {with(backup, [](auto& p) { p.portable = PortableConfiguration{}; }),
         QStringLiteral("备份内容不完整。")},
        {with(share({}), [](auto& p) { p.purpose = ConfigurationPurpose::backup; }),
         QStringLiteral("备份内容不完整。")},
        {with(share({}), [](auto& p) { p.backup = UserConfiguration{}; }),
         QStringLiteral("分享文件没有可导入的配置。")},
        {ConfigurationPackage(PortableConfiguration{}),
         QStringLiteral("分享文件没有可导入的配置。")},
        {with(share({shared(ShortcutKind::folder)}),
              [](auto& p) {
                  p.portable->shortcuts->items[0].website = QStringLiteral("https://example.com");
              }),
         QStringLiteral("分享快捷方式格式无效。")},
        {with(share({shared(ShortcutKind::website)}),
              [](auto& p) { p.portable->shortcuts->items[0].website.reset(); }),
         QStringLiteral("分享快捷方式格式无效。")},
        {share(sixPinned), passed},
        {with(share(sixPinned),
              [](auto& p) {
                  p.portable->shortcuts->items.push_back(shared(ShortcutKind::file, true));
              }),
         counts},
        {share({shared(ShortcutKind::file, false, localGroup)}),
         QStringLiteral("快捷方式内容或分组引用无效。")},
    };
    UserConfiguration current;
    current.groups = {ShortcutGroup{.id = localGroup, .name = QStringLiteral("本地")}};
    for (const auto& c : cases) {
        EXPECT_EQ(thrownMessage([&] { c.package.validate(); }), c.message);
        if (c.message != passed) {
            EXPECT_EQ(thrownMessage([&] { c.package.applying(current); }), c.message);
        }
    }
}

}  // namespace
}  // namespace tundle

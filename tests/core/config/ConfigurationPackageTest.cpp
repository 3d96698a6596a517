#include "config/ConfigurationPackage.h"

#include <gtest/gtest.h>

#include <QJsonDocument>

#include "support/ThrownMessage.h"

namespace tundle {
namespace {

using test::thrownMessage;

const QString counts = QStringLiteral("快捷方式数量、标识或置顶数量无效。");

PortableShortcut shared(ShortcutKind kind, bool pinned = false, std::optional<QUuid> group = {}) {
    const bool website = kind == ShortcutKind::website;
    return {.id = newUuid(),
            .kind = kind,
            .name = QStringLiteral("项目"),
            .website = website ? std::optional(QStringLiteral("https://a.example")) : std::nullopt,
            .pinned = pinned,
            .groupID = group};
}

ConfigurationPackage share(std::vector<PortableShortcut> items,
                           std::vector<ShortcutGroup> groups = {},
                           std::optional<CompanionPreferences> preferences = {}) {
    return ConfigurationPackage(PortableConfiguration{
        .preferences = preferences, .shortcuts = PortableShortcuts{items, groups}});
}

TEST(ConfigurationPackageTest, DecodeChecksSizeThenHeaderThenTheWhole) {
    const QDateTime created(QDate(2026, 3, 1), QTime(8, 0, 0, 250), Qt::UTC);
    const QByteArray valid = ConfigurationPackage(UserConfiguration(), created).encoded();
    EXPECT_TRUE(valid.contains("\"createdAt\" : 794044800.25"));
    const QByteArray full =
        valid + QByteArray(ConfigurationPackage::maximumBytes - valid.size(), ' ');
    EXPECT_EQ(ConfigurationPackage::decode(full).encoded(), valid);
    const auto edited = [&](const char* key, const QJsonValue& value) {
        QJsonObject object = QJsonDocument::fromJson(valid).object();
        object.insert(QLatin1String(key), value);
        return QJsonDocument(object).toJson();
    };
    const std::pair<QByteArray, QString> cases[] = {
        {full + "{", QStringLiteral("配置文件超过 8 MB。")},
        {R"({"format": "pet-tundle.configuration", "version": 2, "backup": 5})",
         QStringLiteral("不支持的配置文件格式或版本。")},
        {R"({"version": 1})", QStringLiteral("数据缺少必需的“format”。")},
        {edited("createdAt", "1"), QStringLiteral("数据中“createdAt”的类型不正确，应为数字。")},
        {edited("purpose", "gift"), QStringLiteral("数据中“purpose”的取值“gift”无效。")},
    };
    for (const auto& [bytes, message] : cases) {
        EXPECT_EQ(thrownMessage([&] { ConfigurationPackage::decode(bytes); }), message);
    }
}

TEST(ConfigurationPackageTest, ValidateRefusesBrokenPackagesAndApplyingToo) {
    const QUuid localGroup = newUuid();
    std::vector<PortableShortcut> sevenPinned;
    for (int i = 0; i < 7; ++i) {
        sevenPinned.push_back(shared(ShortcutKind::file, true));
    }
    ConfigurationPackage otherFormat(UserConfiguration{}), withBoth(UserConfiguration{}),
        folderWithAddress = share({shared(ShortcutKind::website)});
    otherFormat.format = QStringLiteral("pet-tundle");
    withBoth.portable = share({}).portable;
    folderWithAddress.portable->shortcuts->items[0].kind = ShortcutKind::folder;
    const std::pair<ConfigurationPackage, QString> cases[] = {
        {otherFormat, QStringLiteral("不支持的配置版本。")},
        {withBoth, QStringLiteral("备份内容不完整。")},
        {ConfigurationPackage(PortableConfiguration{}),
         QStringLiteral("分享文件没有可导入的配置。")},
        {folderWithAddress, QStringLiteral("分享快捷方式格式无效。")},
        {share(sevenPinned), counts},
        {share({shared(ShortcutKind::file, false, localGroup)}),
         QStringLiteral("快捷方式内容或分组引用无效。")},
    };
    UserConfiguration current;
    current.groups = {ShortcutGroup{.id = localGroup, .name = QStringLiteral("本地")}};
    for (const auto& [package, message] : cases) {
        EXPECT_EQ(thrownMessage([&] { package.validate(); }), message);
        EXPECT_EQ(thrownMessage([&] { package.applying(current); }), message);
    }
}

std::vector<ShortcutItem> localShortcuts(int count, bool pinned) {
    std::vector<ShortcutItem> items;
    for (int i = 0; i < count; ++i) {
        items.push_back({.name = QStringLiteral("本地"), .pinned = pinned});
    }
    return items;
}

TEST(ConfigurationPackageTest, ABackupReplacesEverythingAShareAddsUnderNewIdentities) {
    UserConfiguration current;
    current.device.petX = 40;
    current.groups = {{.name = "Work"}, {.name = "Work（2）"}};
    current.shortcuts = localShortcuts(5, true);
    UserConfiguration backup = current;
    backup.shortcuts[0].bookmark = QByteArray("mark");
    EXPECT_EQ(ConfigurationPackage(backup).applying(UserConfiguration()), backup);

    const std::vector<ShortcutGroup> groups = {
        {.name = "work"}, {.name = "Home"}, {.name = "Home"}};
    const ConfigurationPackage package =
        share({shared(ShortcutKind::website, true, groups[0].id),
               shared(ShortcutKind::file, true, groups[2].id), shared(ShortcutKind::folder, true)},
              groups, CompanionPreferences{.waterMinutes = 30});
    UserConfiguration merged = package.applying(current);
    EXPECT_EQ(merged.preferences.waterMinutes, 30);
    EXPECT_EQ(merged.shortcuts[5].target, QStringLiteral("https://a.example"));
    EXPECT_EQ(merged.shortcuts[6].target, QString());
    EXPECT_NE(merged.shortcuts[5].id, package.portable->shortcuts->items[0].id);
    // Everything but the preferences and the added shortcuts stays; only the sixth pin was free.
    const std::vector<std::tuple<QString, std::optional<QUuid>, bool>> added = {
        {"work（3）", merged.groups[2].id, true},
        {"Home", merged.groups[4].id, false},
        {"Home（2）", std::nullopt, false}};
    for (std::size_t i = 0; i < added.size(); ++i) {
        EXPECT_EQ(merged.groups[2 + i].name, std::get<0>(added[i]));
        EXPECT_EQ(merged.shortcuts[5 + i].groupID, std::get<1>(added[i]));
        EXPECT_EQ(merged.shortcuts[5 + i].pinned, std::get<2>(added[i]));
    }
    merged.preferences = current.preferences;
    merged.shortcuts.resize(5);
    merged.groups.resize(2);
    EXPECT_EQ(merged, current);

    const ConfigurationPackage trip = share({shared(ShortcutKind::website)}, {{.name = "Trip"}});
    const UserConfiguration twice = trip.applying(trip.applying(UserConfiguration()));
    EXPECT_EQ(twice.groups[1].name, QStringLiteral("Trip（2）"));
    EXPECT_NE(twice.shortcuts[0].id, twice.shortcuts[1].id);

    current.shortcuts = localShortcuts(1999, false);
    EXPECT_NO_THROW(share({shared(ShortcutKind::file)}).applying(current));
    const auto two = share({shared(ShortcutKind::file), shared(ShortcutKind::file)});
    EXPECT_EQ(thrownMessage([&] { two.applying(current); }), counts);
}

TEST(ConfigurationPackageTest, SummariesReadExactly) {
    UserConfiguration backup;
    backup.shortcuts.resize(12);
    backup.groups.resize(2);
    ConfigurationPackage nothing = share({});
    nothing.portable.reset();
    const std::pair<ConfigurationPackage, const char*> cases[] = {
        {ConfigurationPackage(backup),
         "个人备份：替换陪伴偏好、工作时段、本机位置及全部快捷方式（12 项、2 个分组）。"
         "备份包含本机路径和文件书签，请勿公开分享。"},
        {ConfigurationPackage(PortableConfiguration{.schedule = ScheduleConfiguration{}}),
         "替换工作时段。未包含的配置保持原样。"},
        {share({}),
         "新增 0 项快捷方式、0 个分组（0 项本机项目需重新选择目标）。未包含的配置保持原样。"},
        {nothing, "无配置"},
        {share({shared(ShortcutKind::website), shared(ShortcutKind::folder),
                shared(ShortcutKind::website)},
               {{.name = "组"}}, CompanionPreferences{}),
         "替换陪伴偏好；新增 3 项快捷方式、1 个分组（1 项本机项目需重新选择目标）。"
         "未包含的配置保持原样。"},
    };
    for (const auto& [package, summary] : cases) {
        EXPECT_EQ(package.summary(), QString::fromUtf8(summary));
    }
}

}  // namespace
}  // namespace tundle

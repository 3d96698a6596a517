#include <gtest/gtest.h>

#include <algorithm>

#include "config/ConfigurationPackage.h"
#include "support/ThrownMessage.h"

namespace tundle {
namespace {

ShortcutGroup group(const char* name) {
    return ShortcutGroup{.name = QString::fromUtf8(name)};
}

PortableShortcut shared(ShortcutKind kind, bool pinned, std::optional<QUuid> group = {}) {
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
                           std::vector<ShortcutGroup> groups = {},
                           std::optional<CompanionPreferences> preferences = {}) {
    return ConfigurationPackage(
        PortableConfiguration{.preferences = preferences,
                              .shortcuts = PortableShortcuts{std::move(items), std::move(groups)}});
}

std::vector<QString> names(const UserConfiguration& c) {
    std::vector<QString> result;
    for (const auto& g : c.groups) {
        result.push_back(g.name);
    }
    return result;
}

TEST(ConfigurationPackageMergeTest, BackupReplacesEverythingAsItIs) {
    UserConfiguration backup;
    backup.device.petX = 12;
    backup.shortcuts = {ShortcutItem{.name = QStringLiteral("a"),
                                     .target = QStringLiteral("/a"),
                                     .bookmark = QByteArray("mark")}};
    EXPECT_EQ(ConfigurationPackage(backup).applying(UserConfiguration()), backup);
}

TEST(ConfigurationPackageMergeTest, ShareAddsBesideTheUsersOwnUnderNewIdentities) {
    UserConfiguration current;
    current.device.petX = 40;
    current.groups = {group("Work"), group("Work（2）")};
    for (int i = 0; i < 5; ++i) {
        current.shortcuts.push_back(ShortcutItem{.name = QStringLiteral("本地"), .pinned = true});
    }
    const std::vector<ShortcutGroup> groups = {group("work"), group("Home"), group("Home")};
    const ConfigurationPackage package =
        share({shared(ShortcutKind::website, true, groups[0].id),
               shared(ShortcutKind::file, true, groups[2].id), shared(ShortcutKind::folder, true)},
              groups, CompanionPreferences{.waterMinutes = 30});

    const UserConfiguration merged = package.applying(current);
    EXPECT_EQ(names(merged),
              (std::vector<QString>{"Work", "Work（2）", "work（3）", "Home", "Home（2）"}));
    EXPECT_EQ(merged.preferences.waterMinutes, 30);
    EXPECT_EQ(merged.revision, current.revision);
    EXPECT_EQ(merged.device, current.device);
    ASSERT_EQ(merged.shortcuts.size(), 8u);
    const ShortcutItem& website = merged.shortcuts[5];
    const ShortcutItem& file = merged.shortcuts[6];
    EXPECT_TRUE(website.pinned) << "the sixth pin is still free";
    EXPECT_FALSE(file.pinned || merged.shortcuts[7].pinned);
    EXPECT_EQ(website.target, QStringLiteral("https://example.com/a"));
    EXPECT_EQ(file.target, QString());
    EXPECT_EQ(website.groupID, merged.groups[2].id);
    EXPECT_EQ(file.groupID, merged.groups[4].id);
    EXPECT_FALSE(merged.shortcuts[7].groupID);
    EXPECT_NE(website.id, package.portable->shortcuts->items[0].id);
    EXPECT_NE(merged.groups[2].id, groups[0].id);

    const ConfigurationPackage trip =
        share({shared(ShortcutKind::website, false)}, {group("Trip")});
    const UserConfiguration twice = trip.applying(trip.applying(UserConfiguration()));
    EXPECT_EQ(names(twice), (std::vector<QString>{"Trip", "Trip（2）"}));
    EXPECT_NE(twice.shortcuts[0].id, twice.shortcuts[1].id);
}

TEST(ConfigurationPackageMergeTest, AMergePastTheLimitsFailsWhole) {
    UserConfiguration current;
    current.shortcuts.resize(1999);
    for (auto& item : current.shortcuts) {
        item.name = QStringLiteral("本地");
    }
    const auto package =
        share({shared(ShortcutKind::website, false), shared(ShortcutKind::file, false)});
    EXPECT_EQ(test::thrownMessage([&] { package.applying(current); }),
              QStringLiteral("快捷方式数量、标识或置顶数量无效。"));
}

TEST(ConfigurationPackageMergeTest, SummariesReadExactly) {
    UserConfiguration backup;
    backup.shortcuts.resize(12);
    backup.groups.resize(2);
    ConfigurationPackage nothing = share({});
    nothing.portable.reset();
    const ScheduleConfiguration schedule;
    const struct {
        ConfigurationPackage package;
        const char* summary;
    } cases[] = {
        {ConfigurationPackage(backup),
         "个人备份：替换陪伴偏好、工作时段、本机位置及全部快捷方式（12 项、2 个分组）。"
         "备份包含本机路径和文件书签，请勿公开分享。"},
        {ConfigurationPackage(PortableConfiguration{.schedule = schedule}),
         "替换工作时段。未包含的配置保持原样。"},
        {share({}),
         "新增 0 项快捷方式、0 个分组（0 项本机项目需重新选择目标）。未包含的配置保持原样。"},
        {nothing, "无配置"},
        {share({shared(ShortcutKind::website, false), shared(ShortcutKind::folder, false),
                shared(ShortcutKind::website, false)},
               {group("组")}, CompanionPreferences{}),
         "替换陪伴偏好；新增 3 项快捷方式、1 个分组（1 "
         "项本机项目需重新选择目标）。未包含的配置保持原样。"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.package.summary(), QString::fromUtf8(c.summary));
    }
}

}  // namespace
}  // namespace tundle

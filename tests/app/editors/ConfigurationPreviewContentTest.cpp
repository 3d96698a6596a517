#include "editors/ConfigurationPreviewContent.h"

#include <gtest/gtest.h>

#include "config/ConfigurationPackage.h"

namespace tundle {
namespace {

WorkPeriod period(int start, int end, bool enabled = true) {
    return WorkPeriod{.start = start, .end = end, .enabled = enabled};
}

TEST(ConfigurationPreviewContent, ScheduleListsDaysOverridesAndOlderTimesInKeyOrder) {
    EXPECT_EQ(ConfigurationPreviewContent::scheduleText({}), QStringLiteral("尚未设置工作时段"));

    ScheduleConfiguration legacyOnly;
    legacyOnly.legacyTimes = {OffWorkTime{.hour = 18, .minute = 5},
                              OffWorkTime{.hour = 7, .minute = 30, .enabled = false}};
    EXPECT_EQ(ConfigurationPreviewContent::scheduleText(legacyOnly),
              QStringLiteral("尚未设置工作时段\n旧下班时间：18:05\n旧下班时间：07:30（关闭）"));

    ScheduleConfiguration planned;
    planned.workPlan = WorkPlan{
        .periods = {period(540, 720, false)},
        .weekdays = {2, 9, 1},
        .weeklyOverrides = WorkPeriodTable{{QStringLiteral("7"), {}},
                                           {QStringLiteral("1"), {period(1320, 360)}},
                                           {QStringLiteral("x"), {period(540, 1080)}}},
        .dateOverrides =
            WorkPeriodTable{{QStringLiteral("2026-10-01"), {}},
                            {QStringLiteral("2026-09-30"), {period(540, 720), period(780, 1080)}}},
    };
    EXPECT_EQ(ConfigurationPreviewContent::scheduleText(planned),
              QStringLiteral("默认工作日：周一、周日\n"
                             "默认时段：休息\n"
                             "周日：22:00–06:00（次日）\n"
                             "周六：休息\n"
                             "x：09:00–18:00\n"
                             "2026-09-30：09:00–12:00、13:00–18:00\n"
                             "2026-10-01：休息"));
}

TEST(ConfigurationPreviewContent, PreferencesTruncateTheSizeAndNameEverySwitch) {
    CompanionPreferences preferences;
    preferences.waterMinutes = 30;
    preferences.movementEnabled = false;
    preferences.petScale = 1.1499999;
    preferences.reduceMotion = true;
    preferences.petAssetPack = QStringLiteral("OriginalVideo");
    EXPECT_EQ(ConfigurationPreviewContent::preferenceLines(preferences),
              (QStringList{QStringLiteral("喝水：开 · 30 分钟；久坐：关 · 60 分钟"),
                           QStringLiteral("大小 114% · 角色 OriginalVideo"),
                           QStringLiteral("减少动态效果：开；音效：开")}));
}

TEST(ConfigurationPreviewContent, BackupShowsStoredTargetsAndShareShowsLocalItemsWithoutThem) {
    UserConfiguration configuration;
    const ShortcutGroup group{.name = QStringLiteral("工作")};
    configuration.groups = {group, ShortcutGroup{.name = QStringLiteral("<b>娱乐</b>")}};
    configuration.shortcuts = {
        ShortcutItem{.kind = ShortcutKind::application,
                     .name = QStringLiteral("终端"),
                     .target = QStringLiteral("/usr/bin/gnome-terminal"),
                     .groupID = group.id},
        ShortcutItem{.kind = ShortcutKind::website,
                     .name = QStringLiteral("文档"),
                     .target = QStringLiteral("https://doc.qt.io/")},
    };

    const auto backup = ConfigurationPreviewContent::of(ConfigurationPackage(configuration));
    EXPECT_EQ(backup.preferences, configuration.preferences);
    EXPECT_EQ(backup.schedule, configuration.schedule);
    EXPECT_EQ(backup.items, configuration.shortcuts);
    EXPECT_EQ(ConfigurationPreviewContent::groupsLine(backup.groups),
              QStringLiteral("分组：工作、<b>娱乐</b>"));

    const auto shared = ConfigurationPreviewContent::of(ConfigurationPackage(
        PortableConfiguration::fromSnapshot(configuration, false, false, true)));
    EXPECT_FALSE(shared.preferences);
    EXPECT_FALSE(shared.schedule);
    ASSERT_EQ(shared.items.size(), 2u);
    EXPECT_EQ(ConfigurationPreviewContent::itemTitle(shared.items[0]),
              QStringLiteral("终端 · 软件"));
    EXPECT_EQ(ConfigurationPreviewContent::itemTarget(shared.items[0]),
              QStringLiteral("需在本机重新选择目标"));
    EXPECT_EQ(shared.items[0].groupID, group.id);
    EXPECT_EQ(ConfigurationPreviewContent::itemTitle(shared.items[1]),
              QStringLiteral("文档 · 网址"));
    EXPECT_EQ(ConfigurationPreviewContent::itemTarget(shared.items[1]),
              QStringLiteral("https://doc.qt.io/"));

    const auto preferencesOnly = ConfigurationPreviewContent::of(ConfigurationPackage(
        PortableConfiguration::fromSnapshot(configuration, true, false, false)));
    EXPECT_TRUE(preferencesOnly.preferences);
    EXPECT_FALSE(preferencesOnly.schedule);
    EXPECT_TRUE(preferencesOnly.groups.empty());
    EXPECT_TRUE(preferencesOnly.items.empty());
}

}  // namespace
}  // namespace tundle

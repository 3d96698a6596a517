#include <gtest/gtest.h>

#include <limits>

#include "config/ConfigurationCoding.h"
#include "config/ConfigurationStore.h"
#include "records/ShortcutError.h"
#include "support/ConfigurationError.h"
#include "support/MemoryDefaults.h"

namespace tundle {
namespace {

using Edit = std::function<void(UserConfiguration&)>;

const QString values = QStringLiteral("配置版本或偏好数值无效。");
const QString counts = QStringLiteral("快捷方式数量、标识或置顶数量无效。");
const QString groupName = QStringLiteral("分组名称无效。");
const QString content = QStringLiteral("快捷方式内容或分组引用无效。");
const QString path = QStringLiteral("本机快捷方式路径无效。");
const QString legacy = QStringLiteral("旧作息时间无效。");
const QString plan = QStringLiteral("工作时段配置无效。");
const QString passed = QStringLiteral("passed");
const double nan = std::numeric_limits<double>::quiet_NaN();
// A family of four joined into one character by zero-width joiners.
const QString family = QStringLiteral("👨‍👩‍👧‍👦");

// The message of the first failing rule; website addresses report with their own error type.
QString verdict(const Edit& edit) {
    UserConfiguration configuration;
    edit(configuration);
    try {
        validateConfiguration(configuration);
        return passed;
    } catch (const ConfigurationError& error) {
        return error.message();
    } catch (const ShortcutError& error) {
        return QStringLiteral("shortcut: ") + error.message();
    }
}

void expectVerdicts(const std::vector<std::pair<Edit, QString>>& cases) {
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(verdict(cases[i].first), cases[i].second) << "case " << i;
    }
}

ShortcutItem shortcut(ShortcutKind kind, const QString& target, const QString& name = "名") {
    ShortcutItem item;
    item.kind = kind;
    item.name = name;
    item.target = target;
    return item;
}

ShortcutGroup group(const QString& name) {
    ShortcutGroup result;
    result.name = name;
    return result;
}

Edit shortcuts(int count, bool pinned = false) {
    return [=](UserConfiguration& c) {
        for (int i = 0; i < count; ++i) {
            c.shortcuts.push_back(shortcut(ShortcutKind::folder, QStringLiteral("/tmp")));
            c.shortcuts.back().pinned = pinned;
        }
    };
}

Edit withShortcut(const ShortcutItem& item) {
    return [=](UserConfiguration& c) {
        c.groups = {group(QStringLiteral("组"))};
        c.shortcuts = {item};
        if (!item.groupID) {
            c.shortcuts[0].groupID = c.groups[0].id;
        }
    };
}

Edit withPlan(const std::function<void(WorkPlan&)>& edit) {
    return [=](UserConfiguration& c) {
        WorkPlan workPlan;
        workPlan.periods = {WorkPeriod{.start = 540, .end = 1080}};
        workPlan.weekdays = {1, 2, 7, 2};
        workPlan.weeklyOverrides = WorkPeriodTable{{"7", {WorkPeriod{.start = 1439, .end = 0}}}};
        workPlan.dateOverrides = WorkPeriodTable{{"2024-13-45", {}}};
        edit(workPlan);
        c.schedule.workPlan = workPlan;
    };
}

TEST(ConfigurationValidation, InvalidLocationIsReportedBeforeAnyOtherRule) {
    const auto located = [](const QString& name) {
        return [=](UserConfiguration& c) {
            c.device.room = RoomPreferences();
            c.device.room->location = WeatherLocation{.name = name, .latitude = 0, .longitude = 0};
            c.schemaVersion = 2;
            c.groups = {group(QStringLiteral(" "))};
        };
    };
    expectVerdicts({
        {[](auto&) {}, passed},
        {located(QString(61, u'a')), QStringLiteral("天气位置无效。")},
        {located(QString(60, u'a')), values},
    });
}

TEST(ConfigurationValidation, PreferenceValuesStayWithinTheirRanges) {
    expectVerdicts({
        {[](auto& c) { c.preferences.waterMinutes = 240; }, passed},
        {[](auto& c) { c.preferences.waterMinutes = 241; }, values},
        {[](auto& c) { c.preferences.waterMinutes = 0; }, values},
        {[](auto& c) { c.preferences.movementMinutes = 241; }, values},
        {[](auto& c) { c.preferences.breathingMinutes = 5; }, passed},
        {[](auto& c) { c.preferences.breathingMinutes = 4; }, values},
        {[](auto& c) { c.preferences.petScale = 0.75; }, passed},
        {[](auto& c) { c.preferences.petScale = 1.4; }, passed},
        {[](auto& c) { c.preferences.petScale = 0.7499; }, values},
        {[](auto& c) { c.preferences.petScale = 1.4001; }, values},
        {[](auto& c) { c.preferences.petScale = nan; }, values},
        {[](auto& c) { c.schemaVersion = 2; }, values},
        {[](auto& c) { c.preferences.petAssetPack = QStringLiteral("OriginalVideo"); }, passed},
        {[](auto& c) { c.preferences.petAssetPack = QStringLiteral("h3"); }, values},
        {[](auto& c) { c.device.petX = -5000.5; }, passed},
        {[](auto& c) { c.device.petY = nan; }, values},
    });
}

TEST(ConfigurationValidation, LimitsShortcutAndGroupCountsIdsAndPins) {
    expectVerdicts({
        {shortcuts(2000), passed},
        {shortcuts(2001), counts},
        {shortcuts(6, true), passed},
        {shortcuts(7, true), counts},
        {[](auto& c) {
             for (int i = 0; i < 201; ++i) {
                 c.groups.push_back(group(QStringLiteral("组")));
             }
         },
         counts},
        {[](auto& c) { c.groups.assign(2, group(QStringLiteral("组"))); }, counts},
        {[](auto& c) {
             shortcuts(2)(c);
             c.shortcuts[1].id = c.shortcuts[0].id;
         },
         counts},
    });
}

TEST(ConfigurationValidation, ChecksNamesInCharactersAndShortcutContents) {
    ShortcutItem strangerGroup = shortcut(ShortcutKind::file, QString());
    strangerGroup.groupID = newUuid();
    ShortcutItem bigBookmark = shortcut(ShortcutKind::file, QString());
    bigBookmark.bookmark = QByteArray(262145, 'b');
    ShortcutItem fullBookmark = shortcut(ShortcutKind::file, QString());
    fullBookmark.bookmark = QByteArray(262144, 'b');
    expectVerdicts({
        {[](auto& c) { c.groups = {group(family.repeated(500))}; }, passed},
        {[](auto& c) { c.groups = {group(family.repeated(501))}; }, groupName},
        {[](auto& c) { c.groups = {group(QStringLiteral("   "))}; }, groupName},
        {withShortcut(shortcut(ShortcutKind::file, "", QStringLiteral("🇨🇳").repeated(500))),
         passed},
        {withShortcut(shortcut(ShortcutKind::file, "", QStringLiteral("🇨🇳").repeated(501))),
         content},
        {withShortcut(shortcut(ShortcutKind::file, "", QStringLiteral("\n\t"))), content},
        {withShortcut(strangerGroup), content},
        {withShortcut(fullBookmark), passed},
        {withShortcut(bigBookmark), content},
        {withShortcut(shortcut(ShortcutKind::file, u'/' + QString(16383, u'a'))), passed},
        {withShortcut(shortcut(ShortcutKind::file, u'/' + QString(16384, u'a'))), content},
        {withShortcut(shortcut(ShortcutKind::file, QStringLiteral("Documents/a.txt"))), path},
        {withShortcut(shortcut(ShortcutKind::application, QStringLiteral("/a.desktop"))), passed},
        {withShortcut(shortcut(ShortcutKind::website, QStringLiteral("example.com"))), passed},
        {withShortcut(shortcut(ShortcutKind::website, QStringLiteral("exa mple.com"))),
         QStringLiteral("shortcut: 请输入有效的网址。")},
        {withShortcut(shortcut(ShortcutKind::website, QString())),
         QStringLiteral("shortcut: 请输入有效的网址。")},
    });
}

TEST(ConfigurationValidation, EachShortcutPassesBothStepsBeforeTheNextIsLookedAt) {
    const ShortcutItem badAddress = shortcut(ShortcutKind::website, QStringLiteral("ftp://x.org"));
    const ShortcutItem longName = shortcut(ShortcutKind::file, QString(), QString(501, u'n'));
    const ShortcutItem relative = shortcut(ShortcutKind::file, QStringLiteral("relative"));
    expectVerdicts({
        {[=](auto& c) {
             c.shortcuts = {badAddress, longName};
         },
         QStringLiteral("shortcut: 请输入 http 或 https 网页地址，例如 https://example.com。")},
        {[=](auto& c) {
             c.shortcuts = {longName, badAddress};
         },
         content},
        {[=](auto& c) {
             c.shortcuts = {relative};
             c.groups = {group(QStringLiteral("组")), group(QString())};
         },
         groupName},
        {[=](auto& c) {
             c.shortcuts = {relative};
             c.schedule.legacyTimes = {OffWorkTime{.hour = 24}};
         },
         path},
    });
}

TEST(ConfigurationValidation, LegacyTimesAndWorkPlanHaveTheirShape) {
    const auto periods = [](std::size_t count) {
        // The weekly override holds one more period.
        return withPlan(
            [=](auto& p) { p.periods.assign(count - 1, WorkPeriod{.start = 1, .end = 2}); });
    };
    const auto dateKey = [](const char* key) {
        return withPlan([=](auto& p) { (*p.dateOverrides)[QString::fromUtf8(key)] = {}; });
    };
    const auto weekKey = [](const char* key) {
        return withPlan([=](auto& p) { (*p.weeklyOverrides)[QString::fromUtf8(key)] = {}; });
    };
    expectVerdicts({
        {[](auto& c) { c.schedule.legacyTimes.resize(100); }, passed},
        {[](auto& c) { c.schedule.legacyTimes.resize(101); }, legacy},
        {[](auto& c) { c.schedule.legacyTimes = {OffWorkTime{.hour = 23, .minute = 59}}; }, passed},
        {[](auto& c) { c.schedule.legacyTimes = {OffWorkTime{.hour = 24}}; }, legacy},
        {[](auto& c) { c.schedule.legacyTimes = {OffWorkTime{.minute = -1}}; }, legacy},
        {withPlan([](auto&) {}), passed},
        {withPlan([](auto& p) { p.periods[0].enabled = false; }), passed},
        {withPlan([](auto& p) { p.periods[0].end = 540; }), plan},
        {withPlan([](auto& p) { p.periods[0].start = -1; }), plan},
        {withPlan([](auto& p) { p.weekdays.push_back(0); }), plan},
        {withPlan([](auto& p) { p.weekdays.push_back(8); }), plan},
        {withPlan([](auto& p) { (*p.weeklyOverrides)["7"][0].end = 1440; }), plan},
        {periods(5000), passed},
        {periods(5001), plan},
        {weekKey("0"), plan},
        {weekKey("Mon"), plan},
        {weekKey("01"), plan},
        {dateKey("2024-1-05"), plan},
        {dateKey("2024-01-05\n"), plan},
        {dateKey("٢٠٢٤-01-05"), plan},
    });
}

TEST(ConfigurationValidation, StoreRefusesAnInvalidChangeAndKeepsItsValue) {
    MemoryDefaults defaults;
    ConfigurationStore store(defaults);
    const UserConfiguration before = store.value();
    EXPECT_THROW(store.update([](auto& c) { c.preferences.waterMinutes = 0; }), ConfigurationError);
    EXPECT_EQ(store.value(), before);
    store.update([](auto& c) { c.preferences.waterMinutes = 240; });
    EXPECT_EQ(store.value().preferences.waterMinutes, 240);
}

}  // namespace
}  // namespace tundle

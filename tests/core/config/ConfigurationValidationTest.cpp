#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "config/ConfigurationStore.h"
#include "records/ShortcutError.h"
#include "support/ConfigurationError.h"
#include "support/MemoryDefaults.h"

namespace tundle {
namespace {

const QString valuesMessage = QStringLiteral("配置版本或偏好数值无效。");
const QString countsMessage = QStringLiteral("快捷方式数量、标识或置顶数量无效。");
const QString groupMessage = QStringLiteral("分组名称无效。");
const QString contentMessage = QStringLiteral("快捷方式内容或分组引用无效。");
const QString pathMessage = QStringLiteral("本机快捷方式路径无效。");
const QString legacyMessage = QStringLiteral("旧作息时间无效。");
const QString planMessage = QStringLiteral("工作时段配置无效。");
const QString passed = QStringLiteral("passed");

// The message of the first failing rule; website addresses report with their own error type.
QString verdict(const UserConfiguration& configuration) {
    try {
        ConfigurationStore::validate(configuration);
        return passed;
    } catch (const ConfigurationError& error) {
        return error.message();
    } catch (const ShortcutError& error) {
        return QStringLiteral("shortcut: ") + error.message();
    }
}

template <typename Edit>
QString verdictAfter(Edit edit) {
    UserConfiguration configuration;
    edit(configuration);
    return verdict(configuration);
}

ShortcutItem shortcut(ShortcutKind kind, const QString& target) {
    ShortcutItem item;
    item.kind = kind;
    item.name = QStringLiteral("快捷方式");
    item.target = target;
    return item;
}

ShortcutGroup group(const QString& name) {
    ShortcutGroup result;
    result.name = name;
    return result;
}

QString repeated(const QString& piece, int count) { return piece.repeated(count); }

// A family of four joined into one character by zero-width joiners.
const QString family = QStringLiteral("👨‍👩‍👧‍👦");

TEST(ConfigurationValidation, DefaultConfigurationPasses) {
    EXPECT_EQ(verdict(UserConfiguration()), passed);
}

TEST(ConfigurationValidation, InvalidLocationIsReportedBeforeAnyOtherRule) {
    UserConfiguration configuration;
    RoomPreferences room;
    room.location = WeatherLocation{.name = QString(61, u'a'), .latitude = 0, .longitude = 0};
    configuration.device.room = room;
    configuration.schemaVersion = 2;
    configuration.groups = {group(QStringLiteral(" "))};
    configuration.schedule.legacyTimes = {OffWorkTime{.hour = 24}};
    EXPECT_EQ(verdict(configuration), QStringLiteral("天气位置无效。"));
    configuration.device.room->location->name = QString(60, u'a');
    EXPECT_EQ(verdict(configuration), valuesMessage);
    configuration.device.room->location.reset();
    EXPECT_EQ(verdict(configuration), valuesMessage);
}

TEST(ConfigurationValidation, PreferenceValuesStayWithinTheirRanges) {
    using Edit = std::function<void(UserConfiguration&)>;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<Edit> passing{
        [](auto& c) { c.preferences.waterMinutes = 240; },
        [](auto& c) { c.preferences.movementMinutes = 1; },
        [](auto& c) { c.preferences.breathingMinutes = 5; },
        [](auto& c) { c.preferences.petScale = 0.75; },
        [](auto& c) { c.preferences.petScale = 1.4; },
        [](auto& c) { c.preferences.petAssetPack = QStringLiteral("OriginalVideo"); },
        [](auto& c) { c.device.petX = -5000.5; },
    };
    for (const Edit& edit : passing) {
        EXPECT_EQ(verdictAfter(edit), passed);
    }
    const std::vector<Edit> failing{
        [](auto& c) { c.schemaVersion = 2; },
        [](auto& c) { c.preferences.waterMinutes = 241; },
        [](auto& c) { c.preferences.waterMinutes = 0; },
        [](auto& c) { c.preferences.movementMinutes = 241; },
        [](auto& c) { c.preferences.breathingMinutes = 4; },
        [](auto& c) { c.preferences.petScale = 0.7499; },
        [](auto& c) { c.preferences.petScale = 1.4001; },
        [nan](auto& c) { c.preferences.petScale = nan; },
        [](auto& c) { c.preferences.petAssetPack = QStringLiteral("h3"); },
        [nan](auto& c) { c.device.petY = nan; },
        [](auto& c) { c.device.petX = std::numeric_limits<double>::infinity(); },
    };
    for (std::size_t i = 0; i < failing.size(); ++i) {
        EXPECT_EQ(verdictAfter(failing[i]), valuesMessage) << "case " << i;
    }
}

TEST(ConfigurationValidation, LimitsShortcutAndGroupCountsIdsAndPins) {
    EXPECT_EQ(verdictAfter([](auto& c) {
                  c.shortcuts.assign(2000, shortcut(ShortcutKind::file, QString()));
                  for (auto& item : c.shortcuts) {
                      item.id = newUuid();
                  }
              }),
              passed);
    EXPECT_EQ(verdictAfter([](auto& c) {
                  for (int i = 0; i < 2001; ++i) {
                      c.shortcuts.push_back(shortcut(ShortcutKind::file, QString()));
                  }
              }),
              countsMessage);
    EXPECT_EQ(verdictAfter([](auto& c) {
                  for (int i = 0; i < 201; ++i) {
                      c.groups.push_back(group(QStringLiteral("组")));
                  }
              }),
              countsMessage);
    const auto pinned = [](int count) {
        return verdictAfter([count](auto& c) {
            for (int i = 0; i < count; ++i) {
                c.shortcuts.push_back(shortcut(ShortcutKind::folder, QStringLiteral("/tmp")));
                c.shortcuts.back().pinned = true;
            }
        });
    };
    EXPECT_EQ(pinned(6), passed);
    EXPECT_EQ(pinned(7), countsMessage);
    EXPECT_EQ(verdictAfter([](auto& c) {
                  c.shortcuts = {shortcut(ShortcutKind::file, QString())};
                  c.shortcuts.push_back(c.shortcuts.front());
                  c.shortcuts.back().name = QStringLiteral("另一个");
              }),
              countsMessage);
    EXPECT_EQ(verdictAfter([](auto& c) {
                  c.groups = {group(QStringLiteral("甲")), group(QStringLiteral("乙"))};
                  c.groups[1].id = c.groups[0].id;
              }),
              countsMessage);
}

TEST(ConfigurationValidation, NamesCountUserPerceivedCharacters) {
    const auto withGroupName = [](const QString& name) {
        return verdictAfter([&](auto& c) { c.groups = {group(name)}; });
    };
    EXPECT_EQ(withGroupName(repeated(family, 500)), passed);
    EXPECT_EQ(withGroupName(repeated(family, 501)), groupMessage);
    EXPECT_EQ(withGroupName(QStringLiteral("   ")), groupMessage);
    EXPECT_EQ(withGroupName(QStringLiteral(" 工作 ")), passed);

    const auto withShortcutName = [](const QString& name) {
        return verdictAfter([&](auto& c) {
            c.shortcuts = {shortcut(ShortcutKind::file, QString())};
            c.shortcuts[0].name = name;
        });
    };
    EXPECT_EQ(withShortcutName(repeated(QStringLiteral("🇨🇳"), 500)), passed);
    EXPECT_EQ(withShortcutName(repeated(QStringLiteral("🇨🇳"), 501)), contentMessage);
    EXPECT_EQ(withShortcutName(QStringLiteral("\n\t")), contentMessage);
}

TEST(ConfigurationValidation, ChecksShortcutContentsAndTargets) {
    using Edit = std::function<void(ShortcutItem&)>;
    const auto withShortcut = [](ShortcutKind kind, const QString& target, const Edit& edit) {
        return verdictAfter([&](auto& c) {
            c.groups = {group(QStringLiteral("组"))};
            c.shortcuts = {shortcut(kind, target)};
            c.shortcuts[0].groupID = c.groups[0].id;
            edit(c.shortcuts[0]);
        });
    };
    const Edit none = [](ShortcutItem&) {};
    EXPECT_EQ(withShortcut(ShortcutKind::file, QString(), none), passed);
    EXPECT_EQ(withShortcut(ShortcutKind::file, QStringLiteral("Documents/a.txt"), none),
              pathMessage);
    EXPECT_EQ(withShortcut(ShortcutKind::application, QStringLiteral("/usr/share/a.desktop"), none),
              passed);
    EXPECT_EQ(withShortcut(ShortcutKind::website, QStringLiteral("example.com"), none), passed);
    EXPECT_EQ(withShortcut(ShortcutKind::website, QStringLiteral("exa mple.com"), none),
              QStringLiteral("shortcut: 请输入有效的网址。"));
    EXPECT_EQ(withShortcut(ShortcutKind::website, QString(), none),
              QStringLiteral("shortcut: 请输入有效的网址。"));
    EXPECT_EQ(withShortcut(ShortcutKind::file, QString(), [](auto& item) { item.groupID = newUuid(); }),
              contentMessage);
    EXPECT_EQ(withShortcut(ShortcutKind::file, QString(),
                           [](auto& item) { item.bookmark = QByteArray(262144, 'b'); }),
              passed);
    EXPECT_EQ(withShortcut(ShortcutKind::file, QString(),
                           [](auto& item) { item.bookmark = QByteArray(262145, 'b'); }),
              contentMessage);
    EXPECT_EQ(withShortcut(ShortcutKind::file, u'/' + QString(16383, u'a'), none), passed);
    EXPECT_EQ(withShortcut(ShortcutKind::file, u'/' + QString(16384, u'a'), none), contentMessage);
}

TEST(ConfigurationValidation, EachShortcutPassesBothStepsBeforeTheNextIsLookedAt) {
    EXPECT_EQ(verdictAfter([](auto& c) {
                  c.shortcuts = {shortcut(ShortcutKind::website, QStringLiteral("ftp://x.org")),
                                 shortcut(ShortcutKind::file, QString())};
                  c.shortcuts[1].name = QString(501, u'n');
              }),
              QStringLiteral("shortcut: 请输入 http 或 https 网页地址，例如 https://example.com。"));
    EXPECT_EQ(verdictAfter([](auto& c) {
                  c.shortcuts = {shortcut(ShortcutKind::file, QString()),
                                 shortcut(ShortcutKind::website, QStringLiteral("ftp://x.org"))};
                  c.shortcuts[0].name = QString(501, u'n');
              }),
              contentMessage);
    // Every group is checked before any shortcut.
    EXPECT_EQ(verdictAfter([](auto& c) {
                  c.shortcuts = {shortcut(ShortcutKind::file, QStringLiteral("relative"))};
                  c.groups = {group(QStringLiteral("组")), group(QString())};
              }),
              groupMessage);
    EXPECT_EQ(verdictAfter([](auto& c) {
                  c.shortcuts = {shortcut(ShortcutKind::file, QStringLiteral("relative"))};
                  c.schedule.legacyTimes = {OffWorkTime{.hour = 24}};
              }),
              pathMessage);
}

TEST(ConfigurationValidation, LegacyTimesAreFewAndRealTimesOfDay) {
    EXPECT_EQ(verdictAfter([](auto& c) { c.schedule.legacyTimes.resize(100); }), passed);
    EXPECT_EQ(verdictAfter([](auto& c) { c.schedule.legacyTimes.resize(101); }), legacyMessage);
    EXPECT_EQ(verdictAfter([](auto& c) {
                  c.schedule.legacyTimes = {OffWorkTime{.hour = 23, .minute = 59}};
              }),
              passed);
    EXPECT_EQ(verdictAfter([](auto& c) { c.schedule.legacyTimes = {OffWorkTime{.hour = 24}}; }),
              legacyMessage);
    EXPECT_EQ(verdictAfter([](auto& c) { c.schedule.legacyTimes = {OffWorkTime{.minute = -1}}; }),
              legacyMessage);
}

TEST(ConfigurationValidation, WorkPlanPeriodsWeekdaysAndKeysHaveTheirShape) {
    using Edit = std::function<void(WorkPlan&)>;
    const auto withPlan = [](const Edit& edit) {
        return verdictAfter([&](auto& c) {
            WorkPlan plan;
            plan.periods = {WorkPeriod{.start = 540, .end = 1080}};
            plan.weekdays = {1, 2, 7, 2};
            plan.weeklyOverrides = WorkPeriodTable{{"7", {WorkPeriod{.start = 1439, .end = 0}}}};
            plan.dateOverrides = WorkPeriodTable{{"2024-13-45", {}}};
            edit(plan);
            c.schedule.workPlan = plan;
        });
    };
    EXPECT_EQ(withPlan([](auto&) {}), passed);
    EXPECT_EQ(withPlan([](auto& p) { p.periods[0].enabled = false; }), passed);
    EXPECT_EQ(withPlan([](auto& p) { p.periods[0].end = 540; }), planMessage);
    EXPECT_EQ(withPlan([](auto& p) { p.periods[0].start = -1; }), planMessage);
    EXPECT_EQ(withPlan([](auto& p) { p.weekdays.push_back(0); }), planMessage);
    EXPECT_EQ(withPlan([](auto& p) { p.weekdays.push_back(8); }), planMessage);
    EXPECT_EQ(withPlan([](auto& p) { (*p.weeklyOverrides)["7"][0].end = 1440; }), planMessage);
    EXPECT_EQ(withPlan([](auto& p) { (*p.dateOverrides)["2024-01-05"] = {WorkPeriod{}}; }),
              planMessage);
    for (const char* key : {"0", "8", "Mon", "01", ""}) {
        EXPECT_EQ(withPlan([key](auto& p) { (*p.weeklyOverrides)[QString::fromUtf8(key)] = {}; }),
                  planMessage)
            << key;
    }
    for (const char* key : {"2024-1-05", "2024-01-05\n", "２０２４-01-05", "٢٠٢٤-01-05", "2024/01/05"}) {
        EXPECT_EQ(withPlan([key](auto& p) { (*p.dateOverrides)[QString::fromUtf8(key)] = {}; }),
                  planMessage)
            << key;
    }
    const auto withPeriods = [&](int count) {
        return withPlan([count](auto& p) {
            p.periods.assign(static_cast<std::size_t>(count) - 1, WorkPeriod{.start = 1, .end = 2});
        });
    };
    EXPECT_EQ(withPeriods(5000), passed);
    EXPECT_EQ(withPeriods(5001), planMessage);
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

#include <gtest/gtest.h>

#include <QJsonArray>
#include <cmath>

#include "config/ConfigurationStore.h"
#include "config/ShortcutStore.h"
#include "support/JsonWriter.h"
#include "support/TemporaryHome.h"

namespace tundle {
namespace {

const QString loadPrefix = QStringLiteral("配置未能读取，原文件已保留，暂停保存：");

TEST(ConfigurationMigration, OlderEntriesAreClampedOrReplacedAndLeftAsTheyWere) {
    const struct {
        const char* key;
        QVariant stored;
        std::function<QVariant(const UserConfiguration&)> read;
        QVariant expected;
    } cases[] = {
        {"waterMinutes", 0, [](auto& c) { return c.preferences.waterMinutes; }, 1},
        {"waterMinutes", {}, [](auto& c) { return c.preferences.waterMinutes; }, 45},
        {"movementMinutes", 500, [](auto& c) { return c.preferences.movementMinutes; }, 240},
        {"breathingMinutes", 4, [](auto& c) { return c.preferences.breathingMinutes; }, 3},
        {"petScale", 2.0, [](auto& c) { return c.preferences.petScale; }, 1.4},
        {"petScale", std::nan(""), [](auto& c) { return c.preferences.petScale; }, 1.0},
        {"petAssetPack", "Other", [](auto& c) { return c.preferences.petAssetPack; }, "H3"},
        {"petX", -12.5, [](auto& c) { return QVariant::fromValue(c.device.petX.value_or(7)); },
         -12.5},
        {"petY", INFINITY, [](auto& c) { return c.device.petY.has_value(); }, false},
        {"workPlan.v2", QByteArray(), [](auto& c) { return c.schedule.workPlan.has_value(); },
         false},
    };
    for (const auto& c : cases) {
        MemoryDefaults defaults;
        if (c.stored.isValid()) {
            defaults.setValue(c.key, c.stored);
        }
        ConfigurationStore store(defaults);
        ASSERT_TRUE(store.isWritable()) << c.key << ": " << store.error()->toStdString();
        EXPECT_EQ(c.read(store.value()), c.expected) << c.key;
        EXPECT_EQ(defaults.value(c.key).toString(), c.stored.toString()) << c.key;
    }
}

TEST(ConfigurationMigration, OlderSchedulesAndShortcutsComeAlong) {
    MemoryDefaults defaults;
    const ShortcutItem item{.kind = ShortcutKind::website, .name = "站", .target = "https://a.cn"};
    const OffWorkTime time{.hour = 18};
    const WorkPlan plan{.periods = {WorkPeriod{.start = 540, .end = 1080}}, .weekdays = {2}};
    defaults.setValue("shortcuts.v1", JsonWriter::compact(QJsonArray{item.toJson()}));
    defaults.setValue("offWorkTimes.v1", JsonWriter::compact(QJsonArray{time.toJson()}));
    defaults.setValue("workPlan.v2", JsonWriter::compact(plan.toJson()));
    ConfigurationStore store(defaults);
    ASSERT_TRUE(store.isWritable()) << store.error()->toStdString();
    EXPECT_EQ(store.value().shortcuts, std::vector<ShortcutItem>{item});
    EXPECT_EQ(store.value().schedule.legacyTimes, std::vector<OffWorkTime>{time});
    EXPECT_EQ(store.value().schedule.workPlan, plan);
}

TEST(ConfigurationMigration, AFailingOlderEntryStopsTheStoreFromWriting) {
    const WorkPlan emptyDay{.periods = {WorkPeriod{.start = 600, .end = 600}}};
    const struct {
        const char* key;
        QByteArray stored;
        QString error;
    } cases[] = {
        {"shortcuts.v1", R"({"version": 3, "items": [], "groups": []})",
         "快捷方式未能读取：不支持的快捷方式数据版本。"},
        {"workPlan.v2", JsonWriter::compact(emptyDay.toJson()), "工作时段配置无效。"},
        {"workPlan.v2", "[]", "数据的最外层不是 JSON 对象。"},
    };
    for (const auto& c : cases) {
        MemoryDefaults defaults;
        defaults.setValue(c.key, c.stored);
        ConfigurationStore store(defaults);
        EXPECT_FALSE(store.isWritable());
        EXPECT_EQ(store.error(), loadPrefix + c.error);
        EXPECT_FALSE(defaults.value("userConfiguration.v1").isValid());
        EXPECT_EQ(defaults.value(c.key).toByteArray(), c.stored);
    }
}

}  // namespace
}  // namespace tundle

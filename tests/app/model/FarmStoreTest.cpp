#include "model/FarmStore.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

#include "support/FileIO.h"
#include "support/JsonWriter.h"
#include "support/MemoryDefaults.h"
#include "support/ReferenceDate.h"

namespace tundle {
namespace {

const QDateTime now(QDate(2026, 12, 6), QTime(21, 0), Qt::UTC);

QJsonObject plotJson(int id, bool tilled = false) {
    return QJsonObject{{"id", id}, {"tilled", tilled}, {"watered", false}};
}

QByteArray snapshot(QJsonValue version, int plots, double scale = 1.0, int coins = 7) {
    QJsonArray list;
    for (int id = plots - 1; id >= 0; --id) {
        list.append(plotJson(id, id == 1));
    }
    return JsonWriter::compact(QJsonObject{{"version", version},
                                           {"visible", false},
                                           {"scale", scale},
                                           {"balance", "pet"},
                                           {"coins", coins},
                                           {"plots", list}});
}

// Settings on a disk that refuses writes while `failing` is set: what was set reaches the stored
// values only through a sync that succeeds.
class FailingDefaults : public MemoryDefaults {
public:
    bool failing = true;
    void setValue(const QString& key, const QVariant& value) override { pending_[key] = value; }
    void sync() override {
        if (failing) {
            throw FileError(QStringLiteral("磁盘已满"));
        }
        for (auto it = pending_.cbegin(); it != pending_.cend(); ++it) {
            MemoryDefaults::setValue(it.key(), it.value());
        }
        pending_.clear();
    }

private:
    QHash<QString, QVariant> pending_;
};

TEST(FarmStore, StartsEmptyAndLoadsOlderFourPlotRecords) {
    MemoryDefaults defaults;
    const FarmStore fresh(defaults);
    EXPECT_TRUE(fresh.visible());
    EXPECT_EQ(fresh.scale(), 0.85);
    EXPECT_EQ(fresh.balance(), FarmBalance::balanced);
    EXPECT_EQ(fresh.coins(), 0);
    ASSERT_EQ(fresh.plots().size(), 9u);
    EXPECT_EQ(fresh.plots()[8], FarmPlot{.id = 8});
    EXPECT_FALSE(defaults.value(FarmStore::defaultsKey).isValid()) << "loading writes nothing";

    defaults.setValue(FarmStore::defaultsKey, snapshot(1, 4));
    FarmStore old(defaults);
    EXPECT_FALSE(old.visible());
    EXPECT_EQ(old.coins(), 7);
    ASSERT_EQ(old.plots().size(), 9u);
    for (int id = 0; id < 9; ++id) {
        EXPECT_EQ(old.plots()[id].id, id) << "sorted and padded";
    }
    EXPECT_TRUE(old.plots()[1].tilled);
    old.save();
    const QJsonObject saved =
        QJsonDocument::fromJson(defaults.value(FarmStore::defaultsKey).toByteArray()).object();
    EXPECT_EQ(saved["version"].toInt(), 2);
    EXPECT_EQ(saved["plots"].toArray().size(), 9);
}

TEST(FarmStore, AnyFaultInTheRecordGivesTheWholeStartingFarm) {
    QByteArray missingWatered = snapshot(2, 9);
    missingWatered.replace(",\"watered\":false}", "}");
    const QList<QByteArray> broken{snapshot(3, 9),
                                   snapshot(2, 5),
                                   snapshot(2, 9, 0.5),
                                   snapshot(2, 9, 1.3),
                                   snapshot(2, 9, 1, -1),
                                   missingWatered,
                                   QByteArray(snapshot(2, 4)).replace("\"id\":2", "\"id\":1"),
                                   QByteArray(snapshot(2, 9)).replace("\"pet\"", "\"cat\""),
                                   "not json"};
    for (const QByteArray& bytes : broken) {
        MemoryDefaults defaults;
        defaults.setValue(FarmStore::defaultsKey, bytes);
        const FarmStore store(defaults);
        EXPECT_EQ(store.coins(), 0) << bytes.constData();
        EXPECT_TRUE(store.visible()) << bytes.constData();
        EXPECT_EQ(defaults.value(FarmStore::defaultsKey).toByteArray(), bytes)
            << "the record is not overwritten";
    }
}

// 500 coins and three tilled plots, written by this application, then damaged in one field.
TEST(FarmStore, ARecordThatCannotBeReadIsKeptAsideOnceBeforeTheFirstSave) {
    const QList<QByteArray> damaged{
        QByteArray(snapshot(2, 9, 1, 500)).replace("\"pet\"", "\"" + QByteArray(300, 'p') + "\""),
        QByteArray(snapshot(2, 9, 1, 500))
            .replace("\"visible\":false",
                     "\"visible\":" + QByteArray(2000, '[') + QByteArray(2000, ']')),
    };
    for (const QByteArray& bytes : damaged) {
        MemoryDefaults defaults;
        defaults.setValue(FarmStore::defaultsKey, bytes);
        FarmStore store(defaults);
        EXPECT_EQ(store.coins(), 0);
        EXPECT_FALSE(defaults.value(FarmStore::unreadableKey).isValid())
            << "loading writes nothing";

        ASSERT_TRUE(store.loosen(0));
        EXPECT_EQ(defaults.value(FarmStore::unreadableKey).toByteArray(), bytes);
        EXPECT_NE(defaults.value(FarmStore::defaultsKey).toByteArray(), bytes);

        defaults.setValue(FarmStore::unreadableKey, "looked at and cleared by hand");
        ASSERT_TRUE(store.loosen(1));
        EXPECT_EQ(defaults.value(FarmStore::unreadableKey).toByteArray(),
                  "looked at and cleared by hand")
            << "kept aside once";
    }

    MemoryDefaults readable;
    readable.setValue(FarmStore::defaultsKey, snapshot(2, 9));
    FarmStore store(readable);
    ASSERT_TRUE(store.loosen(0));
    EXPECT_FALSE(readable.value(FarmStore::unreadableKey).isValid());
}

// A farm record of exactly `total` bytes: 500 coins and a padding key nobody reads.
QByteArray paddedRecord(qsizetype total) {
    QByteArray bytes = snapshot(2, 9, 1, 500);
    QByteArray padding = "\"padding\":\"\",";
    padding.insert(11, QByteArray(total - bytes.size() - padding.size(), ' '));
    return bytes.insert(1, padding);
}

TEST(FarmStore, ARecordPastTheSizeLimitIsNotReadButKeptAsideOnce) {
    MemoryDefaults defaults;
    defaults.setValue(FarmStore::defaultsKey, paddedRecord(FarmStore::recordByteLimit));
    EXPECT_EQ(FarmStore(defaults).coins(), 500);

    const QByteArray oversized = paddedRecord(FarmStore::recordByteLimit + 1);
    defaults.setValue(FarmStore::defaultsKey, oversized);
    FarmStore store(defaults);
    EXPECT_EQ(store.coins(), 0);
    EXPECT_FALSE(defaults.value(FarmStore::unreadableKey).isValid()) << "loading writes nothing";
    ASSERT_TRUE(store.loosen(0));
    EXPECT_EQ(defaults.value(FarmStore::unreadableKey).toByteArray(), oversized);
    EXPECT_LT(defaults.value(FarmStore::defaultsKey).toByteArray().size(), 1024);

    defaults.setValue(FarmStore::unreadableKey, "looked at and cleared by hand");
    ASSERT_TRUE(store.loosen(1));
    EXPECT_EQ(defaults.value(FarmStore::unreadableKey).toByteArray(),
              "looked at and cleared by hand");
}

TEST(FarmStore, ActionsFollowThePlotsStates) {
    MemoryDefaults defaults;
    FarmStore farm(defaults);
    EXPECT_FALSE(farm.sow(FarmCrop::radish, 0, now)) << "untilled";
    EXPECT_FALSE(defaults.value(FarmStore::defaultsKey).isValid());
    EXPECT_TRUE(farm.loosen(0));
    EXPECT_TRUE(defaults.value(FarmStore::defaultsKey).isValid()) << "saved at once";
    EXPECT_FALSE(farm.loosen(0));
    EXPECT_FALSE(farm.loosen(9));
    EXPECT_FALSE(farm.loosen(-1));

    ASSERT_TRUE(farm.sow(FarmCrop::radish, 0, now.addSecs(-100)));
    EXPECT_FALSE(farm.loosen(0)) << "holds a crop";
    EXPECT_FALSE(farm.sow(FarmCrop::corn, 0, now));
    EXPECT_DOUBLE_EQ(farm.plots()[0].progress(now), 100.0 / 300);
    ASSERT_TRUE(farm.water(0, now));
    EXPECT_DOUBLE_EQ(farm.plots()[0].progress(now), 100.0 / 240);
    EXPECT_FALSE(farm.water(0, now)) << "once per sowing";
    EXPECT_FALSE(farm.harvest(0, now, 0.5)) << "still growing";

    const QDateTime ripe = now.addSecs(140);
    EXPECT_EQ(farm.harvest(0, ripe, 0.1499), (FarmHarvestResult{FarmCrop::radish, 5, 2}));
    EXPECT_EQ(farm.coins(), 10);
    EXPECT_EQ(farm.plots()[0], (FarmPlot{.id = 0, .tilled = true}));
    ASSERT_TRUE(farm.sow(FarmCrop::radish, 0, now)) << "no loosening needed after a harvest";
    EXPECT_FALSE(farm.water(0, now.addSecs(300))) << "mature";
    EXPECT_EQ(farm.harvest(0, now.addSecs(300), 0.15), (FarmHarvestResult{FarmCrop::radish, 5, 1}));
    EXPECT_EQ(farm.coins(), 15);
    EXPECT_FALSE(farm.harvest(1, now, 0)) << "empty plot";

    FarmStore again(defaults);
    EXPECT_EQ(again.coins(), 15);
    EXPECT_EQ(again.plots(), farm.plots());
}

TEST(FarmStore, CountdownTexts) {
    MemoryDefaults defaults;
    FarmStore farm(defaults);
    farm.loosen(0);
    farm.sow(FarmCrop::watermelon, 0, now);
    const QDateTime mature = now.addSecs(7200);
    const auto left = [&](double seconds) {
        return farm.countdown(0, mature.addMSecs(-std::llround(seconds * 1000))).value_or("(none)");
    };
    EXPECT_EQ(left(0.2), QStringLiteral("还要 1 秒"));
    EXPECT_EQ(left(0), QStringLiteral("可以收获了"));
    EXPECT_EQ(left(-5), QStringLiteral("可以收获了"));
    EXPECT_EQ(left(12), QStringLiteral("还要 12 秒"));
    EXPECT_EQ(left(61), QStringLiteral("还要 2 分钟"));
    EXPECT_EQ(left(3599), QStringLiteral("还要 60 分钟"));
    EXPECT_EQ(left(3600), QStringLiteral("还要 1 小时"));
    EXPECT_EQ(left(3659), QStringLiteral("还要 1 小时"));
    EXPECT_EQ(left(3660), QStringLiteral("还要 1 小时 1 分钟"));
    EXPECT_EQ(left(5400), QStringLiteral("还要 1 小时 30 分钟"));
    EXPECT_FALSE(farm.countdown(1, now));
    EXPECT_FALSE(farm.countdown(9, now));
}

TEST(FarmStore, ScaleBalanceAndTheRedrawKey) {
    MemoryDefaults defaults;
    FarmStore farm(defaults);
    farm.setScale(2);
    EXPECT_EQ(farm.scale(), 1.2);
    defaults.remove(FarmStore::defaultsKey);
    farm.setScale(1.5);
    EXPECT_FALSE(defaults.value(FarmStore::defaultsKey).isValid())
        << "an equal value writes nothing";
    farm.setScale(std::nan(""));
    EXPECT_EQ(farm.scale(), 1.2);
    farm.setBalance(FarmBalance::pet);
    EXPECT_TRUE(defaults.value(FarmStore::defaultsKey).toByteArray().contains("\"pet\""));
    defaults.remove(FarmStore::defaultsKey);
    farm.setBalance(FarmBalance::pet);
    EXPECT_FALSE(defaults.value(FarmStore::defaultsKey).isValid());
    farm.setBalance(FarmBalance::balanced);
    farm.setScale(0.85);

    const QDateTime start =
        QDateTime::fromSecsSinceEpoch(1796594400, Qt::UTC);  // a multiple of 5 s
    farm.loosen(0);
    farm.loosen(1);
    farm.sow(FarmCrop::corn, 1, start.addSecs(-700));
    EXPECT_EQ(farm.renderKey(start),
              QStringLiteral("true-0.85-balanced-0-tilled,corn-1-false,empty,empty,empty,"
                             "empty,empty,empty,empty-359318880"));
    EXPECT_EQ(farm.renderKey(start.addSecs(4)), farm.renderKey(start));
    EXPECT_NE(farm.renderKey(start.addSecs(5)), farm.renderKey(start));
    farm.setScale(1.0);
    EXPECT_TRUE(farm.renderKey(start).startsWith(QStringLiteral("true-1.0-balanced-")));
    EXPECT_TRUE(farm.renderKey(start.addSecs(1800 - 700)).contains(QStringLiteral("corn-3-false")));
    // Compared without words: a new step of the clock changes the state but not what it shows;
    // a crop's next stage does.
    EXPECT_EQ(farm.renderState(start.addSecs(4)), farm.renderState(start));
    EXPECT_NE(farm.renderState(start.addSecs(5)), farm.renderState(start));
    EXPECT_TRUE(farm.renderState(start.addSecs(5)).sameContent(farm.renderState(start)));
    EXPECT_FALSE(farm.renderState(start.addSecs(1800 - 700)).sameContent(farm.renderState(start)));
}

TEST(FarmStore, AFailedSaveIsReportedAndTheNextSaveWritesEverythingAgain) {
    FailingDefaults defaults;
    FarmStore farm(defaults);
    const QString failure = QStringLiteral("农场没能保存：磁盘已满");
    EXPECT_EQ(farm.save(), failure);
    EXPECT_TRUE(farm.loosen(0)) << "the farm keeps playing in memory";
    EXPECT_EQ(farm.saveFailure(), failure);
    EXPECT_FALSE(defaults.value(FarmStore::defaultsKey).isValid());

    defaults.failing = false;
    EXPECT_TRUE(farm.loosen(1));
    EXPECT_EQ(farm.saveFailure(), std::nullopt);
    const FarmStore reloaded(defaults);
    EXPECT_TRUE(reloaded.plots()[0].tilled) << "the change the failed save held is written too";
    EXPECT_TRUE(reloaded.plots()[1].tilled);
    EXPECT_EQ(farm.save(), std::nullopt);
}

}  // namespace
}  // namespace tundle

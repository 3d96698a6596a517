#include <gtest/gtest.h>

#include <QFileInfo>

#include "core/room/RoomFixture.h"
#include "room/RoomEnvironment.h"
#include "support/FileIO.h"
#include "support/RunUntil.h"
#include "support/TemporaryHome.h"
#include "support/ThrownMessage.h"

namespace tundle {
namespace {

class RoomDraftTest : public test::RoomFixture {};

TEST_F(RoomDraftTest, ApplyingAdoptsTheDraftsWeatherOnlyForItsPlace) {
    setRoom(RoomMode::weather, test::beijing());
    auto room = make();
    room->setVisible(true);
    auto draft = room->makeDraft();
    draft->setVisible(true);
    provider->pending.back()(weather(test::beijing()));
    ASSERT_TRUE(draft->snapshot());
    EXPECT_FALSE(QFileInfo::exists(cache())) << "a draft writes no cache";

    int writes = 0;
    QObject::connect(&store, &ConfigurationStore::valueChanged, [&] { ++writes; });
    room->applyDraft(*draft, false);
    EXPECT_EQ(writes, 0);
    EXPECT_FALSE(room->busy()) << "the request in flight was abandoned and none is due";
    ASSERT_TRUE(room->snapshot());
    EXPECT_EQ(test::readAll(cache()), weather(test::beijing()).encoded());

    draft->update([](RoomPreferences& p) { p.location = test::shanghai(); });
    for (const WeatherLocation& cached : {test::beijing(), test::shanghai()}) {
        setRoom(RoomMode::weather, test::beijing());
        FileIO::writeAtomically(cache(), weather(cached).encoded());
        room->applyDraft(*draft, false);
        EXPECT_EQ(room->snapshot().has_value(), cached == test::shanghai());
    }

    room->applyDraft(*draft, true);
    EXPECT_FALSE(room->snapshot());
    EXPECT_FALSE(QFileInfo::exists(cache()));
    EXPECT_TRUE(room->busy()) << "the visible room asks again at once";

    const QString invalid = QStringLiteral("房间设置草稿无效");
    EXPECT_EQ(test::thrownMessage([&] { room->applyDraft(*make(), false); }), invalid);
    EXPECT_EQ(test::thrownMessage([&] { draft->applyDraft(*draft, false); }), invalid);
}

TEST_F(RoomDraftTest, AFixTakenInTheDraftCountsAsRecent) {
    setRoom(RoomMode::weather, std::nullopt, true);
    auto room = make();
    auto draft = room->makeDraft();
    draft->locate();
    source->updated({LocationFix{30.26, 120.19, 3000, now}});
    ASSERT_TRUE(test::runUntil([&] { return !draft->locating(); }));
    EXPECT_FALSE(store.value().device.room->location);

    now = now.addSecs(600);
    room->applyDraft(*draft, false);
    EXPECT_EQ(room->lastLocationAt(), now.addSecs(-600));
    room->setVisible(true);
    EXPECT_FALSE(room->locating());
}

TEST_F(RoomDraftTest, SummaryForEachMode) {
    WeatherSnapshot unobserved = weather(test::beijing());
    unobserved.observedAt.reset();
    unobserved.fetchedAt = now.addSecs(-2400);
    const struct {
        RoomMode mode;
        std::optional<WeatherSnapshot> cached;
        QString summary;
    } cases[] = {
        {RoomMode::fixed, std::nullopt, QStringLiteral("预览 · 雨天 · 黄昏")},
        {RoomMode::daylight, std::nullopt, QStringLiteral("白天 · 本地昼夜")},
        {RoomMode::weather, weather(test::beijing()), QStringLiteral("北京 · 雨天 · 观测于 16:29")},
        {RoomMode::weather, weather(test::beijing(), 60, true),
         QStringLiteral("北京 · 雨天 · 观测于 16:29 缓存")},
        {RoomMode::weather, unobserved, QStringLiteral("北京 · 雨天 · 获取于 15:50 缓存")},
        {RoomMode::weather, weather(test::beijing(), 7 * 3600), QStringLiteral("白天 · 本地昼夜")},
    };
    for (const auto& c : cases) {
        QFile::remove(cache());
        if (c.cached) {
            FileIO::writeAtomically(cache(), c.cached->encoded());
        }
        store.update([&](UserConfiguration& configuration) {
            configuration.device.room = RoomPreferences{
                .mode = c.mode,
                .fixedWeather = RoomWeather::rain,
                .fixedPhase = RoomPhase::dusk,
                .location =
                    c.mode == RoomMode::weather ? std::optional(test::beijing()) : std::nullopt};
        });
        EXPECT_EQ(
            make()->weatherSummary(QLocale(QLocale::Chinese, QLocale::China), QTimeZone(8 * 3600)),
            c.summary);
    }
}

}  // namespace
}  // namespace tundle

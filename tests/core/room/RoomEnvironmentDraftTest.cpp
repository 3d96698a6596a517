#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>

#include "core/room/RoomFixture.h"
#include "room/RoomEnvironment.h"
#include "support/FileIO.h"
#include "support/RunUntil.h"
#include "support/TemporaryHome.h"
#include "support/ThrownMessage.h"

namespace tundle {
namespace {

class RoomDraftTest : public test::RoomFixture {
protected:
    // A draft on screen that fetched the weather of its place.
    std::unique_ptr<RoomEnvironment> draftWithWeather(const RoomEnvironment& room) {
        auto draft = room.makeDraft();
        draft->setVisible(true);
        WeatherDone done = std::move(provider->pending.back());
        provider->pending.pop_back();
        done(weather(*draft->preferences().location));
        return draft;
    }
};

TEST_F(RoomDraftTest, ApplyingUnchangedSettingsStillAdoptsTheDraftsWeather) {
    setRoom(RoomMode::weather, test::beijing());
    auto room = make();
    room->setVisible(true);
    ASSERT_TRUE(room->busy());
    auto draft = draftWithWeather(*room);
    EXPECT_FALSE(QFileInfo::exists(cache())) << "a draft writes no cache";
    EXPECT_FALSE(room->snapshot());

    int writes = 0;
    QObject::connect(&store, &ConfigurationStore::valueChanged, [&] { ++writes; });
    now = now.addSecs(60);
    const std::size_t asked = provider->asked.size();
    room->applyDraft(*draft, false);
    EXPECT_EQ(writes, 0);
    EXPECT_FALSE(room->busy()) << "the request in flight was abandoned";
    ASSERT_TRUE(room->snapshot());
    EXPECT_EQ(room->snapshot()->encoded(), draft->snapshot()->encoded());
    EXPECT_EQ(test::readAll(cache()), draft->snapshot()->encoded());
    EXPECT_EQ(room->now(), now);
    EXPECT_EQ(provider->asked.size(), asked) << "the adopted record is fresh";

    draft->endEditing();
    EXPECT_FALSE(draft->isVisible());
}

TEST_F(RoomDraftTest, ClearingTheCacheLeavesTheRoomToAskAgain) {
    setRoom(RoomMode::weather, test::beijing());
    FileIO::writeAtomically(cache(), weather(test::beijing()).encoded());
    auto room = make();
    ASSERT_TRUE(room->snapshot());
    auto draft = room->makeDraft();
    ASSERT_TRUE(draft->snapshot());
    room->applyDraft(*draft, true);
    EXPECT_FALSE(room->snapshot());
    EXPECT_FALSE(QFileInfo::exists(cache()));
    const std::size_t asked = provider->asked.size();
    room->setVisible(true);
    EXPECT_EQ(provider->asked.size(), asked + 1);
}

TEST_F(RoomDraftTest, WeatherOfAnotherCityIsNotCarriedOver) {
    setRoom(RoomMode::weather, test::beijing());
    auto room = make();
    auto draft = draftWithWeather(*room);
    draft->update([](RoomPreferences& p) { p.motion = RoomMotion::light; });
    EXPECT_TRUE(draft->snapshot()) << "the same place keeps its weather";
    EXPECT_NE(store.value().device.room->motion, RoomMotion::light);
    draft->update([](RoomPreferences& p) { p.location = test::shanghai(); });
    EXPECT_FALSE(draft->snapshot());

    for (const WeatherLocation& cached : {test::beijing(), test::shanghai()}) {
        FileIO::writeAtomically(cache(), weather(cached).encoded());
        setRoom(RoomMode::weather, test::beijing());
        room->applyDraft(*draft, false);
        EXPECT_EQ(room->preferences().location, test::shanghai());
        EXPECT_EQ(room->snapshot().has_value(), cached == test::shanghai())
            << cached.name.toStdString();
    }
}

TEST_F(RoomDraftTest, AFixTakenInTheDraftCountsAsRecentAfterApplying) {
    setRoom(RoomMode::weather, std::nullopt, true);
    auto room = make();
    auto draft = room->makeDraft();
    draft->locate();
    source->report({LocationFix{
        .latitude = 30.26, .longitude = 120.19, .horizontalAccuracy = 3000, .timestamp = now}});
    ASSERT_TRUE(test::runUntil([&] { return !draft->locating(); }));
    EXPECT_FALSE(store.value().device.room->location) << "the store is not touched by a draft";

    now = now.addSecs(600);
    room->applyDraft(*draft, false);
    EXPECT_EQ(room->lastLocationAt(), now.addSecs(-600));
    EXPECT_EQ(store.value().device.room->location->name, QStringLiteral("本机附近"));
    room->setVisible(true);
    EXPECT_FALSE(room->locating());

    const QString invalid = QStringLiteral("房间设置草稿无效");
    auto other = make();
    EXPECT_EQ(test::thrownMessage<ConfigurationError>([&] { room->applyDraft(*other, false); }),
              invalid);
    EXPECT_EQ(test::thrownMessage<ConfigurationError>([&] { draft->applyDraft(*draft, false); }),
              invalid);
}

TEST_F(RoomDraftTest, SummaryForEachMode) {
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    const QTimeZone shanghaiTime(8 * 3600);
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
        const RoomPreferences room{.mode = c.mode,
                                   .fixedWeather = RoomWeather::rain,
                                   .fixedPhase = RoomPhase::dusk,
                                   .location = c.mode == RoomMode::weather
                                                   ? std::optional(test::beijing())
                                                   : std::nullopt};
        store.update([&](UserConfiguration& configuration) { configuration.device.room = room; });
        EXPECT_EQ(make()->weatherSummary(chinese, shanghaiTime), c.summary);
    }
}

}  // namespace
}  // namespace tundle

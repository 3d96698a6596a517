#include "room/RoomEnvironment.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include "core/room/RoomFixture.h"
#include "support/FileIO.h"
#include "support/TemporaryHome.h"

namespace tundle {
namespace {

const WeatherLocation beijing = test::beijing();
const WeatherLocation shanghai = test::shanghai();

class RoomEnvironmentTest : public test::RoomFixture {};

TEST_F(RoomEnvironmentTest, StatusLinesFollowTheModeAtEachTick) {
    setRoom(RoomMode::fixed, std::nullopt);
    auto room = make();
    EXPECT_EQ(room->status(), QStringLiteral("本地昼夜")) << "no tick has run yet";
    room->tick();
    EXPECT_EQ(room->status(), QStringLiteral("固定氛围"));

    setRoom(RoomMode::weather, std::nullopt);
    EXPECT_EQ(room->preferences().mode, RoomMode::weather);
    EXPECT_EQ(room->status(), QStringLiteral("选择城市后跟随天气"));

    setRoom(RoomMode::weather, beijing);
    EXPECT_EQ(room->status(), QStringLiteral("选择城市后跟随天气"))
        << "hidden: no request, no new text";
    EXPECT_TRUE(provider->asked.empty());

    setRoom(RoomMode::daylight, beijing);
    EXPECT_EQ(room->status(), QStringLiteral("本地昼夜"));

    for (const bool network : {true, false}) {
        setRoom(RoomMode::weather, beijing);
        auto offline = make(network, !network);
        offline->tick();
        EXPECT_EQ(offline->status(), QStringLiteral("天气服务尚未配置，使用本地昼夜"));
        EXPECT_FALSE(offline->hasProvider());
        setRoom(RoomMode::daylight, std::nullopt);
    }
}

TEST_F(RoomEnvironmentTest, TheRoomIsOnScreenWhileAnyViewIs) {
    setRoom(RoomMode::daylight, std::nullopt);
    auto room = make();
    const int farm = 0;
    const int home = 0;
    room->reportView(&farm, true);
    room->reportView(&home, true);
    EXPECT_TRUE(room->isVisible());
    room->reportView(&home, false);
    EXPECT_TRUE(room->isVisible()) << "leaving the home page keeps the farm's weather";
    room->reportView(&home, false);
    EXPECT_TRUE(room->isVisible());
    room->reportView(&farm, false);
    EXPECT_FALSE(room->isVisible());
    room->reportView(&home, true);
    EXPECT_TRUE(room->isVisible());
}

TEST_F(RoomEnvironmentTest, ShowingTicksOnceAndStartsTheClock) {
    setRoom(RoomMode::weather, beijing);
    auto room = make();
    int ticks = 0;
    QObject::connect(room.get(), &RoomEnvironment::nowChanged, [&] { ++ticks; });
    room->setVisible(true);
    room->setVisible(true);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(provider->asked.size(), 1u);
    EXPECT_TRUE(room->busy());

    room->setVisible(false);
    EXPECT_FALSE(room->busy());
    provider->answer(weather(beijing));
    EXPECT_FALSE(room->snapshot()) << "an answer after hiding is dropped";
    room->setVisible(false);
    EXPECT_FALSE(room->isVisible());
}

TEST_F(RoomEnvironmentTest, AnswersSetTheStatusTheCacheAndTheNextAttempt) {
    setRoom(RoomMode::weather, beijing);
    auto room = make();
    room->setVisible(true);
    provider->answer(weather(beijing));
    EXPECT_EQ(room->status(), QStringLiteral("天气已更新"));
    EXPECT_EQ(room->atmosphere().weather, RoomWeather::rain);
    EXPECT_EQ(WeatherSnapshot::decode(test::readAll(cache())).encoded(),
              weather(beijing).encoded());

    // Fresh: nothing is asked until the record is 1800 s old.
    now = now.addSecs(1799);
    room->tick();
    EXPECT_EQ(provider->asked.size(), 1u);
    now = now.addSecs(1);
    room->tick();
    ASSERT_EQ(provider->asked.size(), 2u);
    provider->answer(weather(beijing, 60, true));
    EXPECT_EQ(room->status(), QStringLiteral("缓存天气"));
    now = now.addSecs(299);
    room->tick();
    EXPECT_EQ(provider->asked.size(), 2u);
    now = now.addSecs(1);
    room->tick();
    ASSERT_EQ(provider->asked.size(), 3u);

    // Valid but seven hours old: shown as expired, yet kept in the cache.
    provider->answer(weather(beijing, 7 * 3600));
    EXPECT_FALSE(room->snapshot());
    EXPECT_EQ(room->status(), QStringLiteral("天气已过期，使用本地昼夜"));
    EXPECT_EQ(WeatherSnapshot::decode(test::readAll(cache())).observedAt, now.addSecs(-7 * 3600));
}

TEST_F(RoomEnvironmentTest, FailuresBackOffUpToHalfAnHour) {
    setRoom(RoomMode::weather, beijing);
    auto room = make();
    room->setVisible(true);
    for (const qint64 wait : {120, 240, 480, 960, 1800, 1800}) {
        const std::size_t asked = provider->asked.size();
        provider->fail();
        EXPECT_EQ(room->status(), QStringLiteral("天气暂不可用，使用缓存或本地昼夜"));
        EXPECT_FALSE(room->busy());
        now = now.addSecs(wait - 1);
        room->tick();
        EXPECT_EQ(provider->asked.size(), asked) << wait;
        now = now.addSecs(1);
        room->tick();
        EXPECT_EQ(provider->asked.size(), asked + 1) << wait;
    }
    provider->answer(weather(beijing));
    EXPECT_EQ(room->status(), QStringLiteral("天气已更新"));
    // A record of another place fails like the network does and leaves the shown record alone.
    now = now.addSecs(1800);
    room->tick();
    provider->answer(weather(shanghai));
    EXPECT_EQ(room->status(), QStringLiteral("天气暂不可用，使用缓存或本地昼夜"));
    EXPECT_TRUE(room->snapshot());
}

TEST_F(RoomEnvironmentTest, ChangingThePlaceAbandonsTheRequestInFlight) {
    setRoom(RoomMode::weather, beijing);
    auto room = make();
    room->setVisible(true);
    ASSERT_TRUE(room->busy());
    setRoom(RoomMode::weather, shanghai);
    ASSERT_EQ(provider->asked.size(), 2u) << "the new place is asked for at once";
    EXPECT_EQ(provider->asked[1], shanghai);
    provider->answer(weather(beijing));
    EXPECT_FALSE(room->snapshot());
    EXPECT_TRUE(room->busy()) << "the late answer does not end the new request";
    provider->answer(weather(shanghai));
    EXPECT_EQ(room->snapshot()->locationKey, shanghai.key());
}

TEST_F(RoomEnvironmentTest, TheCacheIsUsedOnlyForTheSamePlaceAndWithinItsLimit) {
    FileIO::writeAtomically(cache(), weather(beijing).encoded());
    setRoom(RoomMode::weather, shanghai);
    auto elsewhere = make(false);
    EXPECT_FALSE(elsewhere->snapshot());

    setRoom(RoomMode::weather, beijing);
    EXPECT_TRUE(elsewhere->snapshot()) << "the cache fits the new place";
    auto offline = make(false);
    ASSERT_TRUE(offline->snapshot());
    offline->tick();
    EXPECT_EQ(offline->atmosphere().weather, RoomWeather::rain);

    QByteArray padded = weather(beijing).encoded();
    padded.append(QByteArray(16385 - padded.size(), ' '));
    FileIO::writeAtomically(cache(), padded);
    EXPECT_FALSE(make(false)->snapshot());

    offline->clearCache();
    EXPECT_FALSE(offline->snapshot());
    EXPECT_FALSE(QFileInfo::exists(cache()));
    EXPECT_EQ(offline->status(), QStringLiteral("天气服务尚未配置，使用本地昼夜"));
}

TEST_F(RoomEnvironmentTest, ATickDropsARecordThatIsNoLongerUsable) {
    setRoom(RoomMode::weather, beijing);
    auto room = make();
    room->setVisible(true);
    provider->answer(weather(beijing));
    now = now.addSecs(21600);
    room->tick();
    EXPECT_FALSE(room->snapshot());
    EXPECT_EQ(room->status(), QStringLiteral("天气已过期，使用本地昼夜"))
        << "kept while the new request runs";
    EXPECT_TRUE(room->busy());
}

TEST_F(RoomEnvironmentTest, UpdatesGoThroughTheStore) {
    auto room = make();
    int changes = 0;
    QObject::connect(&store, &ConfigurationStore::valueChanged, [&] { ++changes; });
    room->update([](RoomPreferences& p) { p.mode = RoomMode::daylight; });
    EXPECT_EQ(changes, 0) << "an unchanged room writes nothing";
    room->update([](RoomPreferences& p) { p.motion = RoomMotion::off; });
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(store.value().device.room->motion, RoomMotion::off);
    EXPECT_EQ(room->preferences().motion, RoomMotion::off);

    int roomChanges = 0;
    QObject::connect(room.get(), &RoomEnvironment::preferencesChanged, [&] { ++roomChanges; });
    store.update([](UserConfiguration& c) { c.preferences.waterMinutes = 30; });
    EXPECT_EQ(roomChanges, 0);

    room->update([](RoomPreferences& p) { p.location = WeatherLocation{QString(), 0, 0}; });
    EXPECT_EQ(room->status(), QStringLiteral("天气位置无效。"));
    EXPECT_FALSE(room->preferences().location);
}

TEST_F(RoomEnvironmentTest, InstallingAndRemovingADownloadedScene) {
    auto room = make();
    EXPECT_FALSE(room->sceneRoot()) << "no built-in pack in the test's folders";
    RoomSceneDefinition definition{.title = QStringLiteral("阁楼"), .width = 256, .height = 256};
    room->installScene(QStringLiteral("/downloaded/cozy-room"), definition);
    EXPECT_EQ(room->sceneRoot(), QStringLiteral("/downloaded/cozy-room"));
    room->installScene(std::nullopt, std::nullopt);
    EXPECT_EQ(room->sceneRoot(), QStringLiteral("/downloaded/cozy-room"))
        << "nothing to go back to";
    room->installScene(QStringLiteral("/somewhere"), std::nullopt);
    EXPECT_EQ(room->scene()->title, QStringLiteral("阁楼"));
}

}  // namespace
}  // namespace tundle

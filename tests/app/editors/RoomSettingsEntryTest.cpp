#include "editors/RoomSettingsEntry.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "core/room/RoomFixture.h"
#include "toolkit/StyledButton.h"

namespace tundle {
namespace {

class RoomSettingsEntryTest : public test::RoomFixture {};

const WeatherLocation beijing = test::beijing();

TEST_F(RoomSettingsEntryTest, FixedAndDaylightModesNameTheirLook) {
    store.update([](UserConfiguration& c) {
        c.device.room = RoomPreferences{.mode = RoomMode::fixed,
                                        .fixedWeather = RoomWeather::cloudy,
                                        .fixedPhase = RoomPhase::dusk};
    });
    auto room = make();
    EXPECT_EQ(RoomSettingsEntry::summary(*room), QStringLiteral("阴天 · 黄昏"));
    store.update([](UserConfiguration& c) { c.device.room->fixedWeather = RoomWeather::storm; });
    EXPECT_EQ(RoomSettingsEntry::summary(*room), QStringLiteral("雷雨天 · 黄昏"));

    setRoom(RoomMode::daylight, std::nullopt);
    EXPECT_EQ(RoomSettingsEntry::summary(*room),
              QStringLiteral("随昼夜 · ") + title(room->atmosphere().phase));
}

TEST_F(RoomSettingsEntryTest, WeatherModeFollowsTheSnapshotOnTheRoomsClock) {
    setRoom(RoomMode::weather, std::nullopt);
    auto room = make();
    room->setVisible(true);
    EXPECT_EQ(RoomSettingsEntry::summary(*room), QStringLiteral("未选择城市"));

    setRoom(RoomMode::weather, beijing);
    room->tick();
    ASSERT_TRUE(room->busy());
    EXPECT_EQ(RoomSettingsEntry::summary(*room), QStringLiteral("正在获取天气…"));
    provider->answer(weather(beijing));
    EXPECT_EQ(RoomSettingsEntry::summary(*room), beijing.name + QStringLiteral(" · 雨天"));

    // Still usable but no longer fresh: the room's clock decides, not the wall clock.
    now = now.addSecs(1900);
    EXPECT_EQ(RoomSettingsEntry::summary(*room), beijing.name + QStringLiteral(" · 雨天"));
    room->tick();
    EXPECT_EQ(RoomSettingsEntry::summary(*room), beijing.name + QStringLiteral(" · 雨天 · 缓存"));

    room->setVisible(false);
    now = now.addSecs(21600);
    room->tick();
    EXPECT_FALSE(room->busy());
    EXPECT_EQ(RoomSettingsEntry::summary(*room), QStringLiteral("天气暂不可用"));
}

TEST_F(RoomSettingsEntryTest, BothButtonsOnlyOpenTheSettings) {
    setRoom(RoomMode::weather,
            WeatherLocation{.name = QString(40, QChar(0x957F)), .latitude = 30, .longitude = 120});
    auto room = make();
    int opened = 0;
    RoomSettingsEntry entry(*room, [&] { ++opened; });
    entry.resize(300, 60);
    entry.summaryButton().click();
    entry.settingsButton().click();
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(room->preferences().location->name, QString(40, QChar(0x957F)));
    EXPECT_EQ(entry.summaryButton().accessibleName(), QStringLiteral("房间设置，天气暂不可用"));
    EXPECT_EQ(entry.settingsButton().accessibleName(), QStringLiteral("房间设置"));
}

TEST_F(RoomSettingsEntryTest, ALongLineIsCutInTheMiddleAndTheSettingsButtonKeepsItsSize) {
    store.update(
        [](UserConfiguration& c) { c.device.room = RoomPreferences{.mode = RoomMode::fixed}; });
    auto room = make();
    QWidget page;
    page.resize(400, 100);
    RoomSettingsEntry entry(
        *room, [] {}, &page);
    entry.setGeometry(0, 0, 240, 60);
    page.show();
    QCoreApplication::processEvents();
    const QString full = RoomSettingsEntry::summary(*room);
    EXPECT_EQ(entry.summaryButton().text(), full);
    entry.setGeometry(0, 0, 175, 60);
    QCoreApplication::processEvents();
    EXPECT_NE(entry.summaryButton().text(), full);
    EXPECT_TRUE(entry.summaryButton().text().contains(QChar(0x2026)));
    EXPECT_EQ(entry.settingsButton().size(), entry.settingsButton().sizeHint());
}

}  // namespace
}  // namespace tundle

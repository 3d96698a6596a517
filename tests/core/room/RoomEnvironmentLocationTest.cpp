#include <gtest/gtest.h>

#include <QCoreApplication>

#include "core/room/RoomFixture.h"
#include "room/RoomEnvironment.h"
#include "support/RunUntil.h"

namespace tundle {
namespace {

using namespace std::chrono_literals;

class RoomLocationTest : public test::RoomFixture {
protected:
    void report(double accuracy, qint64 age) {
        source->updated({LocationFix{31.2345, 121.4567, accuracy, now.addSecs(-age)}});
        QCoreApplication::processEvents();
    }
};

TEST_F(RoomLocationTest, PermissionDecidesWhetherLocatingStarts) {
    using enum LocationAuthorization;
    const struct {
        bool on;
        LocationAuthorization permission;
        bool starts;
    } cases[] = {{true, notDetermined, true},
                 {true, authorizedAlways, true},
                 {true, denied, false},
                 {true, restricted, false},
                 {false, authorizedAlways, false}};
    for (const auto& c : cases) {
        servicesOn = c.on;
        permission = c.permission;
        auto room = make();
        room->locate();
        EXPECT_EQ(source->updating, c.starts) << int(c.permission);
        EXPECT_EQ(room->status(), c.starts ? QStringLiteral("正在获取大致位置…")
                                           : QStringLiteral("定位未授权，请手动选择城市"));
    }
}

TEST_F(RoomLocationTest, OnlyACloseRecentFixInTimeIsTaken) {
    const struct {
        double accuracy;
        qint64 age;
        bool taken;
    } cases[] = {{15000, 0, true}, {15000.1, 0, false}, {100, 299, true}, {100, 300, false}};
    for (const auto& c : cases) {
        setRoom(RoomMode::weather, std::nullopt);
        auto room = make();
        room->locate();
        report(c.accuracy, c.age);
        EXPECT_EQ(room->locating(), !c.taken) << c.accuracy << " m, " << c.age << " s";
        const WeatherLocation nearby{QStringLiteral("本机附近"), 31.2, 121.5};
        EXPECT_EQ(room->preferences().location, c.taken ? std::optional(nearby) : std::nullopt);
        EXPECT_EQ(room->preferences().usesDeviceLocation, c.taken);
    }

    setRoom(RoomMode::weather, std::nullopt);
    patience = 20ms;
    auto room = make();
    room->locate();
    ASSERT_TRUE(test::runUntil([&] { return !room->locating(); }));
    EXPECT_EQ(room->status(), QStringLiteral("定位超时，请手动选择城市"));
    EXPECT_FALSE(source->updating);
    report(100, 0);
    EXPECT_FALSE(room->preferences().location) << "a fix after the time-out is dropped";
}

TEST_F(RoomLocationTest, ALateFixAfterAChosenCityChangesNothing) {
    const WeatherLocation beijing = test::beijing();
    for (const bool sameCity : {false, true}) {
        setRoom(RoomMode::weather, sameCity ? std::optional(beijing) : std::nullopt);
        auto room = make();
        room->locate();
        ASSERT_TRUE(room->locating());
        room->selectCity(beijing);
        EXPECT_FALSE(room->locating());
        EXPECT_FALSE(source->updating);
        report(100, 0);
        EXPECT_EQ(room->preferences().location, beijing) << sameCity;
        EXPECT_FALSE(room->preferences().usesDeviceLocation);

        auto draft = room->makeDraft();
        draft->locate();
        ASSERT_TRUE(draft->locating());
        draft->selectCity(beijing);
        report(100, 0);
        EXPECT_EQ(draft->preferences().location, beijing);
        EXPECT_FALSE(draft->locating());
    }
}

TEST_F(RoomLocationTest, SearchTrimsLimitsAndDeduplicates) {
    auto room = make();
    const QString longest(80, u'深');
    for (const QString& text : {longest + u'圳', QStringLiteral("\u3000 上海\n"), longest}) {
        room->searchCity(text);
    }
    EXPECT_EQ(geocoder->addresses, (QStringList{QStringLiteral("上海"), longest}));

    using Coordinate = Placemark::Coordinate;
    geocoder->pending[1](std::vector<Placemark>{
        {Coordinate{31.21, 121.46}, QStringLiteral("上海"), QStringLiteral("黄浦")},
        {Coordinate{31.24, 121.5}, QStringLiteral("上海市")},
        {std::nullopt, QStringLiteral("无坐标")},
        {Coordinate{31.0, 121.8}, std::nullopt, QStringLiteral("浦东机场")},
        {Coordinate{31.3, 121.9}}});
    EXPECT_EQ(room->searchResults(),
              (std::vector<WeatherLocation>{{QStringLiteral("上海"), 31.2, 121.5},
                                            {QStringLiteral("浦东机场"), 31.0, 121.8},
                                            {longest.left(60), 31.3, 121.9}}));
    EXPECT_FALSE(room->searching());
}

TEST_F(RoomLocationTest, OnlyTheCurrentSearchIsApplied) {
    auto room = make();
    room->searchCity(QStringLiteral("北京"));
    room->cancelCitySearch();
    room->searchCity(QStringLiteral("上海"));
    const auto found = [](double latitude) {
        return std::vector<Placemark>{{Placemark::Coordinate{latitude, 120}}};
    };
    geocoder->pending[0](found(39.9));
    EXPECT_TRUE(room->searchResults().empty());
    EXPECT_TRUE(room->searching());
    geocoder->pending[1](found(31.2));
    EXPECT_EQ(room->searchResults(),
              (std::vector{WeatherLocation{QStringLiteral("上海"), 31.2, 120}}));
    EXPECT_FALSE(room->searching());

    // A geocoder that never answers gives up with the ordinary failure.
    patience = 20ms;
    auto patient = make();
    patient->searchCity(QStringLiteral("上海"));
    ASSERT_TRUE(test::runUntil([&] { return !patient->searching(); }));
    EXPECT_EQ(patient->status(), QStringLiteral("城市查询暂不可用，可选择常用城市"));
}

}  // namespace
}  // namespace tundle

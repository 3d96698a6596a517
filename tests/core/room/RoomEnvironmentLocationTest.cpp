#include <gtest/gtest.h>

#include <QCoreApplication>

#include "core/room/RoomFixture.h"
#include "room/RoomEnvironment.h"
#include "support/RunUntil.h"

namespace tundle {
namespace {

using namespace std::chrono_literals;

const QString notAllowed = QStringLiteral("定位未授权，请手动选择城市");
const QString asking = QStringLiteral("正在获取大致位置…");

class RoomLocationTest : public test::RoomFixture {
protected:
    LocationFix fix(double accuracy, qint64 age) const {
        return LocationFix{.latitude = 31.2345,
                           .longitude = 121.4567,
                           .horizontalAccuracy = accuracy,
                           .timestamp = now.addSecs(-age)};
    }
};

TEST_F(RoomLocationTest, PermissionDecidesWhetherLocatingStarts) {
    using enum LocationAuthorization;
    const struct {
        bool enabled;
        LocationAuthorization permission;
        bool starts;
    } cases[] = {
        {true, notDetermined, true}, {true, authorizedAlways, true},   {true, denied, false},
        {true, restricted, false},   {false, authorizedAlways, false},
    };
    for (const auto& c : cases) {
        servicesOn = c.enabled;
        permission = c.permission;
        auto room = make();
        room->locate();
        EXPECT_EQ(room->locating(), c.starts) << int(c.permission);
        EXPECT_EQ(source->starts, c.starts ? 1 : 0);
        EXPECT_EQ(room->status(), c.starts ? asking : notAllowed);
        room->locate();
        EXPECT_EQ(source->starts, c.starts ? 1 : 0) << "a running request is not started again";
    }

    RoomEnvironment::Options sourceless = options();
    sourceless.locationSource = nullptr;
    auto withoutSource = std::make_unique<RoomEnvironment>(store, std::move(sourceless));
    withoutSource->locate();
    EXPECT_EQ(withoutSource->status(), notAllowed);

    source = nullptr;
    auto offline = make(false);
    offline->locate();
    EXPECT_FALSE(source) << "nothing is made with networking off";
    EXPECT_EQ(offline->status(), QStringLiteral("本地昼夜"));
}

TEST_F(RoomLocationTest, ShowingTheRoomLocatesOnlyWithPermissionAndAnOldFix) {
    setRoom(RoomMode::weather, std::nullopt, true);
    permission = LocationAuthorization::notDetermined;
    auto undecided = make();
    undecided->setVisible(true);
    EXPECT_FALSE(undecided->locating()) << "showing never asks for a permission";

    permission = LocationAuthorization::authorizedAlways;
    auto room = make();
    room->setVisible(true);
    ASSERT_TRUE(room->locating());
    source->report({fix(100, 0)});
    ASSERT_TRUE(test::runUntil([&] { return !room->locating(); }));
    EXPECT_EQ(room->lastLocationAt(), now);

    for (const auto& [later, asks] : {std::pair{21600, false}, std::pair{21601, true}}) {
        room->setVisible(false);
        now = room->lastLocationAt().addSecs(later);
        room->setVisible(true);
        EXPECT_EQ(room->locating(), asks) << later;
    }
    room->setVisible(false);
    EXPECT_FALSE(room->locating());
    EXPECT_FALSE(source->updating);
}

TEST_F(RoomLocationTest, OnlyACloseAndRecentFixIsTaken) {
    const struct {
        std::vector<LocationFix> fixes;
        bool taken;
    } cases[] = {
        {{fix(15000, 0)}, true},
        {{fix(15000.1, 0)}, false},
        {{fix(-1, 0)}, false},
        {{fix(100, 299)}, true},
        {{fix(100, 300)}, false},
        {{fix(100, -299)}, true},
        {{fix(100, 0), fix(20000, 0)}, false},
        {{fix(20000, 0), fix(100, 0)}, true},
        {{}, false},
    };
    for (const auto& c : cases) {
        setRoom(RoomMode::weather, std::nullopt);
        auto room = make();
        room->locate();
        source->report(c.fixes);
        QCoreApplication::processEvents();
        EXPECT_EQ(room->locating(), !c.taken) << c.fixes.size();
        if (c.taken) {
            EXPECT_FALSE(source->updating);
            EXPECT_EQ(room->preferences().location,
                      (WeatherLocation{QStringLiteral("本机附近"), 31.2, 121.5}));
            EXPECT_TRUE(room->preferences().usesDeviceLocation);
            EXPECT_EQ(room->lastLocationAt(), now);
        } else {
            EXPECT_FALSE(room->preferences().location);
        }
    }
}

TEST_F(RoomLocationTest, ATimeOutOrAFailureEndsLocatingAndLateFixesAreDropped) {
    patience = 20ms;
    auto room = make();
    room->locate();
    ASSERT_TRUE(test::runUntil([&] { return !room->locating(); }));
    EXPECT_EQ(room->status(), QStringLiteral("定位超时，请手动选择城市"));
    EXPECT_FALSE(source->updating);
    source->report({fix(100, 0)});
    QCoreApplication::processEvents();
    EXPECT_FALSE(room->preferences().location) << "the fix came after the time-out";

    patience = 20s;
    auto failing = make();
    failing->locate();
    source->fail();
    QCoreApplication::processEvents();
    EXPECT_FALSE(failing->locating());
    EXPECT_FALSE(source->updating);
    EXPECT_EQ(failing->status(), QStringLiteral("暂时无法定位，请手动选择城市"));
    source->fail();
    failing->tick();
    QCoreApplication::processEvents();
    EXPECT_EQ(failing->status(), QStringLiteral("本地昼夜")) << "a failure while idle says nothing";
}

TEST_F(RoomLocationTest, SearchTrimsTheTextAndKeepsItsLengthLimit) {
    auto room = make();
    room->searchCity(QStringLiteral("\u3000 北京\n"));
    ASSERT_EQ(geocoder->addresses, QStringList{QStringLiteral("北京")});
    EXPECT_TRUE(room->searching());

    const QString longest(80, u'深');
    for (const QString& ignored : {longest + u'圳', QStringLiteral(" \n\u3000")}) {
        room->searchCity(ignored);
    }
    EXPECT_EQ(geocoder->addresses.size(), 1);
    room->searchCity(u'\t' + longest);
    EXPECT_EQ(geocoder->addresses.last(), longest);

    auto offline = make(false);
    offline->searchCity(QStringLiteral("上海"));
    EXPECT_TRUE(geocoder->addresses.isEmpty());
    EXPECT_FALSE(offline->searching());
}

TEST_F(RoomLocationTest, SearchResultsAreNamedAndTheFirstOfEachKeyWins) {
    auto room = make();
    room->searchCity(QStringLiteral("浦东"));
    using Coordinate = Placemark::Coordinate;
    geocoder->answer(
        0, std::vector<Placemark>{
               {.location = Coordinate{31.21, 121.46},
                .locality = QStringLiteral("上海"),
                .name = QStringLiteral("浦东新区")},
               {.location = Coordinate{31.24, 121.5}, .locality = QStringLiteral("上海市")},
               {.locality = QStringLiteral("无坐标")},
               {.location = Coordinate{31.0, 121.8}, .name = QStringLiteral("浦东机场")},
               {.location = Coordinate{31.3, 121.9}},
               {.location = Coordinate{95, 121}, .locality = QStringLiteral("极点以外")},
           });
    const std::vector<WeatherLocation> expected{
        {QStringLiteral("上海"), 31.2, 121.5},
        {QStringLiteral("浦东机场"), 31.0, 121.8},
        {QStringLiteral("浦东"), 31.3, 121.9},
    };
    EXPECT_EQ(room->searchResults(), expected);
    EXPECT_FALSE(room->searching());

    room->searchCity(QStringLiteral("无名之地"));
    geocoder->answer(1, std::vector<Placemark>{{.locality = QStringLiteral("无坐标")}});
    EXPECT_TRUE(room->searchResults().empty());
    EXPECT_EQ(room->status(), QStringLiteral("未找到城市，请补充省份或国家后重试"));

    room->searchCity(QStringLiteral("上海"));
    geocoder->answer(2, std::make_exception_ptr(ConfigurationError(QStringLiteral("断网"))));
    EXPECT_TRUE(room->searchResults().empty());
    EXPECT_FALSE(room->searching());
    EXPECT_EQ(room->status(), QStringLiteral("城市查询暂不可用，可选择常用城市"));
}

TEST_F(RoomLocationTest, OnlyTheCurrentSearchIsApplied) {
    auto room = make();
    const std::vector<Placemark> shanghaiFound{
        {.location = Placemark::Coordinate{31.2, 121.5}, .locality = QStringLiteral("上海")}};
    room->searchCity(QStringLiteral("北京"));
    room->cancelCitySearch();
    EXPECT_FALSE(room->searching());
    room->searchCity(QStringLiteral("上海"));
    geocoder->answer(0, std::vector<Placemark>{{.location = Placemark::Coordinate{39.9, 116.4},
                                                .locality = QStringLiteral("北京")}});
    EXPECT_TRUE(room->searchResults().empty());
    EXPECT_TRUE(room->searching());
    geocoder->answer(1, shanghaiFound);
    EXPECT_EQ(room->searchResults(), std::vector{test::shanghai()});
    EXPECT_FALSE(room->searching());

    // A geocoder that never answers gives up with the ordinary failure.
    patience = 20ms;
    auto patient = make();
    patient->searchCity(QStringLiteral("上海"));
    ASSERT_TRUE(test::runUntil([&] { return !patient->searching(); }));
    EXPECT_EQ(patient->status(), QStringLiteral("城市查询暂不可用，可选择常用城市"));
    geocoder->answer(0, shanghaiFound);
    EXPECT_TRUE(patient->searchResults().empty()) << "the late answer is dropped";
}

TEST_F(RoomLocationTest, PickingACityStoresItAndTicks) {
    setRoom(RoomMode::weather, std::nullopt, true);
    auto room = make(true, false);
    room->selectCity(test::beijing());
    EXPECT_EQ(store.value().device.room->location, test::beijing());
    EXPECT_FALSE(store.value().device.room->usesDeviceLocation);
    EXPECT_EQ(room->status(), QStringLiteral("天气服务尚未配置，使用本地昼夜"));
}

}  // namespace
}  // namespace tundle

#include "room/ProxyWeatherProvider.h"

#include <gtest/gtest.h>

#include "support/ConfigurationError.h"
#include "support/JsonReader.h"
#include "support/ThrownMessage.h"

namespace tundle {
namespace {

const QDateTime now(QDate(2026, 3, 1), QTime(8, 30), Qt::UTC);
const WeatherLocation beijing = WeatherLocation::cities()[0];

WeatherSnapshot answerFor(const QString& key) {
    return WeatherSnapshot{.locationKey = key,
                           .condition = RoomWeather::snow,
                           .intensity = 0.4,
                           .fetchedAt = now.addSecs(-60),
                           .isStale = true};
}

// Runs one request against a client that answers with `body` (or fails) and counts its calls.
struct WeatherRequest {
    int calls = 0;
    double latitude = 0;
    double longitude = 0;
    WeatherResult result = std::exception_ptr();

    WeatherRequest(const QString& endpoint, const WeatherLocation& location,
                   ContentFetchResult body) {
        ProxyWeatherProvider provider(
            endpoint,
            [&](double lat, double lon, const ContentFetchDone& done) {
                ++calls;
                latitude = lat;
                longitude = lon;
                done(body);
            },
            [] { return now; });
        provider.current(location, [&](WeatherResult r) { result = std::move(r); });
    }

    QString error() const {
        return test::thrownMessage(
            [&] { std::rethrow_exception(std::get<std::exception_ptr>(result)); });
    }
};

TEST(ProxyWeatherProvider, RefusesUnusableEndpointsAndPlacesWithoutAsking) {
    const QByteArray body = answerFor(beijing.key()).encoded();
    for (const char* endpoint :
         {"http://weather.example/v1", "HTTPS://weather.example/v1", "https:///v1",
          "https://weather.example/v1?city=1", "https://weather.example/v1#x",
          "https://user@weather.example/v1", "https://u:p@weather.example/v1"}) {
        const WeatherRequest run(QString::fromLatin1(endpoint), beijing, body);
        EXPECT_EQ(run.calls, 0) << endpoint;
        EXPECT_EQ(run.error(), QStringLiteral("天气服务地址无效")) << endpoint;
    }
    const WeatherRequest nameless(QStringLiteral("https://weather.example/v1"),
                                  WeatherLocation{QString(), 39.9, 116.4}, body);
    EXPECT_EQ(nameless.calls, 0);
    EXPECT_EQ(nameless.error(), QStringLiteral("天气服务地址无效"));
}

TEST(ProxyWeatherProvider, PassesTheAnswerAsDecodedOrTheFailureUnchanged) {
    const QString endpoint = QStringLiteral("https://weather.example/v1");
    const WeatherSnapshot expected = answerFor(beijing.key());
    const WeatherRequest good(endpoint, beijing,
                              QByteArray(expected.encoded()).replace("{", "{\"extra\":true,"));
    ASSERT_TRUE(std::holds_alternative<WeatherSnapshot>(good.result));
    EXPECT_EQ(std::get<WeatherSnapshot>(good.result).encoded(), expected.encoded());
    EXPECT_EQ(good.latitude, 39.9);
    EXPECT_EQ(good.longitude, 116.4);

    const WeatherRequest failed(
        endpoint, beijing, std::make_exception_ptr(ConfigurationError(QStringLiteral("网络断开"))));
    EXPECT_EQ(failed.error(), QStringLiteral("网络断开"));

    const WeatherRequest hail(endpoint, beijing,
                              QByteArray(expected.encoded()).replace("\"snow\"", "\"hail\""));
    EXPECT_TRUE(hail.error().contains(QStringLiteral("hail")));

    const WeatherRequest elsewhere(endpoint, beijing,
                                   answerFor(QStringLiteral("31.2,121.5")).encoded());
    EXPECT_EQ(elsewhere.error(), QStringLiteral("天气数据无效"));
}

}  // namespace
}  // namespace tundle

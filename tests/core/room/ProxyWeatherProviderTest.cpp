#include "room/ProxyWeatherProvider.h"

#include <gtest/gtest.h>

#include "support/ConfigurationError.h"
#include "support/JsonReader.h"
#include "support/RunUntil.h"
#include "support/ThrownMessage.h"
#include "support/TlsTestServer.h"

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

TEST(ProxyWeatherProvider, AsksTheEndpointOverHttpsWithTheCoordinates) {
    const test::ThrowawayCertificate certificate = test::ThrowawayCertificate::make();
    test::TlsTestServer server(certificate);
    const QByteArray body = answerFor(beijing.key()).encoded();
    server.on("/weather?latitude=39.9&longitude=116.4",
              [&](QSslSocket* socket) { test::TlsTestServer::answerWithLength(socket, body); });
    server.on("/big?latitude=39.9&longitude=116.4", [&](QSslSocket* socket) {
        test::TlsTestServer::answerWithLength(socket, body + QByteArray(16385 - body.size(), ' '));
    });

    const QSslConfiguration system = QSslConfiguration::defaultConfiguration();
    QSslConfiguration::setDefaultConfiguration(certificate.trustingClient());
    const auto ask = [&](const char* path) {
        ProxyWeatherProvider provider(server.url(path), {}, [] { return now; });
        std::optional<WeatherResult> result;
        provider.current(beijing, [&](WeatherResult r) { result = std::move(r); });
        EXPECT_TRUE(test::runUntil([&] { return result.has_value(); }));
        return result.value_or(std::exception_ptr());
    };
    const WeatherResult good = ask("/weather");
    const WeatherResult big = ask("/big");
    QSslConfiguration::setDefaultConfiguration(system);

    ASSERT_TRUE(std::holds_alternative<WeatherSnapshot>(good))
        << test::thrownMessage([&] {
               std::rethrow_exception(std::get<std::exception_ptr>(good));
           }).toStdString()
        << server.requests().value(0).toStdString();
    EXPECT_EQ(std::get<WeatherSnapshot>(good).condition, RoomWeather::snow);
    EXPECT_TRUE(std::holds_alternative<std::exception_ptr>(big))
        << "answers over 16384 bytes are refused";
}

}  // namespace
}  // namespace tundle

#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

#include "content/ContentFetch.h"
#include "room/WeatherProvider.h"

namespace tundle {

// Asks the weather endpoint for one place and checks its answer.
class ProxyWeatherProvider : public WeatherProvider {
public:
    static constexpr qint64 answerLimit = 16384;

    // Asks the endpoint for the weather at a latitude and longitude; gives the answer's body.
    using EndpointClient =
        std::function<void(double latitude, double longitude, const ContentFetchDone& done)>;

    // Without a client, an HTTPS GET of the endpoint with "latitude" and "longitude" added.
    explicit ProxyWeatherProvider(QString endpoint, EndpointClient client = {},
                                  std::function<QDateTime()> clock = {});

    const QString& endpoint() const { return endpoint_; }
    void current(const WeatherLocation& location, WeatherDone done) override;

private:
    bool endpointIsUsable() const;

    QString endpoint_;
    EndpointClient client_;
    std::function<QDateTime()> clock_;
};

}  // namespace tundle

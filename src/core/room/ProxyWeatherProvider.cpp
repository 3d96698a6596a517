#include "room/ProxyWeatherProvider.h"

#include <QLocale>
#include <QUrl>
#include <QUrlQuery>

#include "content/ContentHTTP.h"
#include "support/ConfigurationError.h"

namespace tundle {

namespace {

ProxyWeatherProvider::EndpointClient httpsClient(const QString& endpoint) {
    return [endpoint](double latitude, double longitude, const ContentFetchDone& done) {
        QUrl url(endpoint, QUrl::StrictMode);
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("latitude"),
                           QString::number(latitude, 'g', QLocale::FloatingPointShortest));
        query.addQueryItem(QStringLiteral("longitude"),
                           QString::number(longitude, 'g', QLocale::FloatingPointShortest));
        url.setQuery(query);
        ContentHTTP::get(url.toString(QUrl::FullyEncoded), ProxyWeatherProvider::answerLimit, done);
    };
}

}  // namespace

ProxyWeatherProvider::ProxyWeatherProvider(QString endpoint, EndpointClient client,
                                           std::function<QDateTime()> clock)
    : endpoint_(std::move(endpoint)),
      client_(client ? std::move(client) : httpsClient(endpoint_)),
      clock_(clock ? std::move(clock) : [] { return QDateTime::currentDateTimeUtc(); }) {}

bool ProxyWeatherProvider::endpointIsUsable() const {
    // The scheme is checked as written: QUrl would lower-case it.
    if (!endpoint_.startsWith(QStringLiteral("https:"))) {
        return false;
    }
    const QUrl url(endpoint_, QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty() && url.userName().isEmpty() &&
           url.password().isEmpty() && !url.hasQuery() && !url.hasFragment();
}

void ProxyWeatherProvider::current(const WeatherLocation& location, WeatherDone done) {
    if (!endpointIsUsable() || !location.isValid()) {
        done(std::make_exception_ptr(ConfigurationError(QStringLiteral("天气服务地址无效"))));
        return;
    }
    client_(location.latitude, location.longitude,
            [location, clock = clock_, done = std::move(done)](ContentFetchResult result) {
                if (auto* error = std::get_if<std::exception_ptr>(&result)) {
                    done(*error);
                    return;
                }
                try {
                    WeatherSnapshot snapshot =
                        WeatherSnapshot::decode(std::get<QByteArray>(result));
                    snapshot.validate(location, clock());
                    done(std::move(snapshot));
                } catch (...) {
                    done(std::current_exception());
                }
            });
}

}  // namespace tundle

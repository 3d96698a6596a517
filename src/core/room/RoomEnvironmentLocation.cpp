#include "room/RoomEnvironment.h"

#include <QPointer>
#include <cmath>

#include "support/Graphemes.h"

namespace tundle {

namespace {

constexpr double coarsestAccuracy = 15000;
constexpr qint64 oldestFixMilliseconds = 300000;
constexpr qsizetype longestQuery = 80;

}  // namespace

LocationSource* RoomEnvironment::locationSource() {
    if (!manager_ && makeLocationSource_) {
        manager_ = makeLocationSource_();
        if (manager_) {
            manager_->setHandlers(
                [this](const std::vector<LocationFix>& fixes) { locationUpdated(fixes); },
                [this] { locationFailed(); });
        }
    }
    return manager_.get();
}

void RoomEnvironment::stopLocating() {
    if (manager_) {
        manager_->stopUpdating();
    }
    locationTimeout_.stop();
    setLocating(false);
}

void RoomEnvironment::locate() {
    if (!networkEnabled_ || locating_) {
        return;
    }
    LocationSource* source = locationSource();
    const LocationAuthorization authorization =
        source ? source->authorization() : LocationAuthorization::denied;
    if (!source || !source->servicesEnabled() || authorization == LocationAuthorization::denied ||
        authorization == LocationAuthorization::restricted) {
        setStatus(QStringLiteral("定位未授权，请手动选择城市"));
        return;
    }
    setLocating(true);
    setStatus(QStringLiteral("正在获取大致位置…"));
    source->startUpdating();
    locationTimeout_.start();
}

void RoomEnvironment::locationUpdated(const std::vector<LocationFix>& fixes) {
    if (fixes.empty()) {
        return;
    }
    // Sources report the best they have last.
    const LocationFix& fix = fixes.back();
    const bool precise = fix.horizontalAccuracy >= 0 && fix.horizontalAccuracy <= coarsestAccuracy;
    if (!precise || !fix.timestamp.isValid() ||
        std::abs(fix.timestamp.msecsTo(clock_())) >= oldestFixMilliseconds) {
        return;
    }
    const WeatherLocation location =
        WeatherLocation::create(QStringLiteral("本机附近"), fix.latitude, fix.longitude);
    // A fix that arrives after the time-out, a failure or a reset finds `locating` false.
    QMetaObject::invokeMethod(
        this,
        [this, location] {
            if (!locating_ || !location.isValid()) {
                return;
            }
            stopLocating();
            lastLocationAt_ = clock_();
            update([&](RoomPreferences& preferences) {
                preferences.location = location;
                preferences.usesDeviceLocation = true;
            });
            tick();
        },
        Qt::QueuedConnection);
}

void RoomEnvironment::locationFailed() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!locating_) {
                return;
            }
            stopLocating();
            setStatus(QStringLiteral("暂时无法定位，请手动选择城市"));
        },
        Qt::QueuedConnection);
}

void RoomEnvironment::locationTimedOut() {
    stopLocating();
    setStatus(QStringLiteral("定位超时，请手动选择城市"));
}

void RoomEnvironment::searchCity(const QString& text) {
    const QString query = text.trimmed();
    if (!networkEnabled_ || query.isEmpty() || graphemeCount(query) > longestQuery) {
        return;
    }
    geocoder_->cancel();
    searchGeneration_ = QUuid::createUuid();
    const QUuid token = searchGeneration_;
    setSearching(true);
    setSearchResults({});
    searchTimeout_.start();
    QPointer<RoomEnvironment> self(this);
    geocoder_->geocode(query, [self, query, token](GeocodeResult result) {
        if (self) {
            self->finishSearch(std::move(result), query, token);
        }
    });
}

void RoomEnvironment::finishSearch(GeocodeResult result, const QString& query, const QUuid& token) {
    if (searchGeneration_ != token) {
        return;
    }
    searchTimeout_.stop();
    const auto* placemarks = std::get_if<std::vector<Placemark>>(&result);
    if (!placemarks) {
        setStatus(QStringLiteral("城市查询暂不可用，可选择常用城市"));
        setSearching(false);
        return;
    }
    std::vector<WeatherLocation> results;
    QStringList keys;
    for (const Placemark& placemark : *placemarks) {
        if (!placemark.location) {
            continue;
        }
        const WeatherLocation candidate =
            WeatherLocation::create(placemark.locality.value_or(placemark.name.value_or(query)),
                                    placemark.location->latitude, placemark.location->longitude);
        if (!candidate.isValid() || keys.contains(candidate.key())) {
            continue;
        }
        keys.append(candidate.key());
        results.push_back(candidate);
    }
    const bool found = !results.empty();
    setSearchResults(std::move(results));
    if (!found) {
        setStatus(QStringLiteral("未找到城市，请补充省份或国家后重试"));
    }
    setSearching(false);
}

void RoomEnvironment::searchTimedOut() {
    searchGeneration_ = QUuid::createUuid();
    geocoder_->cancel();
    setStatus(QStringLiteral("城市查询暂不可用，可选择常用城市"));
    setSearching(false);
}

void RoomEnvironment::cancelCitySearch() {
    searchGeneration_ = QUuid::createUuid();
    geocoder_->cancel();
    searchTimeout_.stop();
    setSearching(false);
    setSearchResults({});
}

void RoomEnvironment::selectCity(const WeatherLocation& location) {
    // The user's choice wins over a fix still on its way, even when the choice changes nothing
    // or cannot be saved.
    stopLocating();
    update([&](RoomPreferences& preferences) {
        preferences.location = location;
        preferences.usesDeviceLocation = false;
    });
    tick();
}

void RoomEnvironment::setSearchResults(std::vector<WeatherLocation> results) {
    searchResults_ = std::move(results);
    emit searchResultsChanged();
    emit changed();
}

void RoomEnvironment::setSearching(bool searching) {
    searching_ = searching;
    emit searchingChanged();
    emit changed();
}

}  // namespace tundle

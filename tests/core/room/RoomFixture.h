#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <deque>

#include "room/RoomEnvironment.h"
#include "support/ConfigurationError.h"
#include "support/MemoryDefaults.h"

namespace tundle::test {

inline const WeatherLocation& beijing() {
    return WeatherLocation::cities()[0];
}
inline const WeatherLocation& shanghai() {
    return WeatherLocation::cities()[1];
}

// Holds every request until the test answers it.
class ScriptedProvider : public WeatherProvider {
public:
    void current(const WeatherLocation& location, WeatherDone done) override {
        asked.push_back(location);
        pending.push_back(std::move(done));
    }
    void answer(WeatherResult result) {
        WeatherDone done = std::move(pending.front());
        pending.pop_front();
        done(std::move(result));
    }
    void fail() { answer(std::make_exception_ptr(ConfigurationError(QStringLiteral("网络断开")))); }

    std::vector<WeatherLocation> asked;
    std::deque<WeatherDone> pending;
};

// Reports what the test tells it to; switched on and permitted as the fixture says.
class ScriptedLocationSource : public LocationSource {
public:
    ScriptedLocationSource(const bool& enabled, const LocationAuthorization& authorization)
        : enabled_(enabled), authorization_(authorization) {}

    void setHandlers(Updated updated, Failed failed) override {
        updated_ = std::move(updated);
        failed_ = std::move(failed);
    }
    bool servicesEnabled() const override { return enabled_; }
    LocationAuthorization authorization() const override { return authorization_; }
    void startUpdating() override {
        ++starts;
        updating = true;
    }
    void stopUpdating() override { updating = false; }

    void report(const std::vector<LocationFix>& fixes) { updated_(fixes); }
    void fail() { failed_(); }

    int starts = 0;
    bool updating = false;

private:
    const bool& enabled_;
    const LocationAuthorization& authorization_;
    Updated updated_;
    Failed failed_;
};

// Keeps every request, even cancelled ones, so a test can deliver a late answer.
class ScriptedGeocoder : public Geocoder {
public:
    void geocode(const QString& address, GeocodeDone done) override {
        addresses.push_back(address);
        pending.push_back(std::move(done));
    }
    void cancel() override {}

    void answer(std::size_t request, GeocodeResult result) {
        pending.at(request)(std::move(result));
    }

    QStringList addresses;
    std::vector<GeocodeDone> pending;
};

class RoomFixture : public ::testing::Test {
protected:
    RoomFixture() : store(defaults) {}

    void setRoom(RoomMode mode, std::optional<WeatherLocation> location,
                 bool usesDeviceLocation = false) {
        store.update([&](UserConfiguration& c) {
            c.device.room = RoomPreferences{
                .mode = mode, .location = location, .usesDeviceLocation = usesDeviceLocation};
        });
    }

    RoomEnvironment::Options options(bool network = true, bool withProvider = true) {
        return RoomEnvironment::Options{
            .provider = withProvider ? provider : nullptr,
            .cachePath = cache(),
            .networkEnabled = network,
            .resourceFolder = std::nullopt,
            .clock = [this] { return now; },
            .locationSource =
                [this] {
                    auto made = std::make_unique<ScriptedLocationSource>(servicesOn, permission);
                    source = made.get();
                    return made;
                },
            .geocoder =
                [this] {
                    auto made = std::make_unique<ScriptedGeocoder>();
                    geocoder = made.get();
                    return made;
                },
            .locationPatience = patience,
            .searchPatience = patience,
        };
    }

    std::unique_ptr<RoomEnvironment> make(bool network = true, bool withProvider = true) {
        return std::make_unique<RoomEnvironment>(store, options(network, withProvider));
    }

    WeatherSnapshot weather(const WeatherLocation& place, qint64 observedAgo = 60,
                            bool stale = false) const {
        return WeatherSnapshot{.locationKey = place.key(),
                               .condition = RoomWeather::rain,
                               .intensity = 0.7,
                               .observedAt = now.addSecs(-observedAgo),
                               .fetchedAt = now,
                               .isStale = stale};
    }

    QString cache() const { return dir.filePath("weather-v1.json"); }

    QTemporaryDir dir;
    MemoryDefaults defaults;
    ConfigurationStore store;
    std::shared_ptr<ScriptedProvider> provider = std::make_shared<ScriptedProvider>();
    QDateTime now = QDateTime(QDate(2026, 3, 1), QTime(8, 30), Qt::UTC);

    bool servicesOn = true;
    LocationAuthorization permission = LocationAuthorization::authorizedAlways;
    std::chrono::milliseconds patience{20000};
    // The most recently made ones.
    ScriptedLocationSource* source = nullptr;
    ScriptedGeocoder* geocoder = nullptr;
};

}  // namespace tundle::test

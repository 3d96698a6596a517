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

// Switched on and permitted as the test says; reports what the test tells it to.
struct ScriptedLocationSource : LocationSource {
    ScriptedLocationSource(const bool& on, const LocationAuthorization& permission)
        : on(on), permission(permission) {}
    void setHandlers(Updated u, Failed f) override {
        updated = std::move(u);
        failed = std::move(f);
    }
    bool servicesEnabled() const override { return on; }
    LocationAuthorization authorization() const override { return permission; }
    void startUpdating() override { updating = true; }
    void stopUpdating() override { updating = false; }

    const bool& on;
    const LocationAuthorization& permission;
    Updated updated;
    Failed failed;
    bool updating = false;
};

// Keeps every request, even cancelled ones, so a test can deliver a late answer.
struct ScriptedGeocoder : Geocoder {
    void geocode(const QString& address, GeocodeDone done) override {
        addresses.append(address);
        pending.push_back(std::move(done));
    }
    void cancel() override {}

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
            .locationSource = [this] { return made(source, servicesOn, permission); },
            .geocoder = [this] { return made(geocoder); },
            .locationPatience = patience,
            .searchPatience = patience,
        };
    }

    // Keeps a pointer to the latest one the environment made.
    template <typename T, typename... Arguments>
    static std::unique_ptr<T> made(T*& latest, const Arguments&... arguments) {
        auto made = std::make_unique<T>(arguments...);
        latest = made.get();
        return made;
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
    ScriptedLocationSource* source = nullptr;
    ScriptedGeocoder* geocoder = nullptr;
};

}  // namespace tundle::test

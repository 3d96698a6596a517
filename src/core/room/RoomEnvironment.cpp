#include "room/RoomEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>
#include <cmath>

#include "config/ConfigurationStoreRead.h"
#include "room/OfflineGeocoder.h"
#include "room/ProxyWeatherProvider.h"
#include "support/BundleInfo.h"
#include "support/FileIO.h"

namespace tundle {

namespace {

constexpr qint64 cacheLimit = 16384;

RoomPreferences roomOf(const UserConfiguration& configuration) {
    return configuration.device.room.value_or(RoomPreferences());
}

std::shared_ptr<WeatherProvider> builtInProvider() {
    const QString endpoint = BundleInfo::current().weatherEndpoint;
    if (endpoint.isEmpty() || !QUrl(endpoint, QUrl::StrictMode).isValid()) {
        return nullptr;
    }
    return std::make_shared<ProxyWeatherProvider>(endpoint);
}

std::optional<QString> cacheBeside(const ConfigurationStore& configuration) {
    if (const auto& file = configuration.storagePath()) {
        return QFileInfo(*file).dir().filePath(QStringLiteral("weather-v1.json"));
    }
    return std::nullopt;
}

}  // namespace

RoomEnvironment::RoomEnvironment(ConfigurationStore& configuration, Options options,
                                 QObject* parent)
    : QObject(parent),
      configuration_(&configuration),
      provider_(options.provider ? std::move(options.provider) : builtInProvider()),
      cachePath_(options.cachePath ? std::move(options.cachePath) : cacheBeside(configuration)),
      networkEnabled_(options.networkEnabled),
      clock_(options.clock ? std::move(options.clock)
                           : [] { return QDateTime::currentDateTimeUtc(); }),
      makeLocationSource_(std::move(options.locationSource)),
      makeGeocoder_(options.geocoder ? std::move(options.geocoder)
                                     : [] { return std::make_unique<OfflineGeocoder>(); }),
      locationPatience_(options.locationPatience),
      searchPatience_(options.searchPatience),
      preferences_(roomOf(configuration.value())),
      now_(clock_()),
      geocoder_(makeGeocoder_()),
      lastLocationAt_(distantPast()),
      nextAttempt_(distantPast()) {
    restoreCache();
    findBuiltInScene(options.resourceFolder);
    connect(&configuration, &ConfigurationStore::valueWillChange, this, &RoomEnvironment::follow);
    connectTimers();
}

void RoomEnvironment::connectTimers() {
    clock60_.setInterval(60000);
    connect(&clock60_, &QTimer::timeout, this, &RoomEnvironment::tick);
    locationTimeout_.setSingleShot(true);
    locationTimeout_.setInterval(locationPatience_);
    connect(&locationTimeout_, &QTimer::timeout, this, &RoomEnvironment::locationTimedOut);
    searchTimeout_.setSingleShot(true);
    searchTimeout_.setInterval(searchPatience_);
    connect(&searchTimeout_, &QTimer::timeout, this, &RoomEnvironment::searchTimedOut);
}

void RoomEnvironment::findBuiltInScene(const std::optional<QString>& resourceFolder) {
    QStringList candidates;
    if (resourceFolder) {
        candidates << QDir(*resourceFolder).filePath(QStringLiteral("Rooms"));
    }
    candidates << QDir::current().filePath(QStringLiteral("app/Assets/Rooms"))
               << QDir::current().filePath(QStringLiteral("Assets/Rooms"));
    for (const QString& folder : candidates) {
        try {
            const RoomSceneDefinition definition = RoomSceneDefinition::load(folder);
            builtIn_ = std::make_pair(folder, definition);
            installScene(folder, definition);
            return;
        } catch (const std::exception&) {
            // A candidate that does not load is passed over; the next one may.
        }
    }
}

void RoomEnvironment::follow(const UserConfiguration& configuration) {
    // The store hands over the value it is about to publish; reading it back would give the old
    // one.
    const RoomPreferences room = roomOf(configuration);
    if (room == preferences_) {
        return;
    }
    preferences_ = room;
    emit preferencesChanged();
    emit changed();
    resetRequest();
    restoreCache();
    tick();
}

RoomAtmosphere RoomEnvironment::atmosphere(const QTimeZone& zone) const {
    return RoomAtmosphere::resolve(preferences_, snapshot_, now_, zone);
}

void RoomEnvironment::reportView(const void* view, bool onScreen) {
    if (onScreen) {
        viewsOnScreen_.insert(view);
    } else {
        viewsOnScreen_.erase(view);
    }
    setVisible(!viewsOnScreen_.empty());
}

void RoomEnvironment::setVisible(bool shown) {
    if (shown == visible_) {
        return;
    }
    visible_ = shown;
    emit visibleChanged();
    emit changed();
    clock60_.stop();
    if (!shown) {
        // A new generation drops the answer of the request in flight.
        generation_ = QUuid::createUuid();
        setBusy(false);
        stopLocating();
        return;
    }
    // Coming on screen renews a fix older than six hours, and never prompts for a permission.
    if (preferences_.mode == RoomMode::weather && preferences_.usesDeviceLocation &&
        lastLocationAt_.msecsTo(clock_()) > 21600 * 1000LL && networkEnabled_) {
        LocationSource* source = locationSource();
        if (source && source->authorization() == LocationAuthorization::authorizedAlways) {
            locate();
        }
    }
    tick();
    clock60_.start();
}

void RoomEnvironment::tick() {
    setNow(clock_());
    if (preferences_.mode == RoomMode::fixed) {
        setStatus(QStringLiteral("固定氛围"));
        return;
    }
    if (preferences_.mode == RoomMode::daylight) {
        setStatus(QStringLiteral("本地昼夜"));
        return;
    }
    if (!preferences_.location) {
        setStatus(QStringLiteral("选择城市后跟随天气"));
        return;
    }
    if (snapshot_ && !snapshot_->usable(now_)) {
        setSnapshot(std::nullopt);
        setStatus(QStringLiteral("天气已过期，使用本地昼夜"));
    }
    if (hasProvider()) {
        if (visible_) {
            refresh();
        }
        return;
    }
    setStatus(QStringLiteral("天气服务尚未配置，使用本地昼夜"));
}

void RoomEnvironment::update(const std::function<void(RoomPreferences&)>& mutation) {
    RoomPreferences copy = preferences_;
    mutation(copy);
    if (copy == preferences_) {
        return;
    }
    if (configuration_) {
        // The store's change comes back through follow(), which does the rest.
        try {
            configuration_->update(
                [&](UserConfiguration& configuration) { configuration.device.room = copy; });
        } catch (const std::exception& error) {
            setStatus(describe(error));
        }
        return;
    }
    const std::optional<WeatherSnapshot> old = snapshot_;
    preferences_ = copy;
    emit preferencesChanged();
    emit changed();
    resetRequest();
    const std::optional<QString> newKey =
        copy.location ? std::optional(copy.location->key()) : std::nullopt;
    const std::optional<QString> oldKey = old ? std::optional(old->locationKey) : std::nullopt;
    if (oldKey == newKey) {
        setSnapshot(old);
    }
    tick();
}

void RoomEnvironment::installScene(const std::optional<QString>& folder,
                                   const std::optional<RoomSceneDefinition>& definition) {
    std::optional<std::pair<QString, RoomSceneDefinition>> chosen = builtIn_;
    if (folder && definition) {
        chosen = std::make_pair(*folder, *definition);
    }
    if (!chosen) {
        return;
    }
    scene_ = chosen->second;
    sceneRoot_ = chosen->first;
    emit sceneChanged();
    emit changed();
}

void RoomEnvironment::refresh() {
    const QDateTime current = clock_();
    if (!networkEnabled_ || preferences_.mode != RoomMode::weather || busy_ ||
        !preferences_.location || !provider_ || current < nextAttempt_ ||
        (snapshot_ && snapshot_->fresh(current))) {
        return;
    }
    setBusy(true);
    const QUuid token = generation_;
    const WeatherLocation location = *preferences_.location;
    QPointer<RoomEnvironment> self(this);
    provider_->current(location, [self, location, token](WeatherResult result) {
        if (self) {
            self->finishRequest(std::move(result), location, token);
        }
    });
}

void RoomEnvironment::finishRequest(WeatherResult result, const WeatherLocation& location,
                                    const QUuid& token) {
    // An answer to a request that was abandoned (reset, or the room hidden) changes nothing.
    if (generation_ != token) {
        return;
    }
    const QDateTime current = clock_();
    auto* answer = std::get_if<WeatherSnapshot>(&result);
    bool valid = answer != nullptr;
    if (valid) {
        try {
            answer->validate(location, current);
        } catch (const std::exception&) {
            valid = false;
        }
    }
    if (!valid) {
        ++failures_;
        const qint64 backOff = std::min<qint64>(60LL << std::min(failures_, 5), 1800);
        nextAttempt_ = current.addSecs(backOff);
        setStatus(QStringLiteral("天气暂不可用，使用缓存或本地昼夜"));
        setBusy(false);
        setNow(current);
        return;
    }
    const bool usable = answer->usable(current);
    setSnapshot(usable ? std::optional(*answer) : std::nullopt);
    failures_ = 0;
    nextAttempt_ = current.addSecs(answer->isStale ? 300 : 1800);
    setStatus(!usable           ? QStringLiteral("天气已过期，使用本地昼夜")
              : answer->isStale ? QStringLiteral("缓存天气")
                                : QStringLiteral("天气已更新"));
    if (cachePath_) {
        try {
            FileIO::writeAtomically(*cachePath_, answer->encoded());
        } catch (const std::exception&) {
            // The cache only saves a fetch at the next start; the room works without it.
        }
    }
    setBusy(false);
    setNow(current);
}

void RoomEnvironment::restoreCache() {
    if (!cachePath_ || !preferences_.location) {
        return;
    }
    try {
        const QDateTime current = clock_();
        const WeatherSnapshot cached =
            WeatherSnapshot::decode(ConfigurationStoreRead::read(*cachePath_, cacheLimit));
        cached.validate(*preferences_.location, current);
        if (cached.usable(current)) {
            setSnapshot(cached);
        }
    } catch (const std::exception&) {
        // A missing, damaged, foreign or old cache is simply not used.
    }
}

void RoomEnvironment::resetRequest() {
    generation_ = QUuid::createUuid();
    setBusy(false);
    setSnapshot(std::nullopt);
    nextAttempt_ = distantPast();
    failures_ = 0;
    stopLocating();
}

void RoomEnvironment::clearCache() {
    resetRequest();
    if (cachePath_) {
        QFile::remove(*cachePath_);
    }
    tick();
}

void RoomEnvironment::setSnapshot(std::optional<WeatherSnapshot> snapshot) {
    snapshot_ = std::move(snapshot);
    emit snapshotChanged();
    emit changed();
}

void RoomEnvironment::setStatus(const QString& status) {
    status_ = status;
    emit statusChanged();
    emit changed();
}

void RoomEnvironment::setBusy(bool busy) {
    busy_ = busy;
    emit busyChanged();
    emit changed();
}

void RoomEnvironment::setLocating(bool locating) {
    locating_ = locating;
    emit locatingChanged();
    emit changed();
}

void RoomEnvironment::setNow(const QDateTime& now) {
    now_ = now;
    emit nowChanged();
    emit changed();
}

}  // namespace tundle

#pragma once

#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimeZone>
#include <QTimer>
#include <QUuid>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "config/ConfigurationStore.h"
#include "records/RoomPreferences.h"
#include "room/Geocoder.h"
#include "room/LocationSource.h"
#include "room/RoomAtmosphere.h"
#include "room/RoomSceneDefinition.h"
#include "room/WeatherProvider.h"
#include "room/WeatherSnapshot.h"

namespace tundle {

// The live model behind the room backdrop: the room settings in force, the weather shown, a
// status line, a minute clock and the installed scene pack. It follows the configuration store
// and, while a room view is on screen in weather mode, keeps the weather current. A draft is a
// copy detached from the store that the room settings try changes on.
class RoomEnvironment : public QObject {
    Q_OBJECT

public:
    struct Options {
        // Absent: built from the build-time weather endpoint, when there is one.
        std::shared_ptr<WeatherProvider> provider;
        // Absent: "weather-v1.json" beside the configuration file, when there is one.
        std::optional<QString> cachePath;
        bool networkEnabled = true;
        // The application's own resource folder, searched first for the built-in scene pack.
        std::optional<QString> resourceFolder;
        std::function<QDateTime()> clock;
        // Makes the device's location source on first need; absent: location services are off.
        std::function<std::unique_ptr<LocationSource>()> locationSource;
        // Absent: the offline geocoder.
        std::function<std::unique_ptr<Geocoder>()> geocoder;
        std::chrono::milliseconds locationPatience{20000};
        // A geocoder that never answers would otherwise keep the city search busy for good.
        std::chrono::milliseconds searchPatience{30000};
    };

    RoomEnvironment(ConfigurationStore& configuration, Options options, QObject* parent = nullptr);

    const RoomPreferences& preferences() const { return preferences_; }
    const std::optional<WeatherSnapshot>& snapshot() const { return snapshot_; }
    const QString& status() const { return status_; }
    bool busy() const { return busy_; }
    bool locating() const { return locating_; }
    const std::vector<WeatherLocation>& searchResults() const { return searchResults_; }
    bool searching() const { return searching_; }
    // When the last device location was accepted.
    const QDateTime& lastLocationAt() const { return lastLocationAt_; }
    // The minute clock: the time the room is drawn for.
    const QDateTime& now() const { return now_; }
    const std::optional<QString>& sceneRoot() const { return sceneRoot_; }
    const std::optional<RoomSceneDefinition>& scene() const { return scene_; }

    RoomAtmosphere atmosphere(const QTimeZone& zone = QTimeZone::systemTimeZone()) const;
    bool hasProvider() const { return provider_ && networkEnabled_; }
    bool isVisible() const { return visible_; }

    // Called by the room views as one comes on screen or leaves it.
    void setVisible(bool shown);
    // Each room view tells its own state; the room counts as on screen while any view is, so
    // one view leaving does not stop the weather another still shows.
    void reportView(const void* view, bool onScreen);
    void tick();
    // Saves a change of the room settings through the configuration store.
    void update(const std::function<void(RoomPreferences&)>& mutation);
    // Installs a downloaded pack, or goes back to the built-in one without a complete candidate.
    void installScene(const std::optional<QString>& folder,
                      const std::optional<RoomSceneDefinition>& definition);

    void refresh();
    void restoreCache();
    void resetRequest();
    void clearCache();

    // Asks the device once for a coarse position and stores it as the room's place.
    void locate();
    void searchCity(const QString& text);
    void cancelCitySearch();
    void selectCity(const WeatherLocation& location);

    // A copy for the room settings to try changes on; it never touches the store or the cache.
    std::unique_ptr<RoomEnvironment> makeDraft() const;
    // Stores the draft's settings and takes over its weather when it still fits. Throws the
    // store's error, or "房间设置草稿无效" unless this is live and `draft` is a draft.
    void applyDraft(const RoomEnvironment& draft, bool clearCache);
    // Called on a draft when its sheet closes: everything in flight is abandoned.
    void endEditing();
    // One line on the room's weather, times in `locale`'s short form in `zone`.
    QString weatherSummary(const QLocale& locale = QLocale(),
                           const QTimeZone& zone = QTimeZone::systemTimeZone()) const;

signals:
    void preferencesChanged();
    void snapshotChanged();
    void statusChanged();
    void busyChanged();
    void locatingChanged();
    void searchResultsChanged();
    void searchingChanged();
    void nowChanged();
    void sceneChanged();
    void visibleChanged();
    void changed();

private:
    struct DraftOf {
        const RoomEnvironment& source;
    };
    explicit RoomEnvironment(DraftOf draft);

    static QDateTime distantPast() { return QDateTime::fromSecsSinceEpoch(0, Qt::UTC); }

    void follow(const UserConfiguration& configuration);
    void findBuiltInScene(const std::optional<QString>& resourceFolder);
    void finishRequest(WeatherResult result, const WeatherLocation& location, const QUuid& token);
    void connectTimers();

    LocationSource* locationSource();
    void stopLocating();
    void locationUpdated(const std::vector<LocationFix>& fixes);
    void locationFailed();
    void locationTimedOut();
    void finishSearch(GeocodeResult result, const QString& query, const QUuid& token);
    void searchTimedOut();

    void setSnapshot(std::optional<WeatherSnapshot> snapshot);
    void setStatus(const QString& status);
    void setBusy(bool busy);
    void setLocating(bool locating);
    void setSearchResults(std::vector<WeatherLocation> results);
    void setSearching(bool searching);
    void setNow(const QDateTime& now);

    QPointer<ConfigurationStore> configuration_;
    std::shared_ptr<WeatherProvider> provider_;
    std::optional<QString> cachePath_;
    bool networkEnabled_;
    std::function<QDateTime()> clock_;
    std::function<std::unique_ptr<LocationSource>()> makeLocationSource_;
    std::function<std::unique_ptr<Geocoder>()> makeGeocoder_;
    std::chrono::milliseconds locationPatience_;
    std::chrono::milliseconds searchPatience_;

    RoomPreferences preferences_;
    std::optional<WeatherSnapshot> snapshot_;
    QString status_ = QStringLiteral("本地昼夜");
    bool busy_ = false;
    bool locating_ = false;
    QDateTime now_;
    std::vector<WeatherLocation> searchResults_;
    bool searching_ = false;
    std::optional<QString> sceneRoot_;
    std::optional<RoomSceneDefinition> scene_;
    std::optional<std::pair<QString, RoomSceneDefinition>> builtIn_;

    std::unique_ptr<Geocoder> geocoder_;
    // The token of the current city search; results carrying another are dropped.
    QUuid searchGeneration_ = QUuid::createUuid();
    QDateTime lastLocationAt_;
    std::unique_ptr<LocationSource> manager_;
    QTimer locationTimeout_;
    QTimer searchTimeout_;

    // The token of the current weather request; an answer carrying another is dropped.
    QUuid generation_ = QUuid::createUuid();
    QDateTime nextAttempt_;
    int failures_ = 0;
    bool visible_ = false;
    std::set<const void*> viewsOnScreen_;
    QTimer clock60_;
};

}  // namespace tundle

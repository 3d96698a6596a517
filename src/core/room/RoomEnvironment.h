#pragma once

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUuid>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "config/ConfigurationStore.h"
#include "records/RoomPreferences.h"
#include "room/RoomAtmosphere.h"
#include "room/RoomSceneDefinition.h"
#include "room/WeatherProvider.h"
#include "room/WeatherSnapshot.h"

namespace tundle {

// The live model behind the room backdrop: the room settings in force, the weather shown, a
// status line, a minute clock and the installed scene pack. It follows the configuration store
// and, while a room view is on screen in weather mode, keeps the weather current.
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
    };

    RoomEnvironment(ConfigurationStore& configuration, Options options, QObject* parent = nullptr);

    const RoomPreferences& preferences() const { return preferences_; }
    const std::optional<WeatherSnapshot>& snapshot() const { return snapshot_; }
    const QString& status() const { return status_; }
    bool busy() const { return busy_; }
    bool locating() const { return locating_; }
    // The minute clock: the time the room is drawn for.
    const QDateTime& now() const { return now_; }
    const std::optional<QString>& sceneRoot() const { return sceneRoot_; }
    const std::optional<RoomSceneDefinition>& scene() const { return scene_; }

    RoomAtmosphere atmosphere() const;
    bool hasProvider() const { return provider_ && networkEnabled_; }
    bool isVisible() const { return visible_; }

    // Called by the room views as one comes on screen or leaves it.
    void setVisible(bool shown);
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

signals:
    void preferencesChanged();
    void snapshotChanged();
    void statusChanged();
    void busyChanged();
    void locatingChanged();
    void nowChanged();
    void sceneChanged();
    void visibleChanged();
    void changed();

private:
    void follow(const UserConfiguration& configuration);
    void findBuiltInScene(const std::optional<QString>& resourceFolder);
    void finishRequest(WeatherResult result, const WeatherLocation& location, const QUuid& token);

    void setSnapshot(std::optional<WeatherSnapshot> snapshot);
    void setStatus(const QString& status);
    void setBusy(bool busy);
    void setLocating(bool locating);
    void setNow(const QDateTime& now);

    QPointer<ConfigurationStore> configuration_;
    std::shared_ptr<WeatherProvider> provider_;
    std::optional<QString> cachePath_;
    bool networkEnabled_;
    std::function<QDateTime()> clock_;

    RoomPreferences preferences_;
    std::optional<WeatherSnapshot> snapshot_;
    QString status_ = QStringLiteral("本地昼夜");
    bool busy_ = false;
    bool locating_ = false;
    QDateTime now_;
    std::optional<QString> sceneRoot_;
    std::optional<RoomSceneDefinition> scene_;
    std::optional<std::pair<QString, RoomSceneDefinition>> builtIn_;

    // The token of the current weather request; an answer carrying another is dropped.
    QUuid generation_ = QUuid::createUuid();
    QDateTime nextAttempt_;
    int failures_ = 0;
    bool visible_ = false;
    QTimer clock60_;
};

}  // namespace tundle

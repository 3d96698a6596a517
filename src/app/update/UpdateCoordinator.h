#pragma once

#include <QDateTime>
#include <QObject>
#include <QRandomGenerator>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "platform/SessionEvents.h"
#include "content/ContentHTTP.h"
#include "content/ContentSnapshot.h"
#include "model/Scheduler.h"
#include "support/BundleInfo.h"
#include "update/AppcastUpdater.h"
#include "update/ContentReleases.h"
#include "update/DecodedContent.h"
#include "update/RepeatingTimer.h"
#include "update/SoftwareUpdater.h"

namespace tundle {

class AppModel;

// Drives software and content updates for the application model: decides when to check,
// keeps the update status lines of the model current and puts a new content release into use
// only while the pet is at rest. Main thread only; lives as long as the application.
class UpdateCoordinator : public QObject {
public:
    // Everything the coordinator takes from outside; the referenced objects must outlive it.
    struct Environment {
        Scheduler& scheduler;
        BundleInfo bundle = BundleInfo::current();
        std::function<QDateTime()> clock = &QDateTime::currentDateTimeUtc;
        // A number from 0 up to 1, uniformly.
        std::function<double()> random = [] {
            return QRandomGenerator::global()->generateDouble();
        };
        // Its wake starts a check. Absent, only the timers, the model's closure and the shell
        // (when the application turns active) start checks.
        SessionEvents* session = nullptr;
        std::function<std::unique_ptr<ContentReleases>(ContentReleases::Setup)> openStore =
            &ContentReleases::open;
        ContentHTTP::Settings transfer = {};
        std::function<std::unique_ptr<SoftwareUpdater>(SoftwareUpdater::Setup)> makeUpdater =
            &AppcastUpdater::create;
        std::optional<QString> installLocation = std::nullopt;
        // Whether this copy must be moved before it can take software updates, and the guide
        // that tells the user how.
        std::function<bool()> needsInstallation = [] { return false; };
        std::function<void()> showInstallationGuide = [] {};
    };

    static constexpr double softwareInterval = 21600;
    static constexpr double activationInterval = 1;
    static constexpr double wakeThreshold = 60;

    // With `enabled` false nothing starts.
    UpdateCoordinator(AppModel& model, bool enabled, Environment environment,
                      QObject* parent = nullptr);
    ~UpdateCoordinator() override;

    // Starts a content check unless one runs, a release waits or there is no store.
    void check();
    void checkSoftware(bool userInitiated);
    // The system woke or the application became active: checks when the last check is more
    // than a minute old.
    void woke();
    // The feed address the updater reads during a check.
    std::optional<QString> feedURLString() const;
    // The content check interval chosen at start, in seconds.
    double checkInterval() const { return checkInterval_; }

private:
    using Pending = std::pair<ContentSnapshot, DecodedContent>;
    using Decoded = std::function<void(std::optional<DecodedContent>, QString error)>;

    void startSoftware();
    void startContent();
    void restoreAndCheck();
    void prepared(std::optional<ContentSnapshot> snapshot, std::exception_ptr error);
    void endCheck();
    void decodePacks(const ContentSnapshot& snapshot, Decoded done);
    void scheduleActivation(bool alreadyCommitted);
    void activateIfSafe(bool alreadyCommitted);
    void install(bool alreadyCommitted);
    void failSoftwareCheck();
    bool petAtRest() const;

    AppModel& model_;
    Environment environment_;

    std::unique_ptr<SoftwareUpdater> software_;
    std::optional<QString> softwareFeedURL_;
    bool preparingSoftware_ = false;
    bool softwareStarted_ = false;
    QDateTime lastSoftwareCheck_;
    RepeatingTimer softwareTimer_;
    std::unique_ptr<OneShot> firstSoftwareCheck_;

    std::unique_ptr<ContentReleases> store_;
    RepeatingTimer checkTimer_;
    RepeatingTimer activationTimer_;
    double checkInterval_ = 0;
    bool checking_ = false;
    std::optional<Pending> pending_;
    QDateTime lastCheck_;
    bool activating_ = false;
};

}  // namespace tundle

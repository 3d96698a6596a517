#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace tundle {

// The machinery that replaces the application with a newer signed build. The coordinator
// decides when to check; the updater reads the feed, downloads, verifies and installs.
class SoftwareUpdater {
public:
    struct Setup {
        // The feed address of the current check, nothing outside a check.
        std::function<std::optional<QString>()> feedURL;
        // The 32 raw bytes of the key that signs the archives.
        QByteArray publicKey;
        // The running build (CFBundleVersion); only newer items are taken.
        QString bundleVersion;
        // The folder the application is installed in; nothing when it is not known.
        std::optional<QString> installLocation;
        // How a check ended, as the status line reads it.
        std::function<void(const QString&)> report;
    };

    virtual ~SoftwareUpdater() = default;

    // False while a check, download or installation runs.
    virtual bool canCheckForUpdates() const = 0;
    // Throws UserFacingError when updates cannot be installed from this copy.
    virtual void startUpdater() = 0;
    // Reads the feed and installs the newest signed build above the running one.
    virtual void checkForUpdates() = 0;
};

}  // namespace tundle

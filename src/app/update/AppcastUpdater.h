#pragma once

#include <QObject>
#include <memory>
#include <optional>

#include "content/ContentFetch.h"
#include "content/ContentHTTP.h"
#include "content/Ed25519PublicKey.h"
#include "update/Appcast.h"
#include "update/SoftwareUpdater.h"

namespace tundle {

// Our own software updater: reads the feed over HTTPS, takes the newest build above the running
// one, downloads its archive within the declared length, checks the archive's Ed25519 signature
// before anything is unpacked and swaps the install folder for the new one.
class AppcastUpdater : public QObject, public SoftwareUpdater {
public:
    static constexpr qint64 feedByteLimit = 1024 * 1024;

    explicit AppcastUpdater(Setup setup, ContentHTTP::Settings transfer = {});
    static std::unique_ptr<SoftwareUpdater> create(Setup setup);

    bool canCheckForUpdates() const override { return !running_; }
    void startUpdater() override;
    void checkForUpdates() override;

private:
    void feedArrived(ContentFetchResult result);
    void archiveArrived(const AppcastItem& item, ContentFetchResult result);
    void finish(const QString& status);
    void pause(const QString& reason);

    Setup setup_;
    ContentHTTP::Settings transfer_;
    std::optional<Ed25519PublicKey> key_;
    bool running_ = false;
};

}  // namespace tundle

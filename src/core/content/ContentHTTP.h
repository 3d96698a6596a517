#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QSslConfiguration>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <optional>

#include "content/ContentFetch.h"
#include "support/UserFacingError.h"

class QNetworkReply;

namespace tundle {

// A download that was refused on the way, timed out or failed in the network.
class ContentDownloadError : public UserFacingError {
public:
    using UserFacingError::UserFacingError;
};

// The size-limited HTTPS download: plain https only, redirects only to https, a 200 answer
// only, and never more than the caller's limit in memory. Nothing is cached, no cookie or
// credential is kept, and the body is asked for as it is stored (no compression).
class ContentHTTP : public QObject {
public:
    // The most redirects followed in one download.
    static constexpr int maximumRedirects = 16;

    struct Settings {
        // The longest wait for more data, and the longest whole download.
        std::chrono::milliseconds idleTimeout{30000};
        std::chrono::milliseconds overallTimeout{180000};
        // None: the system's, looked up when a download starts. Looking it up loads OpenSSL and
        // Qt's TLS backend, so nothing that only might download one day asks for it.
        std::optional<QSslConfiguration> tls;
    };

    // Calls `done` once on this thread, which must run an event loop: with the body, or with
    // ContentUpdateError for an address that is not https as written (at once, before any
    // network activity), or with ContentDownloadError.
    static void get(const QString& url, qint64 limit, const ContentFetchDone& done);
    static void get(const QString& url, qint64 limit, const ContentFetchDone& done,
                    const Settings& settings);

private:
    ContentHTTP(qint64 limit, ContentFetchDone done, const Settings& settings);

    void send(const QUrl& url);
    void redirected();
    void headersArrived();
    void bodyArrived();
    std::optional<QString> takeBody();
    void finished();
    void cancel(const QString& reason);
    void resume(ContentFetchResult result);
    bool isRedirectAnswer() const;
    bool isFinalAnswer() const;

    qint64 limit_;
    QByteArray bytes_;
    ContentFetchDone continuation_;
    std::optional<QString> cancelled_;
    std::optional<QUrl> redirectTarget_;
    int redirects_ = 0;
    std::optional<QSslConfiguration> tls_;
    QNetworkAccessManager manager_;
    QNetworkReply* reply_ = nullptr;
    QTimer idle_;
    QTimer overall_;
};

}  // namespace tundle
